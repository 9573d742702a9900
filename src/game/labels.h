// Label texts the rules keep up to date: the five bonus totals and the row-count labels.
#pragma once

#include <string>

#include "game/game_state.h"

namespace zembrol {

// Each bonus total as a decimal number, or "---" while it is 0.
void m_SetLblCaptions(GameState& s);
// "2-Lines*3 = 3600": rows n, how often, and the points of all of them.
std::string CountLinesCaption(int n, int32_t kinds, int32_t points);

}  // namespace zembrol
