// A window asked at a position goes inside the usable area of the display that holds
// its centre; too large a window starts at that area's top-left.
#include <gtest/gtest.h>

#include "platform/window_place.h"

using namespace zembrol::platform;

namespace {
// One 1280 x 1024 screen with a 30 px panel at the top.
const std::vector<DisplayArea> kOne = {{{0, 0, 1280, 1024}, {0, 30, 1280, 994}}};
// Two screens side by side; the right one is smaller and has a panel at its bottom.
const std::vector<DisplayArea> kTwo = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
                                       {{1920, 0, 1280, 1024}, {1920, 0, 1280, 984}}};
}  // namespace

TEST(KeepOnDisplay, MovesTheWindowInsideTheUsableAreaOfItsDisplay) {
    const struct {
        const char* story;
        ScreenPoint wanted;
        int w, h;
        const std::vector<DisplayArea>* displays;
        ScreenPoint want;
    } cases[] = {
        {"inside stays put", {100, 100}, 800, 600, &kOne, {100, 100}},
        {"saved at 96 dpi, grown at 144 dpi: pulled back from the right", {120, 80}, 1200, 900, &kOne, {80, 80}},
        {"under the top panel: moved below it", {10, 0}, 800, 600, &kOne, {10, 30}},
        {"off the bottom right", {1000, 900}, 800, 600, &kOne, {480, 424}},
        {"negative: onto the screen", {-500, -40}, 800, 600, &kOne, {0, 30}},
        {"wider and taller than the screen: top-left of the area", {300, 200}, 1400, 1100, &kOne, {0, 30}},
        {"wider only: left edge, height still clamped", {300, 700}, 1400, 600, &kOne, {0, 424}},
        {"centre on the right screen: kept on it, above its panel", {2200, 700}, 800, 600, &kTwo, {2200, 384}},
        {"straddling, centre on the left screen: stays left", {1500, 100}, 800, 600, &kTwo, {1120, 100}},
        {"centre on no screen: the first one", {5000, 5000}, 800, 600, &kTwo, {1120, 480}},
        {"larger than the right screen: its top-left", {2000, 100}, 1300, 1000, &kTwo, {1920, 0}},
    };
    for (const auto& c : cases) {
        const ScreenPoint got = KeepOnDisplay(c.wanted, c.w, c.h, *c.displays);
        EXPECT_EQ(got.x, c.want.x) << c.story;
        EXPECT_EQ(got.y, c.want.y) << c.story;
    }
}

TEST(KeepOnDisplay, WithoutDisplaysThePositionIsKept) {
    const ScreenPoint got = KeepOnDisplay({-50, 7000}, 800, 600, {});
    EXPECT_EQ(got.x, -50);
    EXPECT_EQ(got.y, 7000);
}
