// The synthesiser's notes, noise, drums and echo.
#include "soundgen/synth.h"

#include <algorithm>

namespace soundgen {

namespace {

// sin(2 pi x) for x in [0, 1) from a table: the notes of a track call it hundreds of
// millions of times, and the build should not wait for them.
double SineCycle(double x) {
    constexpr int kSize = 8192;
    static const std::vector<double> table = [] {
        std::vector<double> t(kSize + 1);
        for (int i = 0; i <= kSize; ++i) t[static_cast<size_t>(i)] = std::sin(2 * kPi * i / kSize);
        return t;
    }();
    const double p = x * kSize;
    const int i = static_cast<int>(p);
    const double f = p - i;
    return table[static_cast<size_t>(i)] + f * (table[static_cast<size_t>(i) + 1] - table[static_cast<size_t>(i)]);
}

// A tiny deterministic noise source.
struct Lcg {
    uint32_t s;
    double Next() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 8388608.0 - 1.0;
    }
};

template <typename FreqAt>
void Tone(Track& t, double start, double length, FreqAt freqAt, const Voice& v, double gain, double pan) {
    double gl, gr;
    PanGains(pan, &gl, &gr);
    const int64_t first = static_cast<int64_t>(std::llround(start * kRate));
    const int64_t n = static_cast<int64_t>((length + v.release) * kRate);
    const size_t harmonics = v.harmonics.size();
    std::vector<double> phase(harmonics, 0.0), level(v.harmonics), fall(harmonics);
    // Exponential falls kept as running products: one multiplication a sample.
    for (size_t h = 0; h < harmonics; ++h) fall[h] = std::exp(-v.brightness * static_cast<double>(h) / kRate);
    const double decayStep = std::exp(-v.decay / kRate);
    double decay = 1;
    for (int64_t i = 0; i < n; ++i) {
        const double time = static_cast<double>(i) / kRate;
        double f = freqAt(time);
        if (v.vibratoDepth > 0) {
            const double cycle = v.vibratoHz * time;
            f *= std::exp2(v.vibratoDepth * std::min(1.0, time / 0.3) * SineCycle(cycle - std::floor(cycle)) / 12);
        }
        double s = 0;
        for (size_t h = 0; h < harmonics; ++h) {
            const double k = static_cast<double>(h + 1) * (1 + v.inharmonic * static_cast<double>(h));
            if (f * k > 18000) break;
            phase[h] += f * k / kRate;
            phase[h] -= std::floor(phase[h]);
            s += level[h] * SineCycle(phase[h]);
            level[h] *= fall[h];
        }
        double e = time < v.attack ? time / v.attack : 1.0;
        e *= decay;
        decay *= decayStep;
        if (time > length) e *= std::max(0.0, 1.0 - (time - length) / v.release);
        s *= gain * e;
        t.Add(first + i, s * gl, s * gr);
    }
}

}  // namespace

void Note(Track& t, double start, double length, double midi, const Voice& v, double gain, double pan) {
    const double f = MidiHz(midi);
    Tone(t, start, length, [f](double) { return f; }, v, gain, pan);
}

void Sweep(Track& t, double start, double length, double f0, double f1, const Voice& v, double gain, double pan) {
    Tone(t, start, length,
         [=](double time) { return f0 * std::pow(f1 / f0, std::min(1.0, time / length)); }, v, gain, pan);
}

void Noise(Track& t, double start, double length, double cutoff, bool high, double attack, double decay,
           double gain, double pan, uint32_t seed) {
    double gl, gr;
    PanGains(pan, &gl, &gr);
    Lcg rng{seed};
    const double a = 1 - std::exp(-2 * kPi * cutoff / kRate);
    double low = 0;
    const int64_t first = static_cast<int64_t>(std::llround(start * kRate));
    const int64_t n = static_cast<int64_t>(length * kRate);
    for (int64_t i = 0; i < n; ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double x = rng.Next();
        low += a * (x - low);
        double s = high ? x - low : low;
        double e = time < attack ? time / attack : std::exp(-decay * (time - attack));
        e *= std::min(1.0, (length - time) / 0.005);  // no click at the cut
        s *= gain * e;
        t.Add(first + i, s * gl, s * gr);
    }
}

void Kick(Track& t, double start, double gain) {
    Voice v;
    v.attack = 0.002;
    v.decay = 9;
    v.release = 0.04;
    v.harmonics = {1.0, 0.12};
    Sweep(t, start, 0.22, 110, 42, v, gain, 0);
}

void Snare(Track& t, double start, double gain, uint32_t seed) {
    Voice body;
    body.attack = 0.001;
    body.decay = 25;
    body.release = 0.03;
    Sweep(t, start, 0.12, 230, 170, body, gain * 0.5, 0.05);
    Noise(t, start, 0.18, 5000, false, 0.001, 22, gain, 0.05, seed);
}

void Hat(Track& t, double start, double gain, double pan, uint32_t seed) {
    Noise(t, start, 0.06, 7000, true, 0.0005, 70, gain, pan, seed);
}

void Echo(Track& t, double delay, double feedback, double mix) {
    const size_t d = static_cast<size_t>(delay * kRate);
    const size_t n = t.Size();
    std::vector<float> dl(d, 0.0f), dr(d, 0.0f);  // the echo lines, one per side
    std::vector<float> outL(n), outR(n);
    // A loop is run twice and the second run kept: its echoes are those of the loop playing on.
    const int runs = t.wrap ? 2 : 1;
    size_t p = 0;
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < n; ++i) {
            const float el = dl[p], er = dr[p];
            // Ping-pong: each side's echo feeds the other.
            dl[p] = static_cast<float>(t.r[i] * 0.5 + er * feedback);
            dr[p] = static_cast<float>(t.l[i] * 0.5 + el * feedback);
            p = (p + 1) % d;
            outL[i] = static_cast<float>(t.l[i] + mix * el);
            outR[i] = static_cast<float>(t.r[i] + mix * er);
        }
    }
    t.l = std::move(outL);
    t.r = std::move(outR);
}

}  // namespace soundgen
