// The backdrop's deformations, the level banner and the level flight: their frames.
#include <gtest/gtest.h>

#include "effects/cls_change_level_script.h"
#include "effects/cls_deform_quad.h"
#include "effects/cls_moving_quads.h"
#include "game/rng.h"

using namespace zembrol;

namespace {
// Steps a fresh deformation of `type` (delay 0: step 1/400) `frames` times.
clsDeformQuad Deformed(int16_t type, int frames) {
    clsDeformQuad q;
    q.dq_SetParams(type, 0);
    for (int k = 0; k < frames; ++k) q.dq_MakeDeform();
    return q;
}
}  // namespace

TEST(DeformQuad, CornersOfTheTableTypesAtAQuarterPhase) {
    // 100 frames at step 1/400: p = 0.25.
    struct Case { int16_t type; std::array<TexCoord, 4> c; };
    const float p = 0.25f;
    const Case cases[] = {
        {1, {{{p - 1, 1 - p}, {p - 1, p}, {p, 1 - p}, {1 - p, 1 - p}}}},
        {2, {{{0, p}, {0, 1 - p}, {1, p}, {1, 1 - p}}}},
        {3, {{{0, -p}, {0, p}, {1, -p}, {1, p}}}},
        {4, {{{0, -p}, {0, 1 - p}, {1, -p}, {1, 1 - p}}}},
        {5, {{{0, -p}, {0, 1 - p}, {1, -p}, {1, 1 - p}}}},
        {6, {{{-p, 0}, {-p, 1}, {1 + p, 0}, {1 + p, 1}}}},
        {7, {{{-p, 0}, {-p, 1}, {1 - p, 0}, {1 - p, 1}}}},
    };
    for (const Case& c : cases) {
        const clsDeformQuad q = Deformed(c.type, 100);
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(q.Corners()[k].u, c.c[k].u, 1e-4) << "type " << c.type << " corner " << k;
            EXPECT_NEAR(q.Corners()[k].v, c.c[k].v, 1e-4) << "type " << c.type << " corner " << k;
        }
    }
    // The swirl: 100 frames turn the angle by 100 x 2.5 = 250 degrees.
    const clsDeformQuad swirl = Deformed(8, 100);
    EXPECT_NEAR(swirl.Angle(), 250, 1e-6);
    EXPECT_NEAR(swirl.Corners()[0].u, std::cos(250 * 3.14159265 / 180), 1e-4);
}

TEST(DeformQuad, PingPongTurnsWrapRestartsAndTheDelaySlowsItDown) {
    // A sweep takes 400 frames; a bound may be passed by one step before the turn.
    EXPECT_NEAR(Deformed(4, 400).Phase(), 1, 0.003);
    EXPECT_NEAR(Deformed(4, 500).Phase(), 0.75, 0.006) << "the phase runs back after 1";
    EXPECT_LT(Deformed(4, 500).Step(), 0);
    EXPECT_NEAR(Deformed(5, 500).Phase(), 0.25, 0.003) << "the endless scroll starts again at 0";
    EXPECT_GT(Deformed(5, 500).Step(), 0);
    clsDeformQuad slow;
    slow.dq_SetParams(4, 9);
    EXPECT_NEAR(slow.Step(), 0.1 / 400, 1e-12);
    const clsDeformQuad still = Deformed(0, 50);
    EXPECT_EQ(still.Corners()[3].u, 1);
    EXPECT_EQ(still.Phase(), 0);
    for (int16_t type = 9; type <= 13; ++type) {
        const clsDeformQuad q = Deformed(type, 777);
        for (const TexCoord& c : q.Corners()) EXPECT_LE(std::abs(c.u) + std::abs(c.v), 5) << "type " << type;
    }
}

TEST(MovingQuads, SlidesInHolds151FramesAndLeaves) {
    clsMovingQuads mq;
    mq.mq_Init(30.5f, true);
    EXPECT_FALSE(mq.Done()) << "with the banner on it runs from the start";
    mq.mq_ReInit();
    int frames = 0, holding = 0;
    bool wasIn = false;
    while (mq.mq_Step()) {
        ++frames;
        if (!mq.MovingOut() && mq.X2() <= 13) {
            ++holding;
            wasIn = true;
            EXPECT_NEAR(mq.X1(), 8, 0.11);
        }
    }
    EXPECT_TRUE(wasIn);
    EXPECT_GE(holding, 150);
    EXPECT_EQ(mq.Hold(), 151) << "the 151st held frame turns to the way out";
    EXPECT_NEAR(frames, 220 + 151 + 230, 3);
    clsMovingQuads off;
    off.mq_Init(30.5f, false);
    EXPECT_FALSE(off.mq_Step()) << "with the banner off it is idle until a restart";
}

TEST(ChangeLevelScript, ThreeSegmentsOf55FramesEndAtTheRestingView) {
    Rng rng(3);
    const CameraView rest{{11.05f, 14.5f, 127}, {11.05f, 14.5f, 0}, 0.2856f};
    clsChangeLevelScript cl;
    cl.cl_Init(rest, rng);
    ASSERT_TRUE(cl.cl_Busy());
    Vec3 eye, at;
    float tilt = 0;
    int frames = 0;
    while (cl.cl_Busy()) {
        cl.cl_ExecScript(&eye, &at, &tilt);
        ++frames;
        if (frames == 55) {
            EXPECT_EQ(cl.SegmentIndex(), 1);
        }
        if (frames == 110) {
            EXPECT_FLOAT_EQ(eye.z, 50);   // straight down the centre axis
            EXPECT_FLOAT_EQ(at.x, 12);
        }
        EXPECT_LE(std::abs(tilt), 1.0f / 6);
    }
    EXPECT_EQ(frames, 165);
    EXPECT_FLOAT_EQ(eye.z, rest.eye.z);
    EXPECT_FLOAT_EQ(at.y, rest.lookAt.y);
    EXPECT_EQ(cl.Segments()[1].startEye.z, cl.Segments()[0].endEye.z) << "each segment starts where the last ended";
}
