// Fixed tables of the scene: per-skin anchor points of the next-figure panels and
// the ball column, and the blend factor table of the graphics settings.
#pragma once

#include <cstdint>

namespace zembrol::render {

inline constexpr int kSkins = 5;

struct Anchor {
    float x = 0, y = 0;
};

// The first next-figure panel, the column of further panels and the ball column of
// a skin (g_SkinIndex); an index outside 0..4 uses skin 0.
Anchor NextPos(int skin);
Anchor NextsPos(int skin);
Anchor BallPos(int skin);

// The device blend codes the settings index stands for: 1 ZERO, 2 ONE, 3 SRCCOLOR,
// 4 INVSRCCOLOR, 5 SRCALPHA, 6 INVSRCALPHA, 7 DESTALPHA, 8 INVDESTALPHA,
// 9 DESTCOLOR, 10 INVDESTCOLOR; 0 for an index with no factor.
enum BlendCode : int16_t {
    kBlendNone = 0, kBlendZero = 1, kBlendOne, kBlendSrcColor, kBlendInvSrcColor, kBlendSrcAlpha,
    kBlendInvSrcAlpha, kBlendDestAlpha, kBlendInvDestAlpha, kBlendDestColor, kBlendInvDestColor,
};
// Settings index (gr_AlphaSource, gr_AlphaDest) → blend code.
BlendCode BlendFactorForIndex(int index);

}  // namespace zembrol::render
