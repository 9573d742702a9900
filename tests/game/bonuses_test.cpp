// Bonuses: the Miracle meter and its figure change, Inversia, the colour bonus and
// taking back the last landed figure.
#include <gtest/gtest.h>

#include "game/bonus_ticks.h"
#include "game/bonuses.h"
#include "game/landing.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {
constexpr std::string_view kZemb = "1001111110011111";
constexpr std::string_view kNoCells = "0000000000000000";
}  // namespace

class BonusTest : public RulesFixture {};

TEST_F(BonusTest, MiracleFiresAfter1400_700_464TicksOutsideDrops) {
    struct Case { uint8_t speed; int ticks; };
    for (const Case& c : {Case{0, 1400}, Case{1, 700}, Case{2, 464}}) {
        s = GameState{};
        cfg.iNumSpeedMiracle = c.speed;
        Figure(kBar, 1);
        int t = 0;
        // MiracleChange always changes the next figure: its first change is the firing.
        while (CellsToMask(s.g_Figs[1].Cells) == kBar && t < 5000) {
            MiracleTick(g);
            ++t;
        }
        EXPECT_EQ(t, c.ticks) << "speed " << int(c.speed);
        EXPECT_EQ(s.g_MiracleMeter, 0);
    }
    // During a drop the divider runs but the meter stands still.
    s = GameState{};
    s.g_MiracleMeter = 100;
    s.g_Dropping = true;
    for (int t = 0; t < 5000; ++t) MiracleTick(g);
    EXPECT_EQ(s.g_MiracleMeter, 100);
}

TEST_F(BonusTest, MiracleChangeFlipsOneCellOrMakesTheRing) {
    SetQueueEntry(s.g_Figs[1], FigureChoice{std::string(kBar), 6000, true});
    for (int k = 0; k < 20; ++k) {
        const std::string before = CellsToMask(s.g_Figs[1].Cells);
        MiracleChange(g);
        const std::string after = CellsToMask(s.g_Figs[1].Cells);
        int diff = 0;
        for (size_t c = 0; c < 16; ++c) diff += before[c] != after[c];
        if (before == kNoCells) EXPECT_EQ(after, kRingMask);
        else EXPECT_EQ(diff, 1) << before << " -> " << after;
    }
    EXPECT_EQ(s.g_Figs[1].Price, 6000);
    EXPECT_TRUE(s.g_Figs[1].IsSpecial);
    Figure(kNoCells, 1);
    MiracleChange(g);
    EXPECT_EQ(CellsToMask(s.g_Figs[1].Cells), kRingMask);
}

TEST_F(BonusTest, InversiaGainsThenGivesBackAndTheTwelveCellRoundTripNetsZero) {
    Running(kZemb, 9, 5);
    CmdInversia(g);
    EXPECT_EQ(Mask(), "0110000001100000");   // rows 1 and 2 of box columns 0 and 2
    EXPECT_EQ(s.score.s_getval(), 2500);
    CmdInversia(g);
    EXPECT_EQ(Mask(), kZemb);
    EXPECT_EQ(s.score.s_getval(), 0);
    EXPECT_EQ(s.g_InversiaBonus, 0);
    EXPECT_EQ(ev.Matching("FlyingDigits"), (std::vector<std::string>{"FlyingDigits 2500 9 5", "FlyingDigits -2500 9 5"}));
    EXPECT_EQ(ev.Matching("PlaySoundAt mInv1").size(), 2u);
    // A landing starts the next figure with a gain again.
    CmdInversia(g);
    s.g_FigY = 26;
    Landing(g);
    EXPECT_FALSE(s.m_InvSign);
}

TEST_F(BonusTest, InversiaIsRefusedOutsideTheFieldOrOverAFilledCell) {
    struct Case { const char* what; int x, y; int filledCol, filledRow; bool running; bool allowed; };
    for (const Case& c : {Case{"at column 15", 15, 5, -1, 0, true, true},
                          Case{"at column 16", 16, 5, -1, 0, true, false},
                          Case{"at column 3", 3, 5, -1, 0, true, false},
                          Case{"a filled cell the bar does not cover", 9, 5, 9, 8, true, false},
                          Case{"a filled cell just outside the box", 9, 5, 13, 8, true, true},
                          Case{"paused", 9, 5, -1, 0, false, false},
                          Case{"box reaching below the floor", 9, 28, -1, 0, true, false}}) {
        s = GameState{};
        Running(kBar, c.x, c.y);
        s.g_Running = c.running;
        if (c.filledCol >= 0) s.g_Pole[c.filledCol][c.filledRow] = true;
        CmdInversia(g);
        EXPECT_EQ(Mask() != kBar, c.allowed) << c.what;
        EXPECT_EQ(s.score.s_getval(), c.allowed ? 2500 : 0) << c.what;
    }
}

TEST_F(BonusTest, ColourBonusNeverStartsBelowRarity25) {
    cfg.iVerColorBonus = 24;
    for (int t = 0; t < 200000; ++t) ColorBonusTick(g);
    EXPECT_EQ(s.g_ColorWarn, 0);
    EXPECT_EQ(s.g_ColorState, 0);
}

TEST_F(BonusTest, ColourBonusWarnsFor89TicksThenRuns218TicksFrom653) {
    cfg.iVerColorBonus = 50;
    int ticks = 0;
    while (s.g_ColorWarn == 0 && ticks < 100000) {
        ColorBonusTick(g);
        ++ticks;
    }
    ASSERT_EQ(s.g_ColorWarn, 2) << "the tick that starts the warning counts it to 2";
    EXPECT_EQ(s.m_ColorIndicator.color, 0x00FF00);
    EXPECT_TRUE(s.m_ColorIndicator.visible);
    int warnTicks = 0;
    while (s.g_ColorState == 0 && warnTicks < 1000) {
        ColorBonusTick(g);
        ++warnTicks;
    }
    EXPECT_EQ(warnTicks, 89);
    const int sign = s.g_ColorState;
    EXPECT_EQ(s.m_ColorIndicator.color, sign == 1 ? 0xFF0000 : 0x0000FF);
    EXPECT_EQ(s.g_ColorValue, sign * 653);
    int running = 1;
    while (s.g_ColorState != 0 && running < 1000) {
        ColorBonusTick(g);
        ++running;
    }
    EXPECT_EQ(running, 218);
    EXPECT_EQ(s.m_ColorIndicator.value, sign * 2) << "the last amount shown";
    EXPECT_FALSE(s.m_ColorIndicator.visible);
    EXPECT_EQ(s.g_ColorValue, 0);
    EXPECT_EQ(s.score.s_getval(), 0);   // nobody dropped
}

TEST_F(BonusTest, ADroppedFigureTakesTheBonusOnceAndLengthensIt) {
    for (int state : {1, -1}) {
        s = GameState{};
        cfg.iVerColorBonus = 0;
        s.g_ColorState = static_cast<int16_t>(state);
        s.g_ColorTime = 300;
        s.g_ColorValue = static_cast<int16_t>(state * (653 - 297));
        s.g_Dropping = true;
        for (int t = 0; t < 10; ++t) ColorBonusTick(g);
        EXPECT_EQ(s.score.s_getval(), state * 356) << "taken once, at the value shown";
        EXPECT_EQ(s.g_ColorBonus, state * 356);
        EXPECT_EQ(s.m_LastColorAmount, state * 356);
        // 300 - 145 = 155, then ten ticks of 3.
        EXPECT_EQ(s.g_ColorTime, 155 + 30);
        EXPECT_EQ(s.g_ColorValue, state * (653 - 182));
    }
    // Taken near the start, the time cannot go negative: it becomes 1.
    s = GameState{};
    s.g_ColorState = 1;
    s.g_ColorTime = 30;
    s.g_Dropping = true;
    ColorBonusTick(g);
    EXPECT_EQ(s.g_ColorTime, 4);
}

class TakeBackTest : public RulesFixture {
protected:
    void LandSquareAt(int y) {
        Running(kSquare, 9, y);
        Landing(g);
    }
};

TEST_F(TakeBackTest, ThreeTakeBacksAGameEachHidingOneImage) {
    s.g_LastFig.RowsRemoved = true;   // as after f_Init: nothing landed yet
    TakeBackFigure(g);
    EXPECT_EQ(s.g_LastFig.TakeBackCount, 0);
    for (int k = 1; k <= 4; ++k) {
        LandSquareAt(27);
        ASSERT_TRUE(s.g_Pole[10][28]);
        TakeBackFigure(g);
        const bool done = k <= 3;
        EXPECT_EQ(!s.g_Pole[10][28], done) << "take-back " << k;
        EXPECT_EQ(s.g_LastFig.TakeBackCount, std::min(k, 3));
        if (done) {
            for (int x : {10, 11})
                for (int y : {28, 29}) EXPECT_FALSE(s.g_Pole[x][y]);
        }
        // A second take-back of the same figure does nothing either.
        TakeBackFigure(g);
        EXPECT_EQ(s.g_LastFig.TakeBackCount, std::min(k, 3));
        for (int x : {10, 11})
            for (int y : {28, 29}) s.g_Pole[x][y] = false;
    }
    EXPECT_EQ(s.g_LastFig.Images, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(ev.Matching("RemovedFigureStart").size(), 3u);
}

TEST_F(TakeBackTest, ImagesGoTwoOneZeroAndRowsAboveStay) {
    Row(25, "000001000000000");   // above the square, column 9
    LandSquareAt(27);
    TakeBackFigure(g);
    EXPECT_EQ(s.g_LastFig.Images, (std::array<bool, 3>{true, true, false}));
    EXPECT_TRUE(s.g_Pole[9][25]);
    EXPECT_EQ(ev.Matching("RemovedFigureStart").size(), 1u);
}

TEST_F(TakeBackTest, NothingToTakeBackAfterALandingThatRemovedRows) {
    Row(30, "111111011111111");   // gap at column 10
    Row(29, "111111011111111");
    Running("0100010000000000", 9, 28);   // two cells in box column 1: fills the gap
    Landing(g);
    ASSERT_TRUE(s.g_LastFig.RowsRemoved);
    const auto before = s.g_Pole;
    TakeBackFigure(g);
    EXPECT_EQ(s.g_Pole, before);
    EXPECT_EQ(s.g_LastFig.TakeBackCount, 0);
}
