// The base layout in any window: scaled by the smaller ratio and centred, never stretched.
#include <gtest/gtest.h>

#include <cmath>

#include "render/view_layout.h"

using namespace zembrol::render;

TEST(ViewLayout, KeepsItsShapeCentredInAnyWindow) {
    struct Case { int w, h; float scale; int ox, oy; };
    for (const Case& c : {Case{800, 600, 1, 0, 0}, Case{1200, 900, 1.5f, 0, 0}, Case{1100, 600, 1, 150, 0},
                          Case{1280, 1024, 1.6f, 0, 32}, Case{400, 600, 0.5f, 0, 150}}) {
        const ViewRect v = LayoutView(c.w, c.h);
        EXPECT_FLOAT_EQ(v.scale, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ(v.originX, c.ox) << c.w << "x" << c.h;
        EXPECT_EQ(v.originY, c.oy) << c.w << "x" << c.h;
        EXPECT_NEAR(Aspect(v), 343.0 / 500.0, 0.01) << "the view is never stretched";
        EXPECT_EQ(v.x, c.ox + static_cast<int>(std::lround(kBaseViewX * c.scale)));
    }
}
