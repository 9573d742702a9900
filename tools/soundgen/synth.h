// The small synthesiser behind the game's sound set: tracks of samples, notes made
// of harmonics with attack, decay and release, pitch sweeps, noise and drums.
// Tracks may wrap: what sounds past the end comes in at the beginning, so a track
// of a whole number of bars loops without a seam.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

struct Track {
    std::vector<float> l, r;
    bool wrap = false;  // a loop: samples past the end are added at the beginning

    Track(double seconds, bool loops) : l(static_cast<size_t>(seconds * kRate)), r(l.size()), wrap(loops) {}
    size_t Size() const { return l.size(); }
    void Add(int64_t i, double left, double right) {
        const int64_t n = static_cast<int64_t>(l.size());
        if (wrap) i = ((i % n) + n) % n;
        if (i < 0 || i >= n) return;
        l[static_cast<size_t>(i)] += static_cast<float>(left);
        r[static_cast<size_t>(i)] += static_cast<float>(right);
    }
};

// Equal-power gains of a pan from -1 (left) to 1 (right).
inline void PanGains(double pan, double* gl, double* gr) {
    const double a = (pan + 1) * kPi / 4;
    *gl = std::cos(a);
    *gr = std::sin(a);
}

inline double MidiHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// How a note sounds: relative amplitudes of its harmonics and its envelope.
struct Voice {
    std::vector<double> harmonics{1.0};
    double attack = 0.005;       // seconds to full level
    double release = 0.05;       // seconds of fade at the note's end
    double decay = 0;            // exponential fall per second while held (0: sustained)
    double brightness = 0;       // higher harmonics fall this much faster per second and harmonic
    double vibratoHz = 0, vibratoDepth = 0;  // depth in semitones, growing in over the first 0.3 s
    double inharmonic = 0;       // stretches harmonic n by (1 + inharmonic * (n - 1)): bells
};

// Adds a note from `start` seconds, held `length` seconds (its release follows).
void Note(Track& t, double start, double length, double midi, const Voice& v, double gain, double pan);
// Adds a tone whose pitch glides from f0 to f1 hertz over `length` seconds.
void Sweep(Track& t, double start, double length, double f0, double f1, const Voice& v, double gain, double pan);
// Adds noise through a one-pole low-pass at `cutoff` hertz (a high-pass when `high`).
void Noise(Track& t, double start, double length, double cutoff, bool high, double attack, double decay,
           double gain, double pan, uint32_t seed);

// Drums of the background track.
void Kick(Track& t, double start, double gain);
void Snare(Track& t, double start, double gain, uint32_t seed);
void Hat(Track& t, double start, double gain, double pan, uint32_t seed);

// A ping-pong echo of `delay` seconds; a looping track is echoed as it sounds when looped.
void Echo(Track& t, double delay, double feedback, double mix);

}  // namespace soundgen
