// The shared loop pass: pacing on the clock, idle passes, ticks, game over and the next game.
#include <gtest/gtest.h>

#include "loop/general_loop.h"
#include "session_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

class LoopPassTest : public SessionFixture {};

TEST_F(LoopPassTest, APassStartsWhenTheIntervalOfTheSpeedHasPassed) {
    for (int16_t speed : {0, 1, 2}) {
        cfg.g_TickMs = TickMsForSpeed(speed, cfg.g_TickMs);
        const int64_t start = clock.NowMs();
        session.loop.m_LastPass = start;
        int pumps = 0;
        ASSERT_TRUE(WaitForPass(session, [&] { ++pumps; }));
        EXPECT_EQ(clock.NowMs() - start, cfg.g_TickMs);
        // One sleep to the pass: events run before it and before the pass (a window's
        // clock wakes early for an event, and the events then run at once).
        EXPECT_EQ(pumps, 2);
        EXPECT_EQ(session.loop.m_LastPass, clock.NowMs());
        // With the demo timer on, the sleeps end at each of its ticks, every 5 ms.
        s.tmrDemo = true;
        session.loop.m_LastPass = clock.NowMs();
        session.demo.lastFire = clock.NowMs();
        pumps = 0;
        ASSERT_TRUE(WaitForPass(session, [&] {
            ++pumps;
            if (clock.NowMs() - session.demo.lastFire >= kDemoTimerMs) session.demo.lastFire = clock.NowMs();
        }));
        EXPECT_EQ(pumps, cfg.g_TickMs / kDemoTimerMs + 1);
        s.tmrDemo = false;
    }
    session.loop.running = false;
    EXPECT_FALSE(WaitForPass(session));
}

TEST_F(LoopPassTest, AtSlowSpeedTheFirstRowTakes150PassesOf25Ms) {
    cfg.g_TickMs = 25;
    Figure(kBar);
    for (int k = 0; k < 149; ++k) ASSERT_EQ(HeadlessPass(session), PassEnd::Ticked);
    EXPECT_EQ(s.g_FigY, 0);
    HeadlessPass(session);
    EXPECT_EQ(s.g_FigY, 1);
    EXPECT_EQ(clock.NowMs(), 150 * 25);
}

TEST_F(LoopPassTest, PausedOrFlyingPassesSleepAndAdvanceNothing) {
    Figure(kBar, 9, 3);
    s.m_FallCounter = 10;
    s.m_FigTicks = 10;
    s.g_Running = false;
    const int64_t t0 = clock.NowMs();
    EXPECT_EQ(GamePass(session), PassEnd::Idle);
    EXPECT_EQ(clock.NowMs() - t0, 20);
    s.g_Running = true;
    s.cl_Busy = true;
    EXPECT_EQ(GamePass(session), PassEnd::Idle);
    EXPECT_EQ(s.m_FallCounter, 10);
    EXPECT_EQ(s.m_FigTicks, 10);
    s.cl_Busy = false;
    EXPECT_EQ(GamePass(session), PassEnd::Ticked);
    EXPECT_EQ(s.m_FallCounter, 11);
}

TEST_F(LoopPassTest, EveryPassComputesTheGhost) {
    Figure(kBar, 12, 0);
    HeadlessPass(session);
    EXPECT_EQ(s.m_FantomX, 12);
    EXPECT_EQ(s.m_FantomY, 27);
}

TEST_F(LoopPassTest, GameOverStartsTheNextGame) {
    // A full column under the spawn point: the next figure overlaps at once.
    for (int r = 1; r <= 30; ++r) s.g_Pole[10][r] = s.g_Pole[11][r] = true;
    Figure(kBar, 5, 27);
    s.m_FallDelay = 0;
    s.score.s_setval(777);
    EXPECT_EQ(HeadlessPass(session), PassEnd::NewGame);
    EXPECT_EQ(session.loop.gamesOver, 1);
    EXPECT_TRUE(s.m_EndOfGameDisplay);
    EXPECT_EQ(s.score.s_getval(), 0);
    EXPECT_FALSE(s.g_Pole[10][5]);
    EXPECT_TRUE(s.g_Running);
    EXPECT_EQ(ev.Matching("BookLevelStat"), std::vector<std::string>{"BookLevelStat 0 1"});
}

// The host's frame ends the flight the rules wait for, between passes; a session with
// no host to fly it does not wait at all.
TEST(GeneralLoop, TheFlightEndsWhenTheHostReportsIt) {
    GameSettings cfg;
    Rng rng{1};
    RecordingEvents ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    session.loop.running = true;
    f_Init(session.game);
    int frames = 0;
    session.advanceFrame = [&](const GameState&) { return FrameOutcome{++frames == 3}; };
    session.state.cl_Busy = true;
    EXPECT_EQ(LoopPass(session), PassEnd::Idle);
    EXPECT_EQ(LoopPass(session), PassEnd::Idle);
    EXPECT_NE(LoopPass(session), PassEnd::Idle) << "the third frame ended the flight";
    EXPECT_FALSE(session.state.cl_Busy);
    session.advanceFrame = nullptr;
    session.state.cl_Busy = true;
    EXPECT_NE(LoopPass(session), PassEnd::Idle);
}
