// Moves: the fall test, the sideways test shared by keyboard, mouse and demo, the
// move, rotate and drop commands with the wall push, the ghost, and the game-over test.
#pragma once

#include "game/game.h"

namespace zembrol {

// May the figure fall one row? An empty figure stops at the floor row.
bool CanMoveDown(const GameState& s);
// May the figure's box stand at column t of its row, and travel there from g_FigX
// without any cell passing through a filled field cell?
bool EnableMoveLRForMouse(const GameState& s, int32_t t);
// direction 0 = left, 2 = right.
void CmdMove(Game& g, int direction);
void CmdRotate(Game& g);
// Turns the figure's box about its centre (bCW decides the sense), then the wall and floor push.
void RotateQ(Game& g);
// Shifts g_FigX until every cell of cells lies between the walls.
void PushFromWalls(GameState& s, const CellBox& cells);
// Raises g_FigY until no cell of cells lies below the floor row.
void PushAboveFloor(GameState& s, const CellBox& cells);
// Starts a drop, or cancels the running one and re-arms it.
void CmdDrop(Game& g);
// Lowest row the figure could fall to in its column, into m_FantomX / m_FantomY.
void CalcFantom(GameState& s);
// The figure overlaps the field; on true the score is stored as this level's score.
bool GameOver(Game& g);

// Stores the score as the level score of the current game type and level (types 1..3).
void StoreLevelScore(Game& g);

}  // namespace zembrol
