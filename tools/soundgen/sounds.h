// The game's sound set: the ten event sounds (mono) and the two music loops (stereo).
#pragma once

#include <string>
#include <vector>

#include "soundgen/synth.h"

namespace soundgen {

struct EventSound {
    std::string file;  // "rot.wav", ...
    Track track;
};

std::vector<EventSound> MakeEventSounds();
// The game's background loop: A minor, 120 beats a minute, 24 bars (48 s).
Track MakeBackgroundMusic();
// The level statistics loop: C major, 90 beats a minute, 12 bars (32 s), no drums.
Track MakeStatisticsMusic();

}  // namespace soundgen
