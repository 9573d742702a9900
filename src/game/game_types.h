// Game types, speeds and variants: their captions and the pass interval of a speed.
#pragma once

#include <string>

#include "game/game.h"

namespace zembrol {

// Kind 1: the game type ("Zembrol", "Classic", "Sequence"), 2: the speed ("Slow",
// "Middle", "Fast"), 3: the variant ("Trial" or "Simple"). A type or speed out of
// range gives "", any other kind an error report and "".
std::string gg_GetCaptionForGame(Game& g, int16_t kind);
// g_TickMs from g_Speed; a speed outside 0..2 leaves it as it is.
void g_SetTickMs(GameSettings& cfg);

}  // namespace zembrol
