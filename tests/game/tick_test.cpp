// The tick: fall pacing with m_FallDelay, g_FallSpeed and m_DropWait, and the time-bonus countdown.
#include <gtest/gtest.h>

#include "game/tick.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

class TickTest : public RulesFixture {
protected:
    // Ticks until the figure has fallen `rows` rows; fails if it lands.
    std::vector<int> TicksPerRow(int rows) {
        std::vector<int> out;
        int count = 0;
        while (static_cast<int>(out.size()) < rows) {
            const int y = s.g_FigY;
            EXPECT_FALSE(GameTick(g));
            ++count;
            if (s.g_FigY != y) {
                out.push_back(count);
                count = 0;
            }
            if (count > 1000) break;
        }
        return out;
    }
};

TEST_F(TickTest, FallPacingByLevelFallSpeedAndDrop) {
    struct Case { int16_t delay; int16_t fallSpeed; bool dropping; int perRow; };
    for (const Case& c : {Case{150, 0, false, 150}, Case{135, 0, false, 135}, Case{0, 0, false, 1},
                          Case{150, 0, true, 1}, Case{150, 3, true, 4}, Case{15, 2, false, 17}}) {
        s = GameState{};
        Running(kBar, 9, 0);
        s.m_FallDelay = c.delay;
        s.g_FallSpeed = c.fallSpeed;
        s.g_Dropping = c.dropping;
        EXPECT_EQ(TicksPerRow(3), std::vector<int>(3, c.perRow))
            << "delay " << c.delay << " fall speed " << c.fallSpeed << (c.dropping ? " dropping" : "");
    }
}

TEST_F(TickTest, ATickReportsTheLandingWhenTheFigureCannotFall) {
    Running(kBar, 9, 27);
    s.m_FallDelay = 0;
    EXPECT_TRUE(GameTick(g));
    EXPECT_EQ(s.g_FigY, 27);
    EXPECT_EQ(s.m_DropWait, 0);
}

TEST_F(TickTest, TimeBonusCountsDownOutsideDropsOnly) {
    Running(kBar, 9, 0);
    GameTick(g);
    EXPECT_EQ(s.g_TimeBonusNow, 50);  // round(250 / 5)
    EXPECT_EQ(s.m_FigTicks, 1);
    s.m_FigTicks = 263;
    GameTick(g);
    EXPECT_EQ(s.g_TimeBonusNow, -3);  // round(-13 / 5) = round(-2.6)
    s.g_Dropping = true;
    GameTick(g);
    EXPECT_EQ(s.m_FigTicks, 264);
    EXPECT_EQ(s.g_TimeBonusNow, -3);
}

TEST_F(TickTest, EveryTickSweepsTheMusicPan) {
    Running(kBar, 9, 0);
    ev.recordPanSweep = true;
    for (int k = 0; k < 3; ++k) GameTick(g);
    EXPECT_EQ(ev.calls, std::vector<std::string>(3, "MusicPanSweep"));
}
