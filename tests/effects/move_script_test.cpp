// Camera moves: straight steps to the target, the target reached exactly, and the
// preset targets taken from the figure when the key is pressed.
#include <gtest/gtest.h>

#include "effects/view_presets.h"
#include "game/game_state.h"
#include "game/rng.h"

using namespace zembrol;

namespace {
void ExpectVec(Vec3 got, Vec3 want) {
    EXPECT_FLOAT_EQ(got.x, want.x);
    EXPECT_FLOAT_EQ(got.y, want.y);
    EXPECT_FLOAT_EQ(got.z, want.z);
}
}  // namespace

TEST(MoveScript, StepsInAStraightLineAndEndsExactlyOnTheTarget) {
    clsMoveScript m;
    CameraView resting{{0, 0, 100}, {0, 0, 0}, 0.2f};
    m.cms_Init(4, {8, 4, 20}, resting.eye, {4, 4, 0}, resting.lookAt, 0.2f, 0.6f);
    Vec3 eye, at;
    m.cms_Move(resting, &eye, &at);
    ExpectVec(eye, {2, 1, 80});
    ExpectVec(at, {1, 1, 0});
    EXPECT_FLOAT_EQ(resting.angle, 0.3f);
    EXPECT_TRUE(m.Moving());
    for (int i = 0; i < 3; ++i) m.cms_Move(resting, &eye, &at);
    EXPECT_FALSE(m.Moving());
    ExpectVec(eye, {8, 4, 20});
    ExpectVec(resting.lookAt, {4, 4, 0});
}

TEST(MoveScript, OneStepReachesTheTargetAtOnce) {
    clsMoveScript m;
    CameraView resting = HomeView();
    m.cms_Init(1, {1, 2, 3}, resting.eye, {4, 5, 6}, resting.lookAt, resting.angle, 1.0f);
    Vec3 eye, at;
    m.cms_Move(resting, &eye, &at);
    EXPECT_FALSE(m.Moving());
    ExpectVec(eye, {1, 2, 3});
    ExpectVec(at, {4, 5, 6});
}

TEST(ViewPresets, TargetsFollowTheFigureAndTheGhostWhenPressed) {
    GameState s;
    s.g_FigX = 10;
    s.g_FigY = 5;
    s.m_FantomX = 10;
    s.m_FantomY = 26;
    Rng rng(1);
    const CameraView home = HomeView();
    struct Case { int preset; bool ghost; Vec3 eye, lookAt; int steps; };
    const Case cases[] = {
        {1, true, home.eye, home.lookAt, 50},
        {2, true, {7.5f, 35, 1}, {7.5f, 0, -1}, 60},
        {4, true, {11.5f, 115, 90}, {11.5f, 14.5f, 0}, 50},
        {5, true, {18, 16, 25}, {12, 28, 0}, 50},
        {6, true, {8, -75, 0}, {13, 8, 0}, 50},
        {7, true, {-3, -8, 16}, {12, 7, 0}, 50},
    };
    for (const Case& c : cases) {
        ViewPreset p = ViewPresetTarget(c.preset, s, c.ghost, home, rng);
        SCOPED_TRACE(c.preset);
        ExpectVec(p.target.eye, c.eye);
        ExpectVec(p.target.lookAt, c.lookAt);
        EXPECT_EQ(p.steps, c.steps);
    }
    // The random presets stay inside their ranges.
    for (int i = 0; i < 200; ++i) {
        ViewPreset p = ViewPresetTarget(i % 2 ? 3 : 5, s, false, home, rng);
        EXPECT_GE(p.target.eye.x, -11);
        EXPECT_LT(p.target.eye.x, 11);
        EXPECT_GE(p.target.eye.y, -115);
        EXPECT_LT(p.target.eye.y, 115);
        EXPECT_GT(p.target.angle, 3.14159f / 22);
        EXPECT_LE(p.target.angle, 3.14159f / 2);
    }
}
