// Sound files as the game reads them: every sample format becomes the 16-bit samples
// it means, damaged headers read what the file holds, files that hold no sound are
// refused with a reason, and a long file is read piece by piece where it lies.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/sound_file.h"
#include "sound_bytes.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::Bytes16;
using zembrol::testing::BytesFloat;
using zembrol::testing::Encoded;
using zembrol::testing::FlacClaiming;
using zembrol::testing::Wave;

namespace {

// A run of different values on every frame and side.
std::vector<int16_t> Ramp(size_t samples) {
    std::vector<int16_t> s(samples);
    for (size_t i = 0; i < samples; ++i) s[i] = static_cast<int16_t>(static_cast<int>((i * 7) % 20011) - 10000);
    return s;
}

}  // namespace

TEST(SoundFile, EverySampleFormatBecomesThe16BitSamplesItMeans) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<int16_t> ramp = Ramp(2 * 3000);
    struct Case { const char* name; std::string bytes; int channels; std::vector<int16_t> samples; };
    const Case cases[] = {
        {"8-bit, unsigned", Wave(1, 1, 8000, 8, {0, 128, 255}), 1, {-32768, 0, 32512}},
        {"16-bit stereo, left before right", Wave(1, 2, 8000, 16, Bytes16({100, -200, 300, -400})), 2,
         {100, -200, 300, -400}},
        {"24-bit: the top 16 bits", Wave(1, 1, 8000, 24, {0x00, 0x10, 0x20, 0xff, 0xff, 0x7f, 0x00, 0x00, 0x80}), 1,
         {0x2010, 32767, -32768}},
        {"float: scaled, clipped, NaN silent", Wave(3, 1, 8000, 32, BytesFloat({0.5f, -1.0f, 3.0f, -3.0f, nan})), 1,
         {16384, -32768, 32767, -32768, 0}},
        {"three channels: the first two", Wave(1, 3, 8000, 16, Bytes16({1, 2, 3, 4, 5, 6})), 2, {1, 2, 4, 5}},
        {"FLAC", Encoded(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, 8000, ramp), 2, ramp},
    };
    for (const Case& c : cases) {
        platform::Pcm pcm;
        std::string error;
        ASSERT_TRUE(platform::ReadSoundBytes(c.bytes, &pcm, &error)) << c.name << ": " << error;
        EXPECT_EQ(pcm.channels, c.channels) << c.name;
        EXPECT_EQ(pcm.rate, 8000u) << c.name;
        EXPECT_EQ(pcm.samples, c.samples) << c.name;
    }
}

// The lossy codecs give back about what went in: the same length, rate and loudness.
TEST(SoundFile, LossyFormatsKeepLengthRateAndLoudness) {
    std::vector<int16_t> tone(22050);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = static_cast<int16_t>(16000 * std::sin(2 * M_PI * 440 * i / 22050.0));
    for (const int format : {SF_FORMAT_OGG | SF_FORMAT_VORBIS, SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM,
                             SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM}) {
        platform::Pcm pcm;
        std::string error;
        ASSERT_TRUE(platform::ReadSoundBytes(Encoded(format, 1, 22050, tone), &pcm, &error)) << format << ": " << error;
        EXPECT_EQ(pcm.rate, 22050u) << format;
        // ADPCM fills its last block with silence.
        EXPECT_GE(pcm.samples.size(), tone.size()) << format;
        EXPECT_LE(pcm.samples.size(), tone.size() + 2048) << format;
        int peak = 0;
        for (int16_t s : pcm.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_NEAR(peak, 16000, 1600) << format;
    }
}

// A chunk length that reaches past the end of the file (a file cut short, or a damaged
// header) reads the samples that are there, without reserving the claimed gigabytes;
// a partial frame at the end is left out.
TEST(SoundFile, LengthsPastTheEndReadWhatIsThere) {
    const std::string whole = Wave(1, 1, 11025, 16, std::vector<uint8_t>(64, 9));
    std::string damaged = whole;
    for (size_t at : {size_t{4}, size_t{40}}) std::memcpy(&damaged[at], "\x40\xff\xff\xff", 4);
    struct Case { const char* name; std::string bytes; size_t samples; };
    for (const Case& c : {Case{"whole", whole, 32}, Case{"lengths past the end", damaged, 32},
                          Case{"cut short", whole.substr(0, whole.size() - 20), 22},
                          Case{"a stereo frame and a half", Wave(1, 2, 11025, 16, {1, 2, 3, 4, 5, 6}), 2}}) {
        platform::Pcm pcm;
        std::string error;
        ASSERT_TRUE(platform::ReadSoundBytes(c.bytes, &pcm, &error)) << c.name << ": " << error;
        EXPECT_EQ(pcm.samples.size(), c.samples) << c.name;
        EXPECT_EQ(pcm.rate, 11025u) << c.name;
    }
}

TEST(SoundFile, FilesWithoutAPlayableSoundAreRefusedWithTheReason) {
    std::string noRiff = Wave(1, 1, 11025, 16, std::vector<uint8_t>(64, 9)).substr(8);
    struct Case { const char* name; std::string bytes; const char* reason; };
    const Case cases[] = {
        {"text", "this is not a wave file at all, only text", "not a sound file that can be read"},
        {"no RIFF header", noRiff, "not a sound file that can be read"},
        {"no samples", Wave(1, 1, 22050, 16, {}), "the file holds no sound"},
        {"half a frame", Wave(1, 1, 22050, 16, {5}), "the file holds no sound"},
        {"nine channels", Wave(1, 9, 8000, 16, std::vector<uint8_t>(18, 0)), "9 channels; at most 8"},
        {"a rate above the limit", Wave(1, 1, 500000, 16, {1, 2}), "rate of 500000 Hz"},
        {"nine seconds", Wave(1, 1, 8000, 8, std::vector<uint8_t>(9 * 8000, 1)), "read as it plays"},
    };
    for (const Case& c : cases) {
        platform::Pcm pcm;
        std::string error;
        EXPECT_FALSE(platform::ReadSoundBytes(c.bytes, &pcm, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
}

// The music is read where it lies, a piece at a time, in any format; the header's
// frame count is only its word.
TEST(SoundFile, LongSoundsAreReadPieceByPieceFromTheirFile) {
    zembrol::testing::TempDir dir;
    const std::string stereo = Wave(1, 2, 44100, 16, std::vector<uint8_t>(400, 7));
    std::string listed = stereo;   // a LIST chunk before the samples
    listed.insert(36, std::string("LIST\x03\0\0\0abc\0", 12));
    std::string pastTheEnd = stereo;
    std::memcpy(&pastTheEnd[40], "\x40\xff\xff\xff", 4);
    const std::string flac = Encoded(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, 8000, Ramp(2 * 5000));
    struct Case { const char* name; std::string bytes; size_t frames; int channels; };   // frames 0: refused
    const Case cases[] = {
        {"16-bit stereo", stereo, 100, 2},
        {"16-bit mono", Wave(1, 1, 8000, 16, std::vector<uint8_t>(300, 1)), 150, 1},
        {"a chunk before the samples", listed, 100, 2},
        {"a data length past the end", pastTheEnd, 100, 2},
        {"cut short", stereo.substr(0, stereo.size() - 40), 90, 2},
        {"8-bit", Wave(1, 1, 8000, 8, std::vector<uint8_t>(300, 1)), 300, 1},
        {"float", Wave(3, 1, 8000, 32, std::vector<uint8_t>(400, 0)), 100, 1},
        {"three channels", Wave(1, 3, 8000, 16, std::vector<uint8_t>(600, 0)), 100, 2},
        {"FLAC", flac, 5000, 2},
        {"no samples chunk", stereo.substr(0, 36), 0, 0},
        {"not a wave file", "this is not a wave file at all, only text", 0, 0},
    };
    for (const Case& c : cases) {
        dir.Write("f.snd", c.bytes);
        std::string error;
        const auto file = platform::SoundFile::Open(dir / "f.snd", &error);
        EXPECT_EQ(file ? file->Frames() : 0, c.frames) << c.name << ": " << error;
        if (file) {
            EXPECT_EQ(file->Channels(), c.channels) << c.name;
        }
    }

    // Pieces anywhere, in any order; fewer frames where the sound ends.
    dir.Write("f.wav", Wave(1, 1, 8000, 16, Bytes16({1, 2, -1})));
    std::string error;
    const auto file = platform::SoundFile::Open(dir / "f.wav", &error);
    ASSERT_TRUE(file) << error;
    int16_t piece[4] = {0, 0, 0, 0};
    EXPECT_EQ(file->Read(1, 4, piece), 2u);
    EXPECT_EQ(std::vector<int16_t>(piece, piece + 2), (std::vector<int16_t>{2, -1}));
    EXPECT_EQ(file->Read(0, 1, piece), 1u);
    EXPECT_EQ(piece[0], 1);
    EXPECT_EQ(file->Read(3, 1, piece), 0u);

    // A header that claims twice the frames the file holds: reading finds the end.
    dir.Write("claims.flac", FlacClaiming(flac, 10000));
    const auto claims = platform::SoundFile::Open(dir / "claims.flac", &error);
    ASSERT_TRUE(claims) << error;
    EXPECT_EQ(claims->Frames(), 10000u);
    std::vector<int16_t> all(2 * 10000);
    EXPECT_EQ(claims->Read(0, 10000, all.data()), 5000u);
    all.resize(2 * 5000);
    EXPECT_EQ(all, Ramp(2 * 5000));
}
