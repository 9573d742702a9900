// Per-tick steps of the colour bonus and the Miracle meter. The tick calls them at
// their places; their rules arrive with the bonus rules and are empty until then.
#pragma once

#include "game/game.h"

namespace zembrol {

// Start, run, pay and end the colour bonus (the tick calls it while EnableSvet is set).
void ColorBonusTick(Game& g);
// Grow the Miracle meter and change the next figure when it fires (while bEnableMiracle is set).
void MiracleTick(Game& g);

}  // namespace zembrol
