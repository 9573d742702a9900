// Landing: the ordered sequence that runs when the figure cannot fall — writing it
// into the field, removing full rows with level advances, every award, the counters
// and labels, the spawn of the next figure and the game-over test that ends it.
#pragma once

#include "game/game.h"

namespace zembrol {

// Points for 1..4 rows removed by one landing.
int32_t RowPoints(int rows);
// The whole landing. Returns the GameOver result for the new figure.
bool Landing(Game& g);
// Writes the current figure into the field in one fresh random colour and re-arms the drop.
void Update_Array_Pole(Game& g);
// Removes every full row bottom-up, advancing the level as rows count; returns the number removed.
int32_t RemoveFullRows(Game& g);
// One level up: level score, banner and flight, caption colours, label, fall delay.
void AdvanceLevel(Game& g);

}  // namespace zembrol
