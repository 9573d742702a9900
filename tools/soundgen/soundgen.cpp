// soundgen makes the game's sound set into a folder (run as "soundgen OUTPUT_FOLDER"):
// the ten event sounds and the two music loops, as 16-bit wave files at 44.1 kHz.
// Every file is finished the same way: no DC, peaks below -1 dBFS, and the event
// sounds brought to one loudness so none stands out.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "soundgen/sounds.h"

using namespace soundgen;

namespace {

constexpr double kPeakLimit = 0.84;      // -1.5 dBFS
constexpr double kEventRms = 0.14;       // about -17 dBFS

void Put16(std::ofstream& out, int v) {
    out.put(static_cast<char>(v & 0xff));
    out.put(static_cast<char>((v >> 8) & 0xff));
}
void Put32(std::ofstream& out, uint32_t v) {
    Put16(out, static_cast<int>(v & 0xffff));
    Put16(out, static_cast<int>(v >> 16));
}

bool WriteWave(const std::string& path, const Track& t, int channels) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t frames = static_cast<uint32_t>(t.Size());
    const uint32_t bytes = frames * 2u * static_cast<uint32_t>(channels);
    out.write("RIFF", 4);
    Put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, channels);
    Put32(out, kRate);
    Put32(out, kRate * 2u * static_cast<uint32_t>(channels));
    Put16(out, 2 * channels);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, bytes);
    auto sample = [](float v) { return static_cast<int>(std::lround(std::clamp(v * 32767.0, -32767.0, 32767.0))); };
    for (size_t i = 0; i < t.Size(); ++i) {
        Put16(out, sample(t.l[i]));
        if (channels == 2) Put16(out, sample(t.r[i]));
    }
    return static_cast<bool>(out);
}

// Removes DC with a gentle high-pass; a loop is filtered as it sounds when looped.
void RemoveDc(std::vector<float>& x, bool loop) {
    const double a = std::exp(-2 * kPi * 15.0 / kRate);
    double prevIn = 0, prevOut = 0;
    std::vector<float> out(x.size());
    for (int run = 0; run < (loop ? 2 : 1); ++run)
        for (size_t i = 0; i < x.size(); ++i) {
            prevOut = x[i] - prevIn + a * prevOut;
            prevIn = x[i];
            out[i] = static_cast<float>(prevOut);
        }
    // What is left of the mean (the filter's start) goes too.
    double mean = 0;
    for (float v : out) mean += v;
    mean /= static_cast<double>(out.size());
    for (float& v : out) v = static_cast<float>(v - mean);
    x = std::move(out);
}

double Peak(const Track& t) {
    double p = 0;
    for (size_t i = 0; i < t.Size(); ++i) p = std::max({p, std::fabs(double(t.l[i])), std::fabs(double(t.r[i]))});
    return p;
}

void Scale(Track& t, double g) {
    for (size_t i = 0; i < t.Size(); ++i) {
        t.l[i] = static_cast<float>(t.l[i] * g);
        t.r[i] = static_cast<float>(t.r[i] * g);
    }
}

// An event sound: mono, DC removed, faded in and out over a few milliseconds so it
// never clicks, at the common loudness unless its peak would pass the limit.
void FinishEvent(Track& t) {
    RemoveDc(t.l, false);
    const size_t n = t.Size();
    const size_t in = kRate * 2 / 1000, out = kRate * 8 / 1000;
    for (size_t i = 0; i < n; ++i) {
        double g = 1;
        if (i < in) g = static_cast<double>(i) / in;
        if (n - 1 - i < out) g = std::min(g, static_cast<double>(n - 1 - i) / out);
        t.l[i] = static_cast<float>(t.l[i] * g);
    }
    double sum = 0;
    for (float v : t.l) sum += double(v) * v;
    const double rms = std::sqrt(sum / static_cast<double>(n));
    t.r = t.l;
    double g = kEventRms / rms;
    g = std::min(g, kPeakLimit / Peak(t));
    Scale(t, g);
}

void FinishMusic(Track& t) {
    RemoveDc(t.l, true);
    RemoveDc(t.r, true);
    Scale(t, kPeakLimit / Peak(t));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;
    for (EventSound& s : MakeEventSounds()) {
        FinishEvent(s.track);
        ok = WriteWave(dir + "/" + s.file, s.track, 1) && ok;
    }
    Track music = MakeBackgroundMusic();
    FinishMusic(music);
    ok = WriteWave(dir + "/BkgMusic.wav", music, 2) && ok;
    Track stats = MakeStatisticsMusic();
    FinishMusic(stats);
    ok = WriteWave(dir + "/dstat.wav", stats, 2) && ok;
    if (!ok) std::fprintf(stderr, "soundgen: could not write the sound files into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
