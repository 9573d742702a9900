// RulesFixture: a game with a fixed seed and recording events, plus helpers that
// build the field and the figure from pictures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "game/figures.h"
#include "game/game.h"
#include "game/recording_events.h"

namespace zembrol::test {

class RulesFixture : public ::testing::Test {
protected:
    GameSettings cfg;
    Rng rng{1};
    RecordingEvents ev;
    GameState s;
    Game g{s, cfg, rng, ev};

    // A running game on an empty field, the figure at (x, y).
    void Running(std::string_view mask, int x = kSpawnCol, int y = 0) {
        s.g_Running = true;
        Figure(mask);
        s.g_FigX = x;
        s.g_FigY = y;
    }
    void Figure(std::string_view mask, int k = 0) { SetQueueEntry(s.g_Figs[k], FigureChoice{std::string(mask), 0, false}); }
    // Row r, columns 4..18, from 15 characters '0'/'1'.
    void Row(int r, std::string_view pattern) {
        for (int k = 0; k < kPlayWidth; ++k) s.g_Pole[kFirstCol + k][r] = pattern[k] == '1';
    }
    std::string RowText(int r) const {
        std::string t;
        for (int k = 0; k < kPlayWidth; ++k) t += s.g_Pole[kFirstCol + k][r] ? '1' : '0';
        return t;
    }
    std::string Mask() const { return CellsToMask(s.g_Figs[0].Cells); }
};

inline constexpr std::string_view kBar = "0000111100000000";      // vertical, box column 1
inline constexpr std::string_view kSquare = "0000011001100000";   // box columns 1..2, rows 1..2
inline constexpr std::string_view kDot = "1000000000000000";      // one cell at box (0, 0)

}  // namespace zembrol::test
