// The demo player: its scan direction decides ties, a placement that makes holes is
// taken back once the next figure is planned, and the timer's command table.
#include <gtest/gtest.h>

#include "game/landing.h"
#include "game/moves.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "session_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {

constexpr std::string_view kSquare = "0000011001100000";   // box columns 1..2, rows 1..2

class DemoTest : public ::testing::Test {
protected:
    GameSettings cfg;
    Rng rng{1};
    WithDemoEvents<RecordingEvents> ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    GameState& s = session.state;
    clsDemo3& demo = session.demo.player;

    void SetUp() override {
        ev.demoSession = &session;
        f_Init(session.game);
        s.g_ColorState = 0;
    }
    void Figure(std::string_view mask, int x = kSpawnCol, int y = 0) {
        SetQueueEntry(s.g_Figs[0], FigureChoice{std::string(mask), 0, false});
        s.g_FigX = x;
        s.g_FigY = y;
    }
    void Row(int r, std::string_view p) {
        for (int k = 0; k < kPlayWidth; ++k) s.g_Pole[kFirstCol + k][r] = p[k] == '1';
    }
};

}  // namespace

TEST_F(DemoTest, TiesGoToTheFirstColumnOfTheScanDirection) {
    Figure(kSquare);
    bool seenUp = false, seenDown = false;
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        session.rng = Rng(seed);
        Rng probe = session.rng;
        const bool upward = probe.Rnd() > 0.5;
        demo.dem_Init(session.game);
        // Every column of an empty field scores alike: leftmost upwards, rightmost downwards.
        EXPECT_EQ(demo.TargetColumn(), upward ? 3 : 16) << "seed " << seed;
        EXPECT_EQ(demo.TargetRotation(), 0);
        EXPECT_FALSE(demo.InvertWanted());
        (upward ? seenUp : seenDown) = true;
    }
    EXPECT_TRUE(seenUp && seenDown);
}

TEST_F(DemoTest, APlacementThatMakesHolesIsTakenBackAndTheNextFigurePlannedAgain) {
    // A comb: every placement of a square covers a gap and leaves holes under it.
    for (int r = 27; r <= 30; ++r) Row(r, "101010101010101");
    Figure(kSquare);
    chkDemo_Click(session, true);
    EXPECT_TRUE(demo.TakeBackWanted());
    EXPECT_FALSE(demo.TakeBackNow());
    // The square lands where the plan put it; the next figure's plan carries the wish.
    s.g_FigX = demo.TargetColumn();
    CalcFantom(s);
    s.g_FigY = s.m_FantomY;
    const int x = s.g_FigX, y = s.g_FigY;
    Landing(session.game);
    ASSERT_TRUE(s.g_Pole[x + 1][y + 1]);
    EXPECT_TRUE(demo.TakeBackNow());
    tmrDemo_Timer(session);
    EXPECT_FALSE(s.g_Pole[x + 1][y + 1]) << "the square was taken back";
    EXPECT_EQ(s.g_LastFig.TakeBackCount, 1);
}

TEST_F(DemoTest, CommandsOfTheTimer) {
    Figure(kSquare);
    chkDemo_Click(session, true);
    const int target = demo.TargetColumn();
    // Moves one column per tick towards the target, then drops.
    for (int k = 0; k < 20 && !s.g_Dropping; ++k) tmrDemo_Timer(session);
    EXPECT_TRUE(s.g_Dropping);
    EXPECT_EQ(s.g_FigX, target);

    // A losing colour bonus keeps a figure in place from being dropped.
    Figure(kSquare);
    s.g_Dropping = false;
    s.g_DropArmed = true;
    demo.dem_Init(session.game);
    s.g_FigX = demo.TargetColumn();
    s.g_ColorState = -1;
    for (int k = 0; k < 5; ++k) tmrDemo_Timer(session);
    EXPECT_FALSE(s.g_Dropping);

    // A tick withheld by the throttle issues nothing, not a drop.
    s.g_ColorState = 0;
    demo.dem1_SetSpeed(5);
    Figure(kSquare);
    demo.dem_Init(session.game);
    const int x = s.g_FigX;
    for (int k = 0; k < 4; ++k) tmrDemo_Timer(session);
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_EQ(s.g_FigX, x);
}

TEST_F(DemoTest, SpeedKeysActOnlyWhileTheDemoRuns) {
    DemoSpeedKey(session, 2);
    EXPECT_EQ(demo.Speed(), 0);
    chkDemo_Click(session, true);
    DemoSpeedKey(session, 3);
    EXPECT_EQ(demo.Speed(), 5);
    EXPECT_EQ(s.lblScore, "Demo3");
    // The timer fires once per 5 ms of the clock while the loop waits.
    const int64_t before = session.demo.lastFire;
    HeadlessPass(session);
    EXPECT_GT(session.demo.lastFire, before);
}

// The demo plays on into the next game of a series: its first figure gets a plan of
// its own, not the one made for the figure that ended the game before.
TEST_F(DemoTest, TheNextGameOfASeriesPlansItsFirstFigure) {
    cfg.g_Trial = true;
    f_Init(session.game);   // a fresh series: game 1
    ASSERT_EQ(s.g_TrialGameNo, 1);
    chkDemo_Click(session, true);
    Figure("1000000000000001");   // no figure the game makes
    demo.dem_Init(session.game);
    f_Init(session.game);   // game 2 of the series, the demo box still pressed
    ASSERT_EQ(s.g_TrialGameNo, 2);
    ASSERT_TRUE(session.state.chkDemo);
    EXPECT_EQ(demo.Rotation(3), s.g_Figs[0].Cells) << "the plan is for the figure that falls";
}

// A figure that cannot follow its plan (here a filled column stands between it and its
// target) is dropped where it stands instead of being turned and pushed for ever.
TEST_F(DemoTest, AFigureThatCannotFollowItsPlanIsDropped) {
    Figure(kSquare, kSpawnCol, 27);
    chkDemo_Click(session, true);
    const int target = demo.TargetColumn();
    ASSERT_NE(target, s.g_FigX);
    const int wall = target < s.g_FigX ? s.g_FigX : s.g_FigX + 3;   // the column beside the square
    for (int r = 0; r <= s.FloorRow(); ++r) s.g_Pole[wall][r] = true;
    int commands = 0;
    for (; commands < 1000 && !s.g_Dropping; ++commands) tmrDemo_Timer(session);
    EXPECT_TRUE(s.g_Dropping);
    EXPECT_LE(commands, kDemoPlanCommands + 1);
}
