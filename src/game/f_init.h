// f_Init: starts a game — a fresh one, or the next game of a three-game series that
// keeps the score — and InitGlobals' game part (the level titles, once).
#pragma once

#include "game/game.h"

namespace zembrol {

// The level titles, index = level; 11 and 12 are never reached.
extern const std::array<const char*, 13> kLevelNames;

// One-time initialisation: the app's part through GameEvents::InitGlobals, then
// LevelName. Only the first successful call does work.
bool InitGlobals(Game& g);
// Starts a game. False only when InitGlobals fails: the caller stops the loop and
// exits the application. With g_Exiting set it only logs and returns true.
bool f_Init(Game& g);
// A three-game series is under way.
bool g_SeriesOn(const Game& g);

}  // namespace zembrol
