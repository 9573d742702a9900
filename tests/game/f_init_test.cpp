// f_Init: a fresh game, the three-game series, the list each game draws from, and its failure paths.
#include <gtest/gtest.h>

#include "game/end_of_game.h"
#include "game/f_init.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

class FInitTest : public RulesFixture {
protected:
    // A game in progress, with everything a game start may reset.
    void Dirty() {
        s.score.s_setval(9000);
        s.g_FigCount = 12;
        s.g_MovesTotal = 40;
        s.g_MovesFig = 7;   // the figure falling when the new game starts was moved
        s.g_ZembBonus = 6000;
        s.g_TimeBonus = 300;
        s.g_LineKinds = {3, 1, 0, 1};
        s.lblScore = "9000";
        s.lblCountLines[0] = "1-Lines*3 = 1500";
        s.g_Level = 5;
        s.m_FallDelay = 75;
        s.g_Pole[7][30] = true;
        s.m_PoleColor[7][30] = Color4{0.5f, 0.5f, 0.5f, 1};
        s.g_FigX = 14;
        s.g_FigY = 12;
        s.g_Dropping = true;
        s.g_DropArmed = false;
    }
};

TEST_F(FInitTest, AFreshStartClearsTheFieldAndTheResult) {
    Dirty();
    f_Init(g);
    for (int x = 0; x < kPoleCols; ++x)
        for (int y = 0; y < kPoleRows; ++y) {
            ASSERT_FALSE(s.g_Pole[x][y]);
            ASSERT_EQ(s.m_PoleColor[x][y], Color4{});
        }
    EXPECT_EQ(s.g_FigX, 9);
    EXPECT_EQ(s.g_FigY, 0);
    EXPECT_EQ(s.g_Level, 0);
    EXPECT_EQ(s.m_FallDelay, 150);
    EXPECT_EQ(s.score.s_getval(), 0);
    EXPECT_EQ(s.g_FigCount, 0);
    EXPECT_EQ(s.g_MovesTotal, 0);
    EXPECT_EQ(s.g_MovesFig, 0) << "the new game's first figure counts its own moves only";
    EXPECT_EQ(s.g_LineKinds, (std::array<int32_t, 4>{}));
    EXPECT_EQ(s.lblScore, "---");
    EXPECT_EQ(s.lblLevel, "Level # 0");
    EXPECT_EQ(s.lblCountLines[0], "");
    EXPECT_EQ(s.lblTB, "---");
    EXPECT_TRUE(s.g_Running);
    EXPECT_TRUE(s.g_DropArmed);
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_TRUE(s.m_NumKinds == 7 || s.m_NumKinds == 8);
    EXPECT_EQ(s.g_LevelScores[0][0], kLevelScoreUnset);
    EXPECT_TRUE(s.g_LastFig.RowsRemoved);
    for (const FigureRec& f : s.g_Figs) {
        int cells = 0;
        for (auto& col : f.Cells)
            for (int16_t c : col) cells += c;
        EXPECT_GT(cells, 0);
    }
    EXPECT_EQ(s.LevelName[10], "D#D");
    EXPECT_EQ(ev.calls.front(), "Log f_Init() 5 1");
    EXPECT_EQ(ev.calls.back(), "Log f_Init() 10 1");
    EXPECT_EQ(ev.Matching("PlaySound "), std::vector<std::string>{"PlaySound mRht1"});
}

TEST_F(FInitTest, TheFirstStartLeavesRoomForTheApplicationsInitialisation) {
    Dirty();
    ASSERT_TRUE(f_InitStart(g));
    // Up to here nothing of the game has changed: a failed initialisation stops with it.
    EXPECT_EQ(s.score.s_getval(), 9000);
    EXPECT_EQ(ev.calls, (std::vector<std::string>{"Log f_Init() 5 1", "GameStarting", "RecordPlaceLabelsReset", "RemovedFigureStop"}));
    InitGameGlobals(g);
    f_InitFinish(g);
    EXPECT_EQ(s.score.s_getval(), 0);
    EXPECT_EQ(s.LevelName[3], "Inversia");
    EXPECT_EQ(ev.calls.back(), "Log f_Init() 10 1");
}

TEST_F(FInitTest, WhileExitingItOnlyLogs) {
    s.g_Exiting = true;
    Dirty();
    f_Init(g);
    EXPECT_EQ(ev.calls, (std::vector<std::string>{"Log f_Init() 5 1", "Log f_Init() 10 1"}));
    EXPECT_EQ(s.score.s_getval(), 9000);
}

TEST_F(FInitTest, EachTypeDrawsFromItsListAndThePlayersSequenceIsLeftAsItWas) {
    struct Case {
        int type;
        bool randomFlag;
        bool playersList;
        PlayOrder order;
    };
    for (const Case& c : {Case{1, false, false, PlayOrder::Random}, Case{2, false, false, PlayOrder::Random},
                          Case{4, false, false, PlayOrder::Random}, Case{3, false, true, PlayOrder::PlayersChoice},
                          Case{3, true, true, PlayOrder::PlayersChoice}}) {
        cfg.gt_CurGameType = c.type;
        cfg.bRandomSeq = c.randomFlag;
        cfg.UserSeq.seq_Clear();
        for (uint8_t k : {5, 5, 1}) cfg.UserSeq.PutItem(k);
        f_Init(g);
        EXPECT_EQ(s.playList.playersList, c.playersList) << c.type;
        EXPECT_EQ(s.playList.order, c.order) << c.type;
        // The settings of the "Sequence" type are the player's: no game rewrites them.
        EXPECT_EQ(cfg.bRandomSeq, c.randomFlag) << c.type;
        ASSERT_EQ(cfg.UserSeq.GetCount(), 3) << c.type;
        EXPECT_EQ(cfg.UserSeq.GetValueItem(1), 5);
        EXPECT_EQ(cfg.UserSeq.GetValueItem(3), 1);
        // The ordinary list is the seven figures, whatever the player's list holds.
        ASSERT_EQ(s.playList.ordinary.GetCount(), 7);
        for (uint8_t k = 1; k <= 7; ++k) EXPECT_EQ(s.playList.ordinary.GetValueItem(k), k - 1);
    }
}

TEST_F(FInitTest, ASequenceInOrderGoesOnWhereThePreviousOneStoppedAcrossOtherGames) {
    cfg.bRandomSeq = false;
    cfg.UserSeq.seq_Clear();
    for (uint8_t k : {3, 1, 4}) cfg.UserSeq.PutItem(k);
    cfg.gt_CurGameType = 3;
    f_Init(g);   // the queue reads 3 1 4 3 1: item 3 comes next
    EXPECT_EQ(Mask(), kFigureMasks[3]);
    EXPECT_EQ(CellsToMask(s.g_Figs[4].Cells), kFigureMasks[1]);
    cfg.gt_CurGameType = 2;
    f_Init(g);   // a "Classic" game in between leaves the player's list where it stood
    EXPECT_EQ(cfg.UserSeq.Position(), 3);
    cfg.gt_CurGameType = 3;
    f_Init(g);
    EXPECT_EQ(Mask(), kFigureMasks[4]);
    EXPECT_EQ(CellsToMask(s.g_Figs[1].Cells), kFigureMasks[3]);
}

TEST_F(FInitTest, ASeriesPlaysSequenceClassicMainWithOneRunningResult) {
    cfg.g_Trial = true;
    cfg.gt_CurGameType = 1;
    cfg.bRandomSeq = true;
    cfg.UserSeq.seq_Clear();
    for (uint8_t k : {2, 2, 6}) cfg.UserSeq.PutItem(k);
    s.g_TrialGameNo = 0;
    Dirty();
    f_Init(g);
    EXPECT_EQ(s.g_TrialGameNo, 1);
    EXPECT_EQ(cfg.gt_CurGameType, 3);
    EXPECT_EQ(s.playList.order, PlayOrder::InOrder);
    EXPECT_TRUE(cfg.bRandomSeq) << "the player's order flag stays the player's";
    EXPECT_EQ(s.score.s_getval(), 0);
    EXPECT_EQ(cfg.UserSeq.GetCount(), 3);  // the player's own list, in order
    EXPECT_EQ(CellsToMask(s.g_Figs[0].Cells), kFigureMasks[2]);
    EXPECT_EQ(CellsToMask(s.g_Figs[2].Cells), kFigureMasks[6]);

    NullResultSteps noRecords;   // every score misses the record table
    struct Next { int16_t gameNo; int type; };
    for (const Next& n : {Next{2, 2}, Next{3, 1}}) {
        Dirty();
        ASSERT_TRUE(EndOfGame(g, noRecords, true));
        EXPECT_EQ(s.g_TrialGameNo, n.gameNo);
        EXPECT_EQ(cfg.gt_CurGameType, n.type);
        EXPECT_TRUE(s.playList.playersList);
        EXPECT_EQ(s.playList.order, PlayOrder::Random);
        EXPECT_EQ(cfg.UserSeq.GetCount(), 3);
        // Score, totals and counters carry over; field and level start anew.
        EXPECT_EQ(s.score.s_getval(), 9000);
        EXPECT_EQ(s.g_FigCount, 12);
        EXPECT_EQ(s.g_LineKinds, (std::array<int32_t, 4>{3, 1, 0, 1}));
        EXPECT_EQ(s.lblScore, "9000");
        EXPECT_EQ(s.lblTB, "300");
        EXPECT_FALSE(s.g_Pole[7][30]);
        EXPECT_EQ(s.g_Level, 0);
    }
    // After the third game the next start is a fresh series.
    Dirty();
    ASSERT_TRUE(EndOfGame(g, noRecords, true));
    EXPECT_EQ(s.g_TrialGameNo, 1);
    EXPECT_EQ(s.score.s_getval(), 0);
}

// A game started while a figure falls begins its first figure with no time counted, so
// that figure earns its whole time bonus; replays of games recorded before this kept
// the time, and play with it kept.
TEST_F(FInitTest, ANewGameStartsItsFirstFigureWithNoTimeCounted) {
    for (const bool carry : {false, true}) {
        cfg.bCarryFigTicks = carry;
        for (const bool series : {false, true}) {
            cfg.g_Trial = series;
            s.g_TrialGameNo = series ? 1 : 0;
            s.m_FigTicks = 180;
            f_Init(g);
            EXPECT_EQ(s.m_FigTicks, carry ? 180 : 0) << "carry " << carry << ", series " << series;
        }
    }
}
