// Game: the handles every rule works with — the state, the player's settings, the
// one random generator and the event sink. Cheap to build; rules take it by reference.
#pragma once

#include <cmath>
#include <cstdint>

#include "game/game_events.h"
#include "game/game_settings.h"
#include "game/game_state.h"
#include "game/rng.h"
#include "game/rounding.h"

namespace zembrol {

struct Game {
    GameState& s;
    GameSettings& cfg;
    Rng& rng;
    GameEvents& ev;

    void Raise(const GameEvent& event) { ev.OnGameEvent(event); }
};

}  // namespace zembrol
