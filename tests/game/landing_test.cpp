// Landing: row removal, points, time bonus, price, level advance, counters, labels,
// the spawn of the next figure and the order of what the landing starts elsewhere.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "game/f_init.h"
#include "game/figure_kinds.h"
#include "game/landing.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {
constexpr std::string_view kFull = "111111111111111";
constexpr std::string_view kGapAt18 = "111111111111110";
}  // namespace

class LandingTest : public RulesFixture {
protected:
    void SetUp() override {
        cfg.gt_CurGameType = 2;  // ordinary figures only: no price comes into play by chance
        for (int k = 1; k < kQueueSize; ++k) Figure(kSquare, k);
        s.m_MouseCol = 9;
        s.m_FigTicks = 1;  // time bonus round(250 / 5) = 50
    }
    // The bar standing in column 18 with its lowest cell on row `bottom`.
    void BarInColumn18(int bottom) { Running(kBar, 17, bottom - 3); }
};

TEST_F(LandingTest, RowsTwentyEightAndThirtyGoRowTwentyNineStays) {
    Row(28, kGapAt18);
    Row(29, "101010101010100");
    Row(30, kGapAt18);
    Running("0000000000001010", 15, 28);  // box column 3, rows 0 and 2: cells (18, 28) and (18, 30)
    EXPECT_FALSE(Landing(g));
    EXPECT_EQ(RowText(30), "101010101010100");
    EXPECT_EQ(RowText(29), std::string(15, '0'));
    EXPECT_EQ(s.score.s_getval(), 1200 + 50);
    EXPECT_EQ(ev.Matching("RowRemoval"), (std::vector<std::string>{"RowRemovalStart", "RowRemovalAdd 30",
                                                                     "RowRemovalAdd 28"}));
    EXPECT_EQ(s.g_LineKinds, (std::array<int32_t, 4>{0, 1, 0, 0}));
    EXPECT_EQ(s.lblCountLines[1], "2-Lines*1 = 1200");
}

TEST_F(LandingTest, AdjacentFullRowsAreReportedByTheirIndexBeforeRemoval) {
    Row(29, kGapAt18);
    Row(30, kGapAt18);
    Running("0000000000000011", 15, 27);  // cells (18, 29) and (18, 30)
    Landing(g);
    EXPECT_EQ(ev.Matching("RowRemovalAdd"), (std::vector<std::string>{"RowRemovalAdd 30", "RowRemovalAdd 29"}));
}

TEST_F(LandingTest, RowZeroIsEmptyAfterTheRowsMoveDown) {
    Row(0, "100000000000001");
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_EQ(RowText(0), std::string(15, '0'));
    EXPECT_EQ(RowText(1), "100000000000001");
    EXPECT_EQ(s.m_PoleColor[4][0], Color4{});
}

TEST_F(LandingTest, ColoursAndKindsMoveDownWithTheirCells) {
    Row(29, "100000000000000");
    s.m_PoleColor[4][29] = Color4{0.5f, 0.25f, 0.75f, 1};
    s.poleKinds[4][29] = 6;
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_TRUE(s.g_Pole[4][30]);
    EXPECT_EQ(s.m_PoleColor[4][30], (Color4{0.5f, 0.25f, 0.75f, 1}));
    EXPECT_EQ(s.poleKinds[4][30], 6);
    // The bar's three cells left above the removed row keep the bar's kind.
    for (int r = 28; r <= 30; ++r) EXPECT_EQ(s.poleKinds[18][r], kBarFigure + 1) << r;
    EXPECT_EQ(s.poleKinds[18][27], kOtherKind);
}

TEST_F(LandingTest, TheLandedFigureGetsOneColourInTheRange) {
    Running(kSquare, 9, 27);
    Landing(g);
    const Color4 c = s.m_PoleColor[10][28];
    for (float v : {c.r, c.g, c.b}) {
        EXPECT_GE(v, 0.19f);
        EXPECT_LT(v, 0.99f + 1e-6f);
    }
    EXPECT_EQ(c.a, 1.0f);
    for (auto [x, y] : {std::pair{11, 28}, {10, 29}, {11, 29}}) EXPECT_EQ(s.m_PoleColor[x][y], c);
}

TEST_F(LandingTest, FourRowsWithOneRowPerLevelRaiseTheLevelToFour) {
    cfg.m_DelLinesInLevel = 1;
    for (auto& t : s.g_LevelScores) t.fill(kLevelScoreUnset);
    for (int r = 27; r <= 30; ++r) Row(r, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_EQ(s.g_Level, 4);
    EXPECT_EQ(s.m_FallDelay, 90);
    EXPECT_EQ(s.lblLevel, "Level # 4");
    EXPECT_EQ(s.g_LinesInLevel, 0);
    EXPECT_EQ(s.score.s_getval(), 5500 + 50);
    // The level score of each level left is the score before the landing's points.
    for (int level = 0; level < 4; ++level) EXPECT_EQ(s.g_LevelScores[1][level], 0) << level;
    EXPECT_EQ(s.g_LevelScores[1][4], kLevelScoreUnset);
    EXPECT_EQ(ev.Matching("LevelFinished"), (std::vector<std::string>{"LevelFinished 0", "LevelFinished 1",
                                                                       "LevelFinished 2", "LevelFinished 3"}));
    EXPECT_EQ(ev.Matching("BookLevelStat"), std::vector<std::string>{"BookLevelStat 0 0"});
    EXPECT_EQ(ev.Matching("RecordDisplayUpdate"), std::vector<std::string>{"RecordDisplayUpdate 1"});
    for (int16_t step : s.m_LevelCaptionStep) EXPECT_TRUE(step >= 0 && step <= 22) << step;
}

TEST_F(LandingTest, LevelTenKeepsCountingRowsWithoutAdvancing) {
    cfg.m_DelLinesInLevel = 1;
    s.g_Level = 10;
    s.m_LevelAtLastLanding = 10;
    s.m_FallDelay = 0;
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_EQ(s.g_Level, 10);
    EXPECT_EQ(s.g_LinesInLevel, 1);
    EXPECT_EQ(s.m_FallDelay, 0);
}

TEST_F(LandingTest, TimeBonusAfterThreeHundredTicksIsMinusTen) {
    s.m_FigTicks = 300;
    s.g_TimeBonus = 7;
    Running(kSquare, 9, 27);
    Landing(g);
    EXPECT_EQ(s.score.s_getval(), -10);
    EXPECT_EQ(s.g_TimeBonus, -3);
    EXPECT_EQ(s.m_FigTicks, 0);
    EXPECT_EQ(s.lblScore, "-10");
    EXPECT_EQ(s.lblTB, "-3");
}

TEST_F(LandingTest, ThePriceIsBookedWhenTheFigureLands) {
    Running(kSquare, 9, 27);
    s.g_Figs[0].IsSpecial = true;
    s.g_Figs[0].Price = 6100;
    s.g_Figs[1].IsSpecial = true;
    s.g_Figs[1].Price = 7000;  // comes into play now: shown, not booked
    Landing(g);
    EXPECT_EQ(s.score.s_getval(), 6100 + 50);
    EXPECT_EQ(s.g_ZembBonus, 6100);
    EXPECT_EQ(s.lblDB, "6100");
    EXPECT_EQ(ev.Matching("FlyingDigits 7000").size(), 1u);
    EXPECT_EQ(s.g_SpecialCount, 1);
}

TEST_F(LandingTest, CountersMoveAndTheNextFigureSpawnsAtTheMouseColumn) {
    Running(kSquare, 9, 27);
    s.g_MovesFig = 4;
    s.g_MovesTotal = 10;
    s.g_FigCount = 2;
    s.g_Dropping = true;
    s.g_DropArmed = false;
    s.m_MouseCol = 18;  // the square's cells would stand in 19 and 20
    Landing(g);
    EXPECT_EQ(s.g_FigCount, 3);
    EXPECT_EQ(s.g_MovesTotal, 14);
    EXPECT_EQ(s.g_MovesFig, 0);
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_TRUE(s.g_DropArmed);
    EXPECT_EQ(s.g_FigY, 0);
    EXPECT_EQ(s.g_FigX, 16);  // pushed off the right wall
    EXPECT_EQ(s.lblScore, "50");
    EXPECT_EQ(s.g_LastFig.X, 9);
    EXPECT_EQ(s.g_LastFig.Y, 27);
    EXPECT_FALSE(s.g_LastFig.RowsRemoved);
}

TEST_F(LandingTest, DemoPlayStartsNewFiguresAtColumnNine) {
    s.tmrDemo = true;
    s.m_MouseCol = 4;
    Running(kSquare, 9, 27);
    Landing(g);
    EXPECT_EQ(s.g_FigX, 9);
}

TEST_F(LandingTest, TheLandingRunsItsStepsInOrder) {
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    std::vector<std::string> steps;
    for (const std::string& c : ev.calls) {
        std::istringstream in(c);
        std::string name, slot;
        in >> name >> slot;
        steps.push_back(name == "PlaySoundAt" ? name + " " + slot.substr(0, 5) : name);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"PlaySoundAt mDown", "RowRemovalStart", "RowRemovalAdd",
                                               "PlaySoundAt mDel1", "FlyingDigits", "CountLinesBlink",
                                               "TimeBonusDigits", "DemoPlanFigure", "RecordDisplayUpdate"}));
    EXPECT_EQ(ev.calls[0], "PlaySoundAt mDown1 19 29");  // the sound picks the landing variant itself
    EXPECT_EQ(ev.calls[3], "PlaySoundAt mDel1 17 27");
    EXPECT_EQ(ev.calls[4], "FlyingDigits 500 17 27");
    EXPECT_EQ(ev.calls[5], "CountLinesBlink 1");
}

TEST_F(LandingTest, NoRowSoundWhileTheLevelFlightPlays) {
    s.cl_Busy = true;
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_TRUE(ev.Matching("PlaySoundAt mDel1").empty());
    EXPECT_EQ(s.g_LineKinds[0], 1);
}

// The rules mark the level flight themselves: with nothing but a recorder attached a
// landing that raises the level plays exactly as in the program — the game waits and
// the row sound stays silent under the flight; without the flight it sounds.
TEST_F(LandingTest, ALevelAdvanceMarksTheFlightWithoutAnyHandler) {
    for (const bool flight : {true, false}) {
        f_Init(g);
        ev.Clear();
        s.cl_Busy = false;   // no flight left over from the round before
        cfg.b_AnimateChangeLevel = flight;
        cfg.m_DelLinesInLevel = 1;
        Row(30, kGapAt18);
        BarInColumn18(30);
        Landing(g);
        EXPECT_EQ(s.g_Level, 1);
        EXPECT_EQ(s.cl_Busy, flight);
        EXPECT_EQ(ev.Matching("LevelFlightStart").size(), flight ? 1u : 0u);
        EXPECT_EQ(ev.Matching("PlaySoundAt mDel1").empty(), flight);
    }
}

TEST_F(LandingTest, ANewFigureThatOverlapsEndsTheGame) {
    cfg.gt_CurGameType = 1;
    s.g_Level = 2;
    s.m_LevelAtLastLanding = 2;
    s.m_ColorTaken = true;
    s.g_Pole[10][1] = true;  // under the next square's cell (10, 1)
    Running(kSquare, 9, 27);
    EXPECT_TRUE(Landing(g));
    EXPECT_EQ(s.g_LevelScores[0][2], 50);
    EXPECT_FALSE(s.m_ColorTaken);
    EXPECT_EQ(ev.calls.back(), "BookLevelStat 2 1");
}

TEST_F(LandingTest, LongGameCountersAndTheScoreSaturate) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    s.score.s_setval(kMax - 100);
    s.g_FigCount = kMax;
    s.g_MovesTotal = kMax - 1;
    s.g_MovesFig = 5;
    s.g_LineKinds[0] = kMax;
    Row(30, kGapAt18);
    BarInColumn18(30);
    Landing(g);
    EXPECT_EQ(s.score.s_getval(), kMax);
    EXPECT_EQ(s.lblScore, std::to_string(kMax));
    EXPECT_EQ(s.g_FigCount, kMax);
    EXPECT_EQ(s.g_MovesTotal, kMax);
    EXPECT_EQ(s.g_LineKinds[0], kMax);
    EXPECT_EQ(s.lblCountLines[0], "1-Lines*" + std::to_string(kMax) + " = " + std::to_string(int64_t{kMax} * 500));
}
