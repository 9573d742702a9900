// The ten event sounds, each short and shaped to its moment in the game.
#include <random>

#include "soundgen/sounds.h"

namespace soundgen {

namespace {

Voice Bell(double decay) {
    Voice v;
    v.harmonics = {1.0, 0.45, 0.22, 0.12};
    v.inharmonic = 0.004;
    v.attack = 0.003;
    v.decay = decay;
    v.brightness = 6;
    v.release = 0.08;
    return v;
}

// A rotation: a short wooden tick, two partials and a breath of noise.
Track Rot() {
    Track t(0.09, false);
    Voice v;
    v.harmonics = {1.0, 0.0, 0.35};
    v.attack = 0.002;
    v.decay = 35;
    v.release = 0.02;
    Note(t, 0, 0.06, 88, v, 0.6, 0);
    Note(t, 0.004, 0.05, 95, v, 0.25, 0);
    Noise(t, 0, 0.02, 3000, true, 0.001, 200, 0.15, 0, 11);
    return t;
}

// A drop: a falling swish, the tone gliding down under soft noise.
Track Drop(double f0, double f1, double length, uint32_t seed) {
    Track t(length + 0.07, false);
    Voice v;
    v.harmonics = {1.0, 0.3, 0.1};
    v.attack = 0.012;
    v.decay = 4;
    v.release = 0.06;
    Sweep(t, 0, length, f0, f1, v, 0.5, 0);
    Noise(t, 0, length, 1800, false, 0.02, 10, 0.35, 0, seed);
    return t;
}

// A landing: a soft, low thud.
Track Down(double f0, double f1, double knock, uint32_t seed) {
    Track t(0.24, false);
    Voice v;
    v.harmonics = {1.0, 0.2};
    v.attack = 0.003;
    v.decay = 14;
    v.release = 0.05;
    Sweep(t, 0, 0.18, f0, f1, v, 0.9, 0);
    Voice wood = v;
    wood.decay = 45;
    Note(t, 0, 0.05, knock, wood, 0.15, 0);
    Noise(t, 0, 0.05, 600, false, 0.002, 60, 0.4, 0, seed);
    return t;
}

// Rows removed: a bright major chord, strummed upwards.
Track Del() {
    Track t(0.75, false);
    const double notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) Note(t, 0.018 * i, 0.55, notes[i], Bell(3.5), 0.3, 0);
    return t;
}

// The level change: a rising arpeggio to the octave and beyond.
Track Level() {
    Track t(0.9, false);
    const double notes[] = {69, 72, 76, 81, 84, 88};
    for (int i = 0; i < 6; ++i) Note(t, 0.09 * i, 0.28, notes[i], Bell(4), 0.35, 0);
    return t;
}

// A game starts: a short call of two chords, the second resolving.
Track Start() {
    Track t(0.72, false);
    Voice v;
    v.harmonics = {1.0, 0.6, 0.4, 0.25, 0.15, 0.08};
    v.attack = 0.015;
    v.decay = 1.5;
    v.brightness = 3;
    v.release = 0.12;
    for (double n : {67, 71, 74}) Note(t, 0, 0.12, n, v, 0.16, 0);
    for (double n : {72, 76, 79, 84}) Note(t, 0.15, 0.42, n, v, 0.16, 0);
    return t;
}

// A special figure: a sparkle of high bell notes from the pentatonic scale.
Track Zembrol() {
    Track t(0.7, false);
    std::mt19937 rng(2026);
    const double scale[] = {88, 91, 93, 96, 98, 100, 103, 105};
    for (int i = 0; i < 14; ++i) {
        const double at = 0.035 * i + 0.01 * (rng() % 3);
        Note(t, at, 0.08, scale[rng() % 8], Bell(12), 0.22, 0);
    }
    return t;
}

// The inversion: the tone dives and springs back up, hollow and wobbling.
Track Inv() {
    Track t(0.45, false);
    Voice v;
    v.harmonics = {1.0, 0.0, 0.3, 0.0, 0.15};
    v.attack = 0.01;
    v.release = 0.05;
    v.vibratoHz = 18;
    v.vibratoDepth = 0.6;
    Sweep(t, 0, 0.14, 660, 330, v, 0.35, 0);
    Sweep(t, 0.14, 0.24, 330, 990, v, 0.35, 0);
    return t;
}

}  // namespace

std::vector<EventSound> MakeEventSounds() {
    std::vector<EventSound> s;
    s.push_back({"level.wav", Level()});
    s.push_back({"start.wav", Start()});
    s.push_back({"rot.wav", Rot()});
    s.push_back({"drop1.wav", Drop(900, 220, 0.2, 3)});
    s.push_back({"drop2.wav", Drop(760, 170, 0.24, 4)});
    s.push_back({"down1.wav", Down(150, 55, 62, 5)});
    s.push_back({"down2.wav", Down(125, 48, 58, 6)});
    s.push_back({"del.wav", Del()});
    s.push_back({"zembrol.wav", Zembrol()});
    s.push_back({"inv.wav", Inv()});
    return s;
}

}  // namespace soundgen
