// The game tick: one pass of the main loop's game step — bonus ticks, time-bonus
// countdown, and the fall pacing with m_FallDelay, g_FallSpeed and m_DropWait.
#pragma once

#include "game/game.h"

namespace zembrol {

// Runs one tick. Returns true when the figure could not fall: the landing follows.
bool GameTick(Game& g);

}  // namespace zembrol
