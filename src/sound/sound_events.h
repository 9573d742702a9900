// SoundEvents: the sound events of the rules — the ten event slots, the music's start
// and its pan sweep — in one place. Plain C++: what a slot or the music does with a
// device lives behind the sound device, so tests and headless runs use it as it is.
#pragma once

#include <array>
#include <cstdint>

#include "game/game_events.h"

namespace zembrol {

struct Settings;

class SoundEvents {
public:
    explicit SoundEvents(const Settings& settings) : settings_(settings) {}

    // The sound events; false for an event that is not the sound's.
    bool OnGameEvent(const GameEvent& e);

    // Plays asked of each slot so far, by SoundSlot.
    const std::array<int32_t, kSoundSlotCount>& Played() const { return played_; }
    int32_t MusicStarts() const { return musicStarts_; }
    // The music's pan (-5000 .. 5000, passing a bound by up to one step) and its direction.
    int32_t Pan() const { return pan_; }
    int32_t PanDirection() const { return panDirection_; }

private:
    const Settings& settings_;
    std::array<int32_t, kSoundSlotCount> played_{};
    int32_t musicStarts_ = 0;
    int32_t pan_ = 0;
    int32_t panDirection_ = 1;
};

}  // namespace zembrol
