// Whatever the player does, no figure cell is ever stored in the margins of the field
// and the falling figure's cells stay between the walls: a long random game checks it.
#include <gtest/gtest.h>

#include <random>

#include "game/f_init.h"
#include "game/landing.h"
#include "game/moves.h"
#include "game/tick.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

class FieldInvariantTest : public RulesFixture {
protected:
    void ExpectMarginsEmpty() {
        for (int x = 0; x < kPoleCols; ++x)
            for (int y = 0; y < kPoleRows; ++y) {
                const bool margin = x < kFirstCol || x > s.RightCol() || y > s.FloorRow();
                if (margin) {
                    ASSERT_FALSE(s.g_Pole[x][y]) << "cell " << x << "," << y;
                }
            }
    }
    void ExpectFigureBetweenWalls() {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (s.g_Figs[0].Cells[i][j] == 1) {
                    ASSERT_GE(s.g_FigX + i, kFirstCol);
                    ASSERT_LE(s.g_FigX + i, s.RightCol());
                }
    }
};

TEST_F(FieldInvariantTest, RandomPlayNeverFillsTheMargins) {
    std::mt19937 player(99);
    cfg.gt_CurGameType = 1;
    f_Init(g);
    int landings = 0, games = 0;
    for (int step = 0; step < 300000 && games < 40; ++step) {
        switch (player() % 8) {
            case 0: CmdMove(g, 0); break;
            case 1: CmdMove(g, 2); break;
            case 2: cfg.bCW = player() % 2; CmdRotate(g); break;
            case 3: if (player() % 4 == 0) CmdDrop(g); break;
            case 4: {  // the mouse: a jump to any column the path allows
                const int col = 1 + static_cast<int>(player() % 21);
                if (EnableMoveLRForMouse(s, col)) {
                    s.m_MouseCol = static_cast<int16_t>(col);
                    if (!s.g_Dropping) s.g_FigX = col;
                }
                break;
            }
            default: break;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectFigureBetweenWalls()) << "step " << step;
        if (!GameTick(g)) continue;
        ++landings;
        const bool over = Landing(g);
        ASSERT_NO_FATAL_FAILURE(ExpectMarginsEmpty()) << "landing " << landings;
        if (over) {
            ++games;
            f_Init(g);
        }
    }
    EXPECT_GT(landings, 300);
    EXPECT_GT(games, 5);
}
