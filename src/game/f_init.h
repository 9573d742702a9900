// f_Init: starts a game — a fresh one, or the next game of a three-game series that
// keeps the score — and InitGlobals' game part (the level titles, once).
//
// The one-time initialisation of the application (configuration, resources) runs
// between the two halves of the first start: the application calls f_InitStart,
// its own InitGlobals, InitGameGlobals and f_InitFinish. Every later start (a new
// game, the next game after a game over) is f_Init.
#pragma once

#include "game/game.h"

namespace zembrol {

// The level titles, index = level; 11 and 12 are never reached.
extern const std::array<const char*, 13> kLevelNames;

// The rules' part of the one-time initialisation: the level titles. Only the first call works.
void InitGameGlobals(Game& g);
// The steps before the one-time initialisation. False when the application is
// exiting (g_Exiting): the start only logs, and nothing more may happen.
bool f_InitStart(Game& g);
// The steps after it: the game itself.
void f_InitFinish(Game& g);
// A whole start once the application is initialised.
void f_Init(Game& g);
// A three-game series is under way.
bool g_SeriesOn(const Game& g);
bool g_SeriesOn(const GameState& s, const GameSettings& cfg);

}  // namespace zembrol
