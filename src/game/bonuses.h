// The player's bonus commands and the Miracle's figure change: Inversia (complement the
// falling figure for +-2500), taking back the last landed figure, and MiracleChange.
#pragma once

#include "game/game.h"

namespace zembrol {

inline constexpr int32_t kInversiaAmount = 2500;
inline constexpr int16_t kTakeBacksPerGame = 3;

// Flips one random cell of the next figure (queue entry 1); an empty one becomes the ring.
void MiracleChange(Game& g);
// The whole 4x4 box lies in columns 4..18 and covers no filled field cell (and the
// complement would keep its cells above the floor).
bool CanInvert(const GameState& s);
// Complements every cell of the falling figure's box and books the +-2500.
void Invert(Game& g);
// The Inversia command (Space, the demo): only while the game runs and CanInvert allows it.
void CmdInversia(Game& g);
// Removes the last landed figure from the field: three times a game, once per figure,
// never after a landing that removed rows. Works while paused too.
void TakeBackFigure(Game& g);

}  // namespace zembrol
