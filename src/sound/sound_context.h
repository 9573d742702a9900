// What every slot and the music share: the sound device (absent without a sound
// card or in headless runs), the switch for event sounds, the initialisation-
// complete flag of start-up, and where a file that does not load is reported.
#pragma once

#include <functional>
#include <string>

namespace zembrol {

class AudioDevice;
struct Settings;

struct SoundContext {
    AudioDevice* device = nullptr;     // null: every sound call does nothing
    const Settings* settings = nullptr;  // EnableSoundControl false silences every slot, forced or not
    bool initializationComplete = false;
    // One line for the start-up log about a file that did not load.
    std::function<void(const std::string&)> log;
};

}  // namespace zembrol
