// Game: the handles every rule works with — the state, the player's settings, the
// one random generator and the event sink. Cheap to build; rules take it by reference.
#pragma once

#include <cmath>
#include <cstdint>

#include "game/game_events.h"
#include "game/game_settings.h"
#include "game/game_state.h"
#include "game/rng.h"

namespace zembrol {

struct Game {
    GameState& s;
    GameSettings& cfg;
    Rng& rng;
    GameEvents& ev;
};

// Round half to even, as every "round" of the rules (default rounding mode).
inline int32_t RoundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

}  // namespace zembrol
