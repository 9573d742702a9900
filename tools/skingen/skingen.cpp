// skingen paints the three main-window skins shipped in data/skins: a deep
// gradient with soft light, a scatter of faint falling figures and a vignette,
// each skin in its own palette.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "paint/canvas.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

using paint::Canvas;
using paint::Mix;
using paint::Rgb;

struct Palette {
    Rgb top, bottom, glow, figure;
};

Canvas Paint(const Palette& p, unsigned seed) {
    Canvas img(kWidth, kHeight);
    // Gradient, a soft glow from the upper right and a vignette.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            float t = static_cast<float>(y) / kHeight;
            Rgb c = Mix(p.top, p.bottom, t);
            float dx = (x - 640.0f) / 420.0f, dy = (y - 60.0f) / 320.0f;
            float glow = std::exp(-(dx * dx + dy * dy));
            c = Mix(c, p.glow, 0.35f * glow);
            float vx = (x - 400.0f) / 400.0f, vy = (y - 300.0f) / 300.0f;
            float vignette = 1.0f - 0.35f * std::min(1.0f, (vx * vx + vy * vy) * 0.6f);
            img.at(x, y) = c * vignette;
        }
    // Faint figures of four cells drifting down the window.
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> u(0, 1);
    static const int kShapes[7][4][2] = {{{0, 0}, {1, 0}, {0, 1}, {0, 2}}, {{0, 0}, {0, 1}, {0, 2}, {1, 2}},
                                         {{0, 0}, {0, 1}, {0, 2}, {0, 3}}, {{0, 0}, {1, 0}, {1, 1}, {2, 1}},
                                         {{1, 0}, {2, 0}, {0, 1}, {1, 1}}, {{0, 0}, {1, 0}, {2, 0}, {1, 1}},
                                         {{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
    for (int n = 0; n < 60; ++n) {
        const int cell = 10 + static_cast<int>(u(rng) * 14);
        const int ox = static_cast<int>(u(rng) * kWidth), oy = static_cast<int>(u(rng) * kHeight);
        const float alpha = 0.04f + 0.08f * u(rng);
        const auto& shape = kShapes[static_cast<int>(u(rng) * 7) % 7];
        for (const auto& c : shape)
            for (int y = 1; y < cell - 1; ++y)
                for (int x = 1; x < cell - 1; ++x) {
                    const int X = ox + c[0] * cell + x, Y = oy + c[1] * cell + y;
                    if (X < 0 || Y < 0 || X >= kWidth || Y >= kHeight) continue;
                    // A lit edge on top and left, as a block catching the light.
                    const float edge = (x < 3 || y < 3) ? 1.6f : 1.0f;
                    Rgb& d = img.at(X, Y);
                    d = Mix(d, p.figure, std::min(1.0f, alpha * edge));
                }
    }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT_FOLDER\n");
        return 2;
    }
    const Palette palettes[3] = {
        {{0.13f, 0.13f, 0.32f}, {0.03f, 0.04f, 0.11f}, {0.45f, 0.50f, 0.95f}, {0.70f, 0.75f, 1.00f}},
        {{0.05f, 0.19f, 0.17f}, {0.01f, 0.06f, 0.07f}, {0.30f, 0.85f, 0.70f}, {0.55f, 1.00f, 0.80f}},
        {{0.22f, 0.16f, 0.12f}, {0.06f, 0.05f, 0.05f}, {0.95f, 0.65f, 0.35f}, {1.00f, 0.80f, 0.50f}},
    };
    bool ok = true;
    for (int k = 0; k < 3; ++k)
        ok &= paint::Write("skingen", argv[1], "skin" + std::to_string(k + 1) + ".png",
                           Paint(palettes[k], 1000u + static_cast<unsigned>(k)));
    return ok ? 0 : 1;
}
