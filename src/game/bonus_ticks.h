// Per-tick steps of the colour bonus and the Miracle meter; the tick calls them at
// their places in its order of steps.
#pragma once

#include "game/game.h"

namespace zembrol {

// Start, run, pay and end the colour bonus (the tick calls it while EnableSvet is set).
void ColorBonusTick(Game& g);
// Grow the Miracle meter and change the next figure when it fires (while bEnableMiracle is set).
void MiracleTick(Game& g);

}  // namespace zembrol
