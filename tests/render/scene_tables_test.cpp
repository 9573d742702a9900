// Tables the frame looks things up in: blend factors and the per-skin anchors.
#include <gtest/gtest.h>

#include "render/scene_tables.h"

namespace zembrol::render {
namespace {

TEST(BlendFactorForIndex, MapsTheSettingsListAndGivesNothingOutsideIt) {
    const BlendCode want[] = {kBlendDestAlpha,  kBlendDestColor, kBlendInvDestAlpha, kBlendInvDestColor,
                              kBlendInvSrcAlpha, kBlendInvSrcColor, kBlendOne,      kBlendSrcAlpha,
                              kBlendSrcColor,   kBlendZero};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(BlendFactorForIndex(i), want[i]) << "index " << i;
    // "SCRALPHASAT" (10) has no factor, nor has any other value.
    for (int i : {10, 11, -1, 255}) EXPECT_EQ(BlendFactorForIndex(i), kBlendNone) << "index " << i;
}

TEST(SkinAnchors, EverySkinHasItsPanelsAndBallColumn) {
    struct Row {
        Anchor next, nexts, ball;
    } rows[] = {{{19.5f, 0}, {19.5f, 0}, {0.7f, -1.5f}},  {{19.5f, 3}, {-0.5f, -6}, {14, 4.5f}},
                {{19.5f, 0}, {19.5f, 9}, {0.7f, -1.5f}},  {{-0.5f, -1}, {19.5f, -7}, {0.7f, 1.5f}},
                {{19.5f, 4}, {-0.5f, 9}, {14, 4.5f}}};
    for (int skin = 0; skin < kSkins; ++skin) {
        const Row& r = rows[skin];
        EXPECT_EQ(NextPos(skin).x, r.next.x) << skin;
        EXPECT_EQ(NextPos(skin).y, r.next.y) << skin;
        EXPECT_EQ(NextsPos(skin).x, r.nexts.x) << skin;
        EXPECT_EQ(NextsPos(skin).y, r.nexts.y) << skin;
        EXPECT_EQ(BallPos(skin).x, r.ball.x) << skin;
        EXPECT_EQ(BallPos(skin).y, r.ball.y) << skin;
    }
    // A hand-edited skin number out of range draws like skin 0 instead of reading past the table.
    EXPECT_EQ(NextPos(7).x, 19.5f);
    EXPECT_EQ(BallPos(-1).y, -1.5f);
}

}  // namespace
}  // namespace zembrol::render
