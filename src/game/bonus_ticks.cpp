// Bonus ticks: placeholders that keep the tick's order of steps in place.
#include "game/bonus_ticks.h"

namespace zembrol {

void ColorBonusTick(Game&) {}

void MiracleTick(Game&) {}

}  // namespace zembrol
