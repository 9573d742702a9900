// Moves: fall test, sideways test with its path rule, rotation with the wall push,
// drop with cancel and re-arm, ghost and game over.
#include <gtest/gtest.h>

#include "game/moves.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

class MovesTest : public RulesFixture {};

TEST_F(MovesTest, CanMoveDownStopsOnTheFloorAndOnFilledCells) {
    Running(kBar, 9, 26);  // cells in rows 26..29
    EXPECT_TRUE(CanMoveDown(s));
    s.g_FigY = 27;  // lowest cell on the floor row 30
    EXPECT_FALSE(CanMoveDown(s));
    s.g_FigY = 20;
    s.g_Pole[10][24] = true;  // under the lowest cell (10, 23)
    EXPECT_FALSE(CanMoveDown(s));
    s.g_Pole[10][24] = false;
    s.g_Pole[9][24] = true;  // under an empty box cell: no obstacle
    EXPECT_TRUE(CanMoveDown(s));
}

TEST_F(MovesTest, AFigureWithoutCellsStopsOnTheFloorRow) {
    Running("0000000000000000", 9, 29);
    EXPECT_TRUE(CanMoveDown(s));
    s.g_FigY = 30;
    EXPECT_FALSE(CanMoveDown(s));
    CalcFantom(s);
    EXPECT_EQ(s.m_FantomY, 30);
}

TEST_F(MovesTest, EnableMoveLRForMouseCases) {
    struct Case { const char* what; std::string_view mask; int from; int to; int fillCol; bool want; };
    const std::string_view rightColumn = "0000000000001111";  // all cells in box column 3
    for (const Case& c : {
             Case{"column 0 always refused", rightColumn, 5, 0, -1, false},
             Case{"column 22 always refused", kDot, 17, 22, -1, false},
             Case{"box column 3 may stand at 1", rightColumn, 5, 1, -1, true},
             Case{"a cell left of column 4", kBar, 5, 2, -1, false},
             Case{"a cell right of column 18", kBar, 16, 18, -1, false},
             Case{"bar to the right wall", kBar, 16, 17, -1, true},
             Case{"target cell filled", kBar, 9, 10, 11, false},
             Case{"jump 5 -> 12 across a filled column", kBar, 5, 12, 9, false},
             Case{"jump 12 -> 5 across a filled column", kBar, 12, 5, 9, false},
             Case{"jump 5 -> 12 over a free path", kBar, 5, 12, 15, true},
         }) {
        s = GameState{};
        Running(c.mask, c.from, 10);
        if (c.fillCol >= 0)
            for (int r = 0; r <= 30; ++r) s.g_Pole[c.fillCol][r] = true;
        EXPECT_EQ(EnableMoveLRForMouse(s, c.to), c.want) << c.what;
    }
}

TEST_F(MovesTest, CmdMoveCountsOnlyMovesThatHappen) {
    Running(kBar, 16, 0);
    CmdMove(g, 2);
    EXPECT_EQ(s.g_FigX, 17);
    CmdMove(g, 2);  // the bar's cells would reach column 19
    EXPECT_EQ(s.g_FigX, 17);
    CmdMove(g, 0);
    EXPECT_EQ(s.g_FigX, 16);
    EXPECT_EQ(s.g_MovesFig, 2);
    s.g_Dropping = true;
    CmdMove(g, 0);
    CmdRotate(g);
    EXPECT_EQ(s.g_FigX, 16);
    EXPECT_EQ(Mask(), kBar);
    EXPECT_EQ(s.g_MovesFig, 2);
}

TEST_F(MovesTest, TheBarAtColumn16TurnsIntoRowOneAndIsPushedOffTheRightWall) {
    Running(kBar, 16, 5);
    cfg.bCW = true;
    CmdRotate(g);
    EXPECT_EQ(Mask(), "0100010001000100");  // box row 1 in every column
    EXPECT_EQ(s.g_FigX, 15);
    EXPECT_EQ(s.g_MovesFig, 1);
    EXPECT_EQ(ev.calls, std::vector<std::string>{"PlaySoundAt mRot1 18 7"});  // at the position before the push
}

TEST_F(MovesTest, RotationSenseFollowsBCW) {
    // Figure 0 (.XX. / .X.. / .X..) turned either way.
    struct Case { bool cw; const char* want; };
    for (const Case& c : {Case{true, "0000010001000110"}, Case{false, "0110001000100000"}}) {
        s = GameState{};
        Running(kFigureMasks[0], 9, 5);
        cfg.bCW = c.cw;
        RotateQ(g);
        EXPECT_EQ(Mask(), c.want) << (c.cw ? "clockwise" : "counter-clockwise");
    }
}

TEST_F(MovesTest, FourRotationsRestoreEveryFigure) {
    for (bool cw : {true, false})
        for (const char* m : kFigureMasks) {
            Running(m, 9, 5);
            cfg.bCW = cw;
            for (int k = 0; k < 4; ++k) RotateQ(g);
            EXPECT_EQ(Mask(), m);
            EXPECT_EQ(s.g_FigX, 9);
        }
}

TEST_F(MovesTest, PushFromWallsMovesAwayFromTheLeftWall) {
    Running(kBar, 3, 5);  // cells in column 4
    cfg.bCW = true;
    RotateQ(g);  // row 1 across box columns 0..3: column 3 is outside
    EXPECT_EQ(s.g_FigX, 4);
}

TEST_F(MovesTest, RotationMayOverlapFilledCells) {
    Running(kBar, 9, 5);
    s.g_Pole[9][6] = true;
    RotateQ(g);
    EXPECT_EQ(Mask(), "0100010001000100");
    EXPECT_TRUE(s.g_Pole[9][6]);  // the field is left as it was
}

TEST_F(MovesTest, DropStartsCancelsAndRestartsTakingTheMiracleMeterEachTime) {
    Running(kBar, 9, 5);
    cfg.bEnableMiracle = true;
    s.g_MiracleMeter = 120;
    CmdDrop(g);
    EXPECT_TRUE(s.g_Dropping);
    EXPECT_FALSE(s.g_DropArmed);
    CmdDrop(g);  // cancel: not counted
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_TRUE(s.g_DropArmed);
    CmdDrop(g);
    EXPECT_TRUE(s.g_Dropping);
    CmdDrop(g);
    EXPECT_EQ(s.score.s_getval(), 240);
    EXPECT_EQ(s.g_ChangeBonus, 240);
    EXPECT_EQ(s.g_MovesFig, 2);
    // The rules name the first drop variant; the sound picks the variant itself.
    EXPECT_EQ(ev.Matching("PlaySoundAt"), (std::vector<std::string>{"PlaySoundAt mDrop1 11 7", "PlaySoundAt mDrop1 11 7"}));
}

TEST_F(MovesTest, TheDropSoundDrawsNothingFromTheGamesGenerator) {
    // A seeded game must replay the same with sound on or off: the drop leaves the
    // game's sequence of draws where it was.
    Running(kBar, 9, 5);
    Rng twin{1};
    CmdDrop(g);
    ASSERT_TRUE(s.g_Dropping);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rng.Rnd(), twin.Rnd());
}

TEST_F(MovesTest, DropIsRefusedWhilePausedOrWhileTheCameraMoves) {
    Running(kBar, 9, 5);
    cfg.bEnableMiracle = false;
    s.g_MiracleMeter = 50;
    s.g_Running = false;
    CmdDrop(g);
    s.g_Running = true;
    s.g_ViewMoving = true;
    CmdDrop(g);
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_TRUE(ev.calls.empty());
    s.g_ViewMoving = false;
    CmdDrop(g);
    EXPECT_TRUE(s.g_Dropping);
    EXPECT_EQ(s.score.s_getval(), 0);  // Miracle off: the meter is not taken
}

TEST_F(MovesTest, CalcFantomFindsTheLandingRow) {
    Running(kSquare, 9, 0);  // cells in columns 10..11, box rows 1..2
    CalcFantom(s);
    EXPECT_EQ(s.m_FantomX, 9);
    EXPECT_EQ(s.m_FantomY, 28);
    s.g_Pole[11][20] = true;
    CalcFantom(s);
    EXPECT_EQ(s.m_FantomY, 17);
    s.g_FigY = 17;  // cannot fall any more: the ghost is the figure itself
    CalcFantom(s);
    EXPECT_EQ(s.m_FantomY, 17);
    EXPECT_EQ(s.g_FigY, 17);
}

TEST_F(MovesTest, GameOverOnOverlapStoresTheLevelScore) {
    Running(kBar, 9, 0);
    cfg.gt_CurGameType = 2;
    s.g_Level = 3;
    s.g_LevelScores[1][3] = kLevelScoreUnset;
    s.score.s_setval(4321);
    s.g_Pole[9][2] = true;  // under an empty box cell
    EXPECT_FALSE(GameOver(g));
    EXPECT_EQ(s.g_LevelScores[1][3], kLevelScoreUnset);
    s.g_Pole[10][3] = true;
    EXPECT_TRUE(GameOver(g));
    EXPECT_EQ(s.g_LevelScores[1][3], 4321);
}
