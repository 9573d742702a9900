// The sound device of the game: OpenAL's default output. Each buffer plays as two
// sources sent straight to the left and the right speaker, so volume and pan
// work on the two channels exactly as the game's decibel scale says. Its buffers
// come from sound files read by platform/sound_file.
#pragma once

#include <memory>
#include <string>

#include "sound/audio_device.h"

namespace zembrol::platform {

enum class AudioOpen { Opened, NoDevice, Failed };

// Opens the default output device. NoDevice: there is none (no sound card, no
// server); Failed: a device exists but could not be set up. `error` says why.
AudioOpen OpenAudioDevice(std::unique_ptr<AudioDevice>* device, std::string* error);

}  // namespace zembrol::platform
