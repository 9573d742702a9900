// The record of a finished game (g_GameRec) and its result text with check value, as
// sent by mail.
#pragma once

#include <string>
#include <string_view>

#include "game/game.h"
#include "stats/stat_rec.h"

namespace zembrol {

// Fills the record from the game's values; 16-bit fields are pinned to their range.
// date is the system date "dd.mm.yyyy"; it is stored as "dd.mm.yy".
StatRec g_MakeGameRecord(const GameState& s, const std::string& playerName, int place, std::string_view date);

// (sum over k of (code of character k) xor k) xor length, k from 1. A character's code
// is its Windows-1251 byte, the byte the statistics file stores it as ('?' for a
// character the code page cannot hold).
int32_t g_ResultCheck(std::string_view text);
// "16" + the values each followed by ",", then the check value.
std::string g_ResultText(const StatRec& rec, const GameSettings& cfg);

}  // namespace zembrol
