// A long sound handed to OpenAL piece by piece plays exactly its samples, across
// the pieces and across its loop, in step on both sides. OpenAL Soft's wave-file
// driver writes what it mixes; its configuration is read once per process, so this
// test has a program of its own.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/openal_device.h"
#include "sound_bytes.h"
#include "temp_dir.h"

using namespace zembrol;

namespace {

// 16-bit stereo at 44.1 kHz: a different value on every frame and side.
constexpr uint32_t kRate = 44100;
int16_t Left(size_t i) { return static_cast<int16_t>(static_cast<int>((i * 7) % 20011) - 10000); }
int16_t Right(size_t i) { return static_cast<int16_t>(10000 - static_cast<int>((i * 13) % 20021)); }

std::vector<int16_t> Samples(size_t frames) {
    std::vector<int16_t> s;
    for (size_t i = 0; i < frames; ++i) {
        s.push_back(Left(i));
        s.push_back(Right(i));
    }
    return s;
}

}  // namespace

TEST(OpenAlStream, PlaysEverySampleAcrossItsPiecesAndItsLoop) {
    zembrol::testing::TempDir dir;
    dir.Write("alsoft.conf", "[general]\nfrequency = 44100\nchannels = stereo\nsample-type = int16\n"
                             "dither = false\noutput-limiter = false\nhrtf = false\nresampler = point\n"
                             "[wave]\nfile = " + (dir / "out.wav") + "\n");
    setenv("ALSOFT_CONF", (dir / "alsoft.conf").c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    // Ten seconds: over the length that is handed over piece by piece.
    const size_t frames = 10 * kRate;
    const std::vector<int16_t> samples = Samples(frames);
    const std::string flac = zembrol::testing::Encoded(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, kRate, samples);
    dir.Write("long.wav", zembrol::testing::Wave(1, 2, kRate, 16, zembrol::testing::Bytes16(samples)));
    dir.Write("long.flac", flac);
    // A header that claims twice what the file holds: the loop comes round where the frames end.
    dir.Write("claims.flac", zembrol::testing::FlacClaiming(flac, 2 * frames));
    for (const char* file : {"long.wav", "long.flac", "claims.flac"}) {
        SCOPED_TRACE(file);
        {
            std::unique_ptr<AudioDevice> device;
            std::string error;
            ASSERT_EQ(platform::OpenAudioDevice(&device, &error), platform::AudioOpen::Opened) << error;
            auto sound = device->CreateBuffer(dir / file, &error);
            ASSERT_TRUE(sound) << error;
            // Four times the rate: the ten seconds pass in 2.5 s and the loop comes round.
            sound->SetFrequency(4 * kRate);
            sound->Play(true);
            std::this_thread::sleep_for(std::chrono::milliseconds(3300));
        }
        const std::string out = dir.Read("out.wav");
        // The samples follow the "data" chunk's header (the driver writes an extended format chunk).
        const size_t data = out.find("data");
        ASSERT_NE(data, std::string::npos);
        ASSERT_GT(out.size(), data + 8 + 4u * kRate);
        auto sample = [&](size_t frame, int side) {
            const size_t at = data + 8 + frame * 4 + static_cast<size_t>(side) * 2;
            return static_cast<int16_t>(static_cast<uint8_t>(out[at]) | (static_cast<uint8_t>(out[at + 1]) << 8));
        };
        const size_t written = (out.size() - data - 8) / 4;
        // Every fourth frame of the file, wrapping at its end, on both sides. Silence
        // (before the start, or a refill that came late on a busy machine, after which
        // both sides start again together) is passed over.
        size_t wrong = 0, checked = 0, k = 0;
        for (size_t f = 0; f < written; ++f) {
            if (sample(f, 0) == 0 && sample(f, 1) == 0) continue;
            while (Left((4 * k) % frames) == 0 && Right((4 * k) % frames) == 0) ++k;
            const size_t i = (4 * k) % frames;
            if ((sample(f, 0) != Left(i) || sample(f, 1) != Right(i)) && wrong++ == 0)
                ADD_FAILURE() << "first difference at output frame " << f << " (file frame " << i << ")";
            ++k;
            ++checked;
        }
        EXPECT_EQ(wrong, 0u);
        EXPECT_GT(4 * checked, frames) << "the loop was not reached (" << checked << " frames heard)";
    }
}
