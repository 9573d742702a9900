// EndOfGame: what follows a game over. For now only its last step — the next game;
// the result windows and record files hook in before it.
#pragma once

#include "game/game.h"

namespace zembrol {

// Starts the next game (the next one of a series, or a fresh one). False when it
// could not start: the loop ends.
bool EndOfGame(Game& g);

}  // namespace zembrol
