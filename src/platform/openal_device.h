// The sound device of the game: OpenAL's default output. Each buffer plays as two
// sources sent straight to the left and the right speaker, so volume and pan
// work on the two channels exactly as the game's decibel scale says.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sound/audio_device.h"

namespace zembrol::platform {

enum class AudioOpen { Opened, NoDevice, Failed };

// Opens the default output device. NoDevice: there is none (no sound card, no
// server); Failed: a device exists but could not be set up. `error` says why.
AudioOpen OpenAudioDevice(std::unique_ptr<AudioDevice>* device, std::string* error);

// A wave file as 16-bit samples, one or two channels, at the file's rate.
struct Pcm {
    std::vector<int16_t> samples;  // interleaved
    int channels = 0;
    uint32_t rate = 0;
};
// Reads a wave file's bytes (8-, 16-, 24-bit, float, ADPCM); false with the reason
// for a damaged, empty or unknown file.
bool ReadWaveBytes(std::string_view bytes, Pcm* pcm, std::string* error);

}  // namespace zembrol::platform
