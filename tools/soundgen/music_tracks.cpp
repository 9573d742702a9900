// The two music loops. Each is a whole number of bars rendered as a wrapping
// track, so its end runs into its beginning exactly as the music goes on.
#include "soundgen/sounds.h"

namespace soundgen {

namespace {

struct Chord {
    double bass;                 // root, low octave
    std::vector<double> tones;   // the voicing of the pad
};

struct MelodyNote {
    double beat, beats, midi;
};

Voice Pad(double attack) {
    Voice v;
    v.harmonics = {1.0, 0.5, 0.33, 0.22, 0.15, 0.1};
    v.attack = attack;
    v.release = 0.5;
    v.brightness = 0.8;
    return v;
}

Voice Pluck(double decay) {
    Voice v;
    v.harmonics = {1.0, 0.5, 0.2, 0.1};
    v.attack = 0.004;
    v.decay = decay;
    v.brightness = 5;
    v.release = 0.06;
    return v;
}

Voice Lead() {
    Voice v;
    v.harmonics = {1.0, 0.45, 0.25, 0.12, 0.08, 0.04};
    v.attack = 0.025;
    v.decay = 0.5;
    v.release = 0.1;
    v.vibratoHz = 5.2;
    v.vibratoDepth = 0.12;
    return v;
}

Voice SoftBell() {
    Voice v;
    v.harmonics = {1.0, 0.3, 0.1};
    v.inharmonic = 0.003;
    v.attack = 0.006;
    v.decay = 2.2;
    v.brightness = 4;
    v.release = 0.3;
    return v;
}

}  // namespace

Track MakeBackgroundMusic() {
    constexpr double beat = 0.5;  // 120 beats a minute: a beat is a whole number of samples
    constexpr int bars = 24;
    Track mix(bars * 4 * beat, true);
    Track fx(bars * 4 * beat, true);  // the lead and the arpeggio, which get the echo

    const Chord Am{45, {57, 60, 64}}, F{41, {57, 60, 65}}, C{48, {55, 60, 64}}, G{43, {55, 59, 62}},
        Em{40, {55, 59, 64}}, Dm{38, {57, 62, 65}}, E{40, {56, 59, 64}};
    const Chord song[bars] = {Am, F, C, G, Am, F, C, G,    // A
                              F,  G, Em, Am, Dm, G, C, E,  // B
                              Am, F, C, G, F, G, E, E};    // A', its dominant leads back to the start

    for (int bar = 0; bar < bars; ++bar) {
        const double at = bar * 4 * beat;
        const Chord& c = song[bar];
        // Pad: two slightly detuned copies spread left and right.
        for (double n : c.tones) {
            Note(mix, at, 4 * beat, n - 0.06, Pad(0.25), 0.055, -0.45);
            Note(mix, at, 4 * beat, n + 0.06, Pad(0.25), 0.055, 0.45);
        }
        // Bass: eighths on the root, its octave and fifth.
        const double pattern[8] = {0, 0, 12, 0, 7, 0, 12, 7};
        for (int i = 0; i < 8; ++i) Note(mix, at + i * beat / 2, 0.18, c.bass + pattern[i], Pluck(6), 0.3, 0);
        // Arpeggio: eighths in the first part, sixteenths once the tune has been heard.
        const int steps = bar < 8 ? 8 : 16;
        const int order[4] = {0, 1, 2, 1};
        for (int i = 0; i < steps; ++i)
            Note(fx, at + i * 4 * beat / steps, 0.08, c.tones[static_cast<size_t>(order[i % 4])] + 12, Pluck(9), 0.07,
                 i % 2 ? 0.35 : -0.35);
        // Drums: kick on 1 and 3, snare on 2 and 4, hats on the eighths.
        for (int b = 0; b < 4; ++b) {
            if (b % 2 == 0) Kick(mix, at + b * beat, 0.55);
            else Snare(mix, at + b * beat, 0.16, 100u + static_cast<uint32_t>(bar * 4 + b));
        }
        if (bar % 4 == 3) Kick(mix, at + 3.5 * beat, 0.35);
        for (int i = 0; i < 8; ++i)
            Hat(mix, at + i * beat / 2, i % 2 ? 0.07 : 0.04, 0.25, 500u + static_cast<uint32_t>(bar * 8 + i));
    }

    const std::vector<MelodyNote> tune = {
        // A
        {0, 1, 76}, {1, 1, 81}, {2, .5, 79}, {2.5, .5, 76}, {3, 1, 72},
        {4, 1.5, 69}, {5.5, .5, 72}, {6, 2, 77},
        {8, 1, 76}, {9, 1, 79}, {10, .5, 72}, {10.5, .5, 74}, {11, 1, 76},
        {12, 3, 74}, {15, 1, 71},
        {16, 1, 72}, {17, 1, 76}, {18, 1, 81}, {19, .5, 79}, {19.5, .5, 77},
        {20, 1, 76}, {21, 1, 77}, {22, 2, 81},
        {24, 1.5, 79}, {25.5, .5, 76}, {26, 1, 72}, {27, 1, 76},
        {28, 3.5, 74},
        // B
        {32, 2, 81}, {34, 1, 84}, {35, 1, 81},
        {36, 3, 83}, {39, 1, 79},
        {40, 1, 79}, {41, 1, 76}, {42, 1, 71}, {43, 1, 76},
        {44, 3, 72},
        {48, 1, 77}, {49, 1, 81}, {50, 1.5, 86}, {51.5, .5, 84},
        {52, 1, 83}, {53, 1, 79}, {54, 2, 74},
        {56, 1, 76}, {57, 1, 79}, {58, 2, 84},
        {60, 2, 83}, {62, 2, 80},
        // A'
        {64, 1, 76}, {65, 1, 81}, {66, .5, 79}, {66.5, .5, 76}, {67, 1, 72},
        {68, 1.5, 69}, {69.5, .5, 72}, {70, 2, 77},
        {72, 1, 76}, {73, 1, 79}, {74, .5, 72}, {74.5, .5, 74}, {75, 1, 76},
        {76, 3, 74}, {79, 1, 71},
        {80, 1, 81}, {81, 1, 79}, {82, 1, 77}, {83, 1, 76},
        {84, 1, 74}, {85, 1, 76}, {86, 1, 77}, {87, 1, 79},
        {88, 2, 80}, {90, 2, 83},
        {92, 3, 76},
    };
    for (const MelodyNote& m : tune) Note(fx, m.beat * beat, m.beats * beat * 0.92, m.midi, Lead(), 0.2, -0.1);

    Echo(fx, 3 * beat / 4, 0.35, 0.45);
    for (size_t i = 0; i < mix.Size(); ++i) {
        mix.l[i] += fx.l[i];
        mix.r[i] += fx.r[i];
    }
    return mix;
}

Track MakeStatisticsMusic() {
    constexpr double beat = 2.0 / 3.0;  // 90 beats a minute
    constexpr int bars = 12;
    Track mix(bars * 4 * beat, true);
    Track fx(bars * 4 * beat, true);

    const Chord Fmaj7{41, {53, 57, 60, 64}}, Em7{40, {52, 55, 59, 62}}, Dm7{38, {50, 53, 57, 60}},
        Cmaj7{36, {48, 52, 55, 59}}, G7{43, {53, 55, 59, 62}};
    const Chord song[bars] = {Fmaj7, Em7, Dm7, Cmaj7, Fmaj7, Em7, Dm7, Cmaj7, Fmaj7, Em7, Dm7, G7};

    for (int bar = 0; bar < bars; ++bar) {
        const double at = bar * 4 * beat;
        const Chord& c = song[bar];
        for (double n : c.tones) {
            Note(mix, at, 4 * beat, n - 0.05, Pad(0.7), 0.045, -0.5);
            Note(mix, at, 4 * beat, n + 0.05, Pad(0.7), 0.045, 0.5);
        }
        Voice bass = Pluck(1.2);
        bass.harmonics = {1.0, 0.15};
        Note(mix, at, 2 * beat, c.bass, bass, 0.3, 0);
        Note(mix, at + 2 * beat, 1.5 * beat, c.bass + 7, bass, 0.22, 0);
        const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
        for (int i = 0; i < 8; ++i)
            Note(fx, at + i * beat / 2, 0.3, c.tones[static_cast<size_t>(order[i])] + 12, SoftBell(), 0.07,
                 i % 2 ? 0.3 : -0.3);
        // A few high bell notes on the chord: the third on beat 1, the fifth on beat 3.
        Note(fx, at, 1.5 * beat, c.tones[1] + 24, SoftBell(), 0.09, 0.1);
        if (bar % 2 == 1) Note(fx, at + 2 * beat, 1.5 * beat, c.tones[2] + 24, SoftBell(), 0.07, -0.1);
    }
    Echo(fx, beat, 0.4, 0.5);
    for (size_t i = 0; i < mix.Size(); ++i) {
        mix.l[i] += fx.l[i];
        mix.r[i] += fx.r[i];
    }
    return mix;
}

}  // namespace soundgen
