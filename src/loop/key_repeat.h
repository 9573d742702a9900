// The game's own repeat of a held Left/Right (an option; off, the system's key repeat
// moves the figure). Time is counted in loop passes, never read from a clock, so a
// replay of the same key-down and key-up at the same passes repeats at the same passes.
#pragma once

#include <cstdint>

namespace zembrol {

inline constexpr int32_t kRepeatToWall = 20;
// What the Keys tab offers and a configuration may hold, in ms.
inline constexpr int16_t kRepeatDelayMax = 1000;
inline constexpr int16_t kRepeatRateMax = 500;   // a rate of 0: every due move at once (more than the field is wide)

struct KeyRepeat {
    int direction = -1;     // the held key: 0 Left, 2 Right; -1 none
    int32_t heldMs = 0;     // time held, g_TickMs per pass
    int32_t fired = 0;      // repeat moves made since the key went down
};

// Repeat moves due after a key was held heldMs: none before the delay, one at the
// delay and one more every rate ms after it.
inline int32_t RepeatsDue(int32_t heldMs, int32_t delayMs, int32_t rateMs) {
    if (heldMs < delayMs) return 0;
    if (rateMs <= 0) return kRepeatToWall;
    return 1 + (heldMs - delayMs) / rateMs;
}

}  // namespace zembrol
