// The colour-blind palette under simulated colour blindness, and the shape marks'
// pictures told apart without colour.
//
// Sight is simulated with the Machado, Oliveira and Fernandes (2009) matrices for
// full protanopia, deuteranopia and tritanopia (severity 1.0), applied to linear
// RGB; the simulated colours are compared in CIELAB (D65) by the CIE76 difference.
// One CIE76 unit near 2.3 is the least difference seen between two large patches
// side by side. Figures are small, textured and lit unevenly, and are told apart at
// a glance while they fall, so every pair must keep more than ten times that: 30.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "render/palette.h"
#include "render/shape_marks.h"

using namespace zembrol;
using namespace zembrol::render;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Lab = std::array<double, 3>;

constexpr double kLeastDifference = 30.0;

struct Sight {
    const char* name;
    Matrix m;
};
const std::array<Sight, 4> kSights = {{
    {"normal sight", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

double Linear(uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The colour as the sight sees it, in CIELAB.
Lab Seen(const PaletteColor& c, const Matrix& m) {
    const std::array<double, 3> in = {Linear(c.r), Linear(c.g), Linear(c.b)};
    std::array<double, 3> rgb{};
    for (int i = 0; i < 3; ++i)
        rgb[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Difference(const Lab& a, const Lab& b) { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

}  // namespace

TEST(ColorBlindPalette, EveryPairOfKindsStaysApartInEverySight) {
    const auto& palette = ColorBlindPalette();
    for (const Sight& sight : kSights) {
        double least = 1e9;
        for (size_t a = 0; a < palette.size(); ++a)
            for (size_t b = a + 1; b < palette.size(); ++b) {
                const double d = Difference(Seen(palette[a], sight.m), Seen(palette[b], sight.m));
                least = std::min(least, d);
                EXPECT_GE(d, kLeastDifference) << sight.name << ": kinds " << a << " and " << b;
            }
        RecordProperty(sight.name, std::to_string(least));
    }
}

TEST(ColorBlindPalette, TheSimulationTellsAClassicConfusionApart) {
    // Red and green, far apart for normal sight, nearly meet for a deuteranope: the
    // check above would catch a palette that leans on them.
    const PaletteColor red{200, 60, 40}, green{110, 130, 40};
    EXPECT_GT(Difference(Seen(red, kSights[0].m), Seen(green, kSights[0].m)), kLeastDifference);
    EXPECT_LT(Difference(Seen(red, kSights[2].m), Seen(green, kSights[2].m)), kLeastDifference / 2);
}

TEST(ShapeMarks, EveryKindHasItsOwnPictureInAClearTile) {
    const MarkAtlas atlas = MakeMarkAtlas();
    ASSERT_EQ(atlas.width, kMarkTile * kFigureKinds);
    ASSERT_EQ(atlas.height, kMarkTile);
    auto alpha = [&](int kind, int x, int y) {
        return atlas.pixels[(static_cast<size_t>(y) * atlas.width + static_cast<size_t>(kind * kMarkTile + x)) * 4 + 3];
    };
    for (int k = 0; k < kFigureKinds; ++k) {
        int covered = 0;
        for (int y = 0; y < kMarkTile; ++y)
            for (int x = 0; x < kMarkTile; ++x) {
                const bool border = x < 2 || y < 2 || x >= kMarkTile - 2 || y >= kMarkTile - 2;
                if (border) {
                    EXPECT_EQ(alpha(k, x, y), 0) << "kind " << k << " bleeds at " << x << "," << y;
                }
                covered += alpha(k, x, y) > 128;
            }
        // A mark a player can see: between a tenth and two thirds of its tile.
        EXPECT_GT(covered, kMarkTile * kMarkTile / 10) << k;
        EXPECT_LT(covered, kMarkTile * kMarkTile * 2 / 3) << k;
        // Two pictures differ in a good part of their pixels, not in a few at the edge.
        for (int other = 0; other < k; ++other) {
            int differing = 0;
            for (int y = 0; y < kMarkTile; ++y)
                for (int x = 0; x < kMarkTile; ++x) differing += (alpha(k, x, y) > 128) != (alpha(other, x, y) > 128);
            EXPECT_GT(differing, kMarkTile * kMarkTile / 12) << "kinds " << k << " and " << other;
        }
    }
}
