// The OpenAL device on its silent driver: wave files in the formats the game reads
// become buffers at their own rate; a missing or damaged file is refused with a reason.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "hang_guard.h"
#include "platform/openal_device.h"
#include "platform/openal_sides.h"
#include "temp_dir.h"

using namespace zembrol;

namespace {

// A wave file: `format` 1 (integer PCM) or 3 (float), samples given as raw bytes.
std::string Wave(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, const std::vector<uint8_t>& data) {
    std::string w;
    auto u16 = [&](uint16_t v) { w += static_cast<char>(v & 0xff); w += static_cast<char>(v >> 8); };
    auto u32 = [&](uint32_t v) { u16(static_cast<uint16_t>(v & 0xffff)); u16(static_cast<uint16_t>(v >> 16)); };
    w += "RIFF";
    u32(static_cast<uint32_t>(36 + data.size()));
    w += "WAVEfmt ";
    u32(16);
    u16(format);
    u16(channels);
    u32(rate);
    u32(rate * channels * bits / 8);
    u16(static_cast<uint16_t>(channels * bits / 8));
    u16(bits);
    w += "data";
    u32(static_cast<uint32_t>(data.size()));
    w.append(data.begin(), data.end());
    return w;
}

std::unique_ptr<AudioDevice> SilentDevice() {
    setenv("ALSOFT_DRIVERS", "null", 1);
    std::unique_ptr<AudioDevice> device;
    std::string error;
    EXPECT_EQ(platform::OpenAudioDevice(&device, &error), platform::AudioOpen::Opened) << error;
    return device;
}

}  // namespace

TEST(OpenAlDevice, ReadsTheWaveFormatsAtTheirOwnRate) {
    zembrol::testing::TempDir dir;
    std::vector<uint8_t> floats(400 * 4);
    const float half = 0.5f;
    for (size_t i = 0; i < 400; ++i) std::memcpy(&floats[i * 4], &half, 4);
    struct Case { const char* file; std::string bytes; uint32_t rate; };
    const Case cases[] = {
        {"u8_mono.wav", Wave(1, 1, 11025, 8, std::vector<uint8_t>(300, 200)), 11025},
        {"s16_stereo.wav", Wave(1, 2, 22050, 16, std::vector<uint8_t>(800, 7)), 22050},
        {"float_mono.wav", Wave(3, 1, 48000, 32, floats), 48000},
        // Nine seconds: handed to OpenAL piece by piece, from the file and from decoded samples.
        {"s16_long.wav", Wave(1, 2, 44100, 16, std::vector<uint8_t>(9 * 44100 * 4, 7)), 44100},
        {"u8_long.wav", Wave(1, 1, 22050, 8, std::vector<uint8_t>(9 * 22050, 100)), 22050},
    };
    auto device = SilentDevice();
    ASSERT_TRUE(device);
    for (const Case& c : cases) {
        dir.Write(c.file, c.bytes);
        std::string error;
        auto buffer = device->CreateBuffer(dir / c.file, &error);
        ASSERT_TRUE(buffer) << c.file << ": " << error;
        EXPECT_EQ(buffer->GetFrequency(), c.rate) << c.file;
        buffer->SetFrequency(30000);
        EXPECT_EQ(buffer->GetFrequency(), 30000u) << c.file;
        buffer->SetFrequency(0);  // back to the file's own rate
        EXPECT_EQ(buffer->GetFrequency(), c.rate) << c.file;
        // The controls a slot and the music use, in the order they use them.
        buffer->SetVolume(-600);
        buffer->SetPan(5000);
        buffer->SetCurrentPosition(0);
        buffer->Play(true);
        buffer->SetCurrentPosition(0);
        buffer->Stop();
        buffer->Play(false);
    }
}

// The music and the event sounds are files the player chooses: a FIFO (nobody writing)
// must not hold the game, and a device must not be read without end.
TEST(OpenAlDevice, SpecialFilesAreRefusedAtOnceWithTheirReason) {
    zembrol::testing::HangGuard guard;
    zembrol::testing::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "music.wav").c_str(), 0600), 0);
    EXPECT_FALSE(platform::WaveFileSource(dir / "music.wav"));
    EXPECT_FALSE(platform::WaveFileSource("/dev/zero"));
    auto device = SilentDevice();
    ASSERT_TRUE(device);
    for (const std::string path : {dir / "music.wav", std::string("/dev/zero")}) {
        std::string error;
        EXPECT_FALSE(device->CreateBuffer(path, &error)) << path;
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << path << ": " << error;
    }
}

TEST(OpenAlDevice, RefusesMissingAndDamagedFilesWithAReason) {
    zembrol::testing::TempDir dir;
    dir.Write("noise.wav", "this is not a wave file at all, only text");
    dir.Write("empty.wav", Wave(1, 1, 22050, 16, {}));
    dir.Write("half_a_frame.wav", Wave(1, 1, 22050, 16, {5}));
    auto device = SilentDevice();
    ASSERT_TRUE(device);
    for (const char* file : {"missing.wav", "noise.wav", "empty.wav", "half_a_frame.wav"}) {
        std::string error;
        EXPECT_FALSE(device->CreateBuffer(dir / file, &error)) << file;
        EXPECT_FALSE(error.empty()) << file;
    }
}

// A chunk length that reaches past the end of the file (a file cut short, or a damaged
// header) reads the samples that are there, without reserving the claimed gigabytes.
TEST(OpenAlDevice, ChunkLengthsPastTheEndReadWhatIsThere) {
    const std::string whole = Wave(1, 1, 11025, 16, std::vector<uint8_t>(64, 9));
    std::string damaged = whole;
    for (size_t at : {size_t{4}, size_t{40}}) std::memcpy(&damaged[at], "\x40\xff\xff\xff", 4);
    struct Case { const char* name; std::string bytes; size_t samples; };
    for (const Case& c : {Case{"whole", whole, 32}, Case{"lengths past the end", damaged, 32},
                          Case{"cut short", whole.substr(0, whole.size() - 20), 22},
                          Case{"no RIFF header", damaged.substr(8), 32}}) {
        platform::Pcm pcm;
        std::string error;
        ASSERT_TRUE(platform::ReadWaveBytes(c.bytes, &pcm, &error)) << c.name << ": " << error;
        EXPECT_EQ(pcm.samples.size(), c.samples) << c.name;
        EXPECT_EQ(pcm.rate, 11025u) << c.name;
    }
}

// Long files of plain 16-bit samples are read where they lie; everything else is
// left to the decoder (which reads the other formats and refuses damaged files).
TEST(OpenAlDevice, ReadsOnlyPlain16BitWaveFilesInPlace) {
    zembrol::testing::TempDir dir;
    const std::string stereo = Wave(1, 2, 44100, 16, std::vector<uint8_t>(400, 7));
    std::string listed = stereo;   // a LIST chunk before the samples
    listed.insert(36, std::string("LIST\x03\0\0\0abc\0", 12));
    std::string pastTheEnd = stereo;
    std::memcpy(&pastTheEnd[40], "\x40\xff\xff\xff", 4);
    struct Case { const char* name; std::string bytes; size_t frames; };   // frames 0: refused
    const Case cases[] = {
        {"16-bit stereo", stereo, 100},
        {"16-bit mono", Wave(1, 1, 8000, 16, std::vector<uint8_t>(300, 1)), 150},
        {"a chunk before the samples", listed, 100},
        {"a data length past the end", pastTheEnd, 100},
        {"cut short", stereo.substr(0, stereo.size() - 40), 90},
        {"8-bit", Wave(1, 1, 8000, 8, std::vector<uint8_t>(300, 1)), 0},
        {"float", Wave(3, 1, 8000, 32, std::vector<uint8_t>(400, 0)), 0},
        {"three channels", Wave(1, 3, 8000, 16, std::vector<uint8_t>(600, 0)), 0},
        {"no samples chunk", stereo.substr(0, 36), 0},
        {"not a wave file", "this is not a wave file at all, only text", 0},
    };
    for (const Case& c : cases) {
        dir.Write("f.wav", c.bytes);
        const auto source = platform::WaveFileSource(dir / "f.wav");
        EXPECT_EQ(source ? source->Frames() : 0, c.frames) << c.name;
    }
    EXPECT_FALSE(platform::WaveFileSource(dir / "missing.wav"));
    // The samples, and silence past the end.
    dir.Write("f.wav", Wave(1, 1, 8000, 16, {1, 0, 2, 0, 0xff, 0xff}));
    const auto source = platform::WaveFileSource(dir / "f.wav");
    ASSERT_TRUE(source);
    platform::Pcm piece;
    source->Read(1, 4, &piece);
    EXPECT_EQ(piece.samples, (std::vector<int16_t>{2, -1, 0, 0}));
}
