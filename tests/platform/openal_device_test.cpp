// The OpenAL device on its silent driver: sound files in the formats the game reads
// become buffers at their own rate; a missing, damaged or special file is refused
// with a reason.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "hang_guard.h"
#include "platform/files.h"
#include "platform/openal_device.h"
#include "sound_bytes.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::Encoded;
using zembrol::testing::Wave;

namespace {

std::unique_ptr<AudioDevice> SilentDevice() {
    setenv("ALSOFT_DRIVERS", "null", 1);
    std::unique_ptr<AudioDevice> device;
    std::string error;
    EXPECT_EQ(platform::OpenAudioDevice(&device, &error), platform::AudioOpen::Opened) << error;
    return device;
}

}  // namespace

TEST(OpenAlDevice, ReadsTheSoundFormatsAtTheirOwnRate) {
    zembrol::testing::TempDir dir;
    std::vector<uint8_t> floats(400 * 4);
    const float half = 0.5f;
    for (size_t i = 0; i < 400; ++i) std::memcpy(&floats[i * 4], &half, 4);
    const std::vector<int16_t> tone(2 * 4000, 1000);
    struct Case { const char* file; std::string bytes; uint32_t rate; };
    const Case cases[] = {
        {"u8_mono.wav", Wave(1, 1, 11025, 8, std::vector<uint8_t>(300, 200)), 11025},
        {"s16_stereo.wav", Wave(1, 2, 22050, 16, std::vector<uint8_t>(800, 7)), 22050},
        {"s24_stereo.wav", Wave(1, 2, 32000, 24, std::vector<uint8_t>(1200, 7)), 32000},
        {"float_mono.wav", Wave(3, 1, 48000, 32, floats), 48000},
        {"adpcm.wav", Encoded(SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 2, 16000, tone), 16000},
        {"tone.flac", Encoded(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, 44100, tone), 44100},
        {"tone.ogg", Encoded(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2, 22050, tone), 22050},
        // Nine seconds: handed to OpenAL piece by piece, read from the file as it plays.
        {"s16_long.wav", Wave(1, 2, 44100, 16, std::vector<uint8_t>(9 * 44100 * 4, 7)), 44100},
        {"u8_long.wav", Wave(1, 1, 22050, 8, std::vector<uint8_t>(9 * 22050, 100)), 22050},
        {"long.flac", Encoded(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 8000, std::vector<int16_t>(9 * 8000, 500)), 8000},
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
// must not hold the game, a device must not be read without end, and a file past the
// size limit is not one of the game's sounds.
TEST(OpenAlDevice, SpecialAndHugeFilesAreRefusedAtOnceWithTheirReason) {
    zembrol::testing::HangGuard guard;
    zembrol::testing::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "music.wav").c_str(), 0600), 0);
    dir.Write("huge.wav", Wave(1, 1, 8000, 16, std::vector<uint8_t>(64, 1)));
    std::filesystem::resize_file(dir / "huge.wav", platform::kSoundFileLimit + 1);   // sparse: no disk used
    auto device = SilentDevice();
    ASSERT_TRUE(device);
    struct Case { std::string path; std::string reason; };
    for (const Case& c : {Case{dir / "music.wav", "not a regular file"}, Case{"/dev/zero", "not a regular file"},
                          Case{dir / "huge.wav", "larger than " + std::to_string(platform::kSoundFileLimit) + " bytes"},
                          Case{dir.Path(), "Is a directory"}}) {
        std::string error;
        EXPECT_FALSE(device->CreateBuffer(c.path, &error)) << c.path;
        EXPECT_NE(error.find("cannot read " + c.path + ": " + c.reason), std::string::npos) << c.path << ": " << error;
    }
}

// What the slot's log line says after "dmStay(): PATH - ".
TEST(OpenAlDevice, RefusesMissingAndDamagedFilesWithAReason) {
    zembrol::testing::TempDir dir;
    dir.Write("noise.wav", "this is not a wave file at all, only text");
    dir.Write("empty.wav", Wave(1, 1, 22050, 16, {}));
    dir.Write("half_a_frame.wav", Wave(1, 1, 22050, 16, {5}));
    auto device = SilentDevice();
    ASSERT_TRUE(device);
    struct Case { const char* file; const char* reason; };
    for (const Case& c : {Case{"missing.wav", "No such file or directory"},
                          Case{"noise.wav", "not a sound file that can be read: "},
                          Case{"empty.wav", "the file holds no sound"}, Case{"half_a_frame.wav", "the file holds no sound"}}) {
        std::string error;
        EXPECT_FALSE(device->CreateBuffer(dir / c.file, &error)) << c.file;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.file << ": " << error;
    }
}
