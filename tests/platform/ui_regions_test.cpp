// The changed part of the controls: cells whose triangles differ between two frames.
#include "platform/ui_regions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zembrol::platform {
namespace {

constexpr int kCell = RegionPrints::kCell;

struct Tri {
    float x0, y0, x1, y1;
    uint64_t print;
};

RegionPrints Frame(int width, int height, std::initializer_list<Tri> tris) {
    RegionPrints p;
    p.Reset(width, height);
    for (const Tri& t : tris) p.Add(t.x0, t.y0, t.x1, t.y1, t.print);
    return p;
}

TEST(RegionPrints, TheChangedBoxHoldsEveryCellWhoseTrianglesDiffer) {
    const Tri panel{0, 0, 320, 240, 1}, label{100, 40, 140, 52, 2};
    struct Case {
        std::string what;
        RegionPrints after;
        PixelBox expected;
    };
    const RegionPrints before = Frame(320, 240, {panel, label});
    const Case cases[] = {
        {"the same triangles", Frame(320, 240, {panel, label}), {}},
        {"the label's new text", Frame(320, 240, {panel, {100, 40, 140, 52, 3}}),
         {3 * kCell, 1 * kCell, 2 * kCell, 1 * kCell}},
        // Both where it was and where it went are drawn again.
        {"the label moved down", Frame(320, 240, {panel, {100, 200, 140, 212, 2}}),
         {3 * kCell, 1 * kCell, 2 * kCell, 6 * kCell}},
        {"the label gone", Frame(320, 240, {panel}), {3 * kCell, 1 * kCell, 2 * kCell, 1 * kCell}},
        // Overlapping triangles in another order blend to other pixels where they meet.
        {"drawn in the other order", Frame(320, 240, {label, panel}), {3 * kCell, 1 * kCell, 2 * kCell, 1 * kCell}},
        {"another window size", Frame(321, 240, {panel, label}), {0, 0, 321, 240}},
        // A box ending on a cell's edge still reaches into the next cell by a pixel:
        // a triangle's edge pixels are rounded either way.
        {"a triangle up to a cell edge", Frame(320, 240, {panel, label, {64, 64, 96, 96, 4}}),
         {kCell, kCell, 3 * kCell, 3 * kCell}},
        // The last cells are cut at the window's edge.
        {"a triangle past the corner", Frame(320, 240, {panel, label, {300, 230, 900, 900, 5}}),
         {9 * kCell, 7 * kCell, 320 - 9 * kCell, 240 - 7 * kCell}},
        {"nothing drawn: an empty or inverted box", Frame(320, 240, {panel, label, {50, 50, 50, 60, 6}, {60, 60, 10, 70, 7}}),
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.after.ChangedSince(before), c.expected)
            << c.after.ChangedSince(before).x << "," << c.after.ChangedSince(before).y << " "
            << c.after.ChangedSince(before).width << "x" << c.after.ChangedSince(before).height;
    }
}

TEST(RegionPrints, AFirstFrameIsWhollyChanged) {
    EXPECT_EQ(Frame(100, 50, {}).ChangedSince(RegionPrints{}), (PixelBox{0, 0, 100, 50}));
}

TEST(Fingerprint, EveryByteAndTheLengthCount) {
    const unsigned char a[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    unsigned char b[11];
    std::copy(a, a + 11, b);
    EXPECT_EQ(Fingerprint(a, 11, 0), Fingerprint(b, 11, 0));
    for (size_t k = 0; k < 11; ++k) {
        b[k] ^= 1;
        EXPECT_NE(Fingerprint(a, 11, 0), Fingerprint(b, 11, 0)) << "byte " << k;
        b[k] ^= 1;
    }
    const unsigned char zeros[9] = {};
    EXPECT_NE(Fingerprint(zeros, 8, 0), Fingerprint(zeros, 9, 0));
    EXPECT_NE(Fingerprint(a, 11, 0), Fingerprint(a, 11, 1)) << "the seed";
}

}  // namespace
}  // namespace zembrol::platform
