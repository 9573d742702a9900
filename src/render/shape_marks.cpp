// The marks' pictures as signed distances on a tile (negative inside), painted with
// a soft edge: ring square, dot, ring, bar, plus, cross, triangle, standing bar.
// (A diamond was too like the dot at the few pixels a mark covers.)
#include "render/shape_marks.h"

#include <algorithm>
#include <cmath>

namespace zembrol::render {

namespace {

// Distance from (x, y) in -1..1 to the edge of kind k's picture; negative inside.
float Distance(int kind, float x, float y) {
    const float ax = std::abs(x), ay = std::abs(y);
    auto box = [&](float hx, float hy) { return std::max(ax - hx, ay - hy); };
    switch (kind) {
        case 1: return std::hypot(x, y) - 0.5f;                           // dot
        case 2: return std::abs(std::hypot(x, y) - 0.5f) - 0.16f;         // ring
        case 3: return box(0.7f, 0.2f);                                   // bar
        case 4: return std::min(box(0.7f, 0.17f), box(0.17f, 0.7f));      // plus
        case 5: {                                                         // cross
            const float u = (x + y) * 0.7071f, v = (x - y) * 0.7071f;
            auto arm = [](float a, float b) { return std::max(std::abs(a) - 0.75f, std::abs(b) - 0.17f); };
            return std::min(arm(u, v), arm(v, u));
        }
        case 6: {                                                         // triangle, centred
            const float yc = y + 0.2f;
            return std::max(ax * 0.866f + yc * 0.5f, -yc) - 0.4f;
        }
        case 7: return box(0.2f, 0.7f);                                   // standing bar
        default: return std::abs(box(0.55f, 0.55f)) - 0.14f;              // ring square
    }
}

}  // namespace

MarkAtlas MakeMarkAtlas() {
    MarkAtlas a;
    a.width = kMarkTile * kFigureKinds;
    a.height = kMarkTile;
    a.pixels.assign(static_cast<size_t>(a.width) * a.height * 4, 0);
    // One pixel in tile units; the rim is two pixels wide, the edges a pixel soft.
    const float pixel = 2.0f / (kMarkTile - 4);
    for (int k = 0; k < kFigureKinds; ++k)
        for (int py = 0; py < kMarkTile; ++py)
            for (int px = 0; px < kMarkTile; ++px) {
                // Two pixels of every tile's border stay clear, so the smaller
                // mipmap levels do not bleed one mark into the next.
                const float x = (px + 0.5f - kMarkTile / 2.0f) * pixel, y = (py + 0.5f - kMarkTile / 2.0f) * pixel;
                const float d = Distance(k, x, y);
                const float core = std::clamp(0.5f - d / pixel, 0.0f, 1.0f);
                const float shape = std::clamp(0.5f - (d - 2 * pixel) / pixel, 0.0f, 1.0f);
                const bool border = px < 2 || py < 2 || px >= kMarkTile - 2 || py >= kMarkTile - 2;
                uint8_t* p = &a.pixels[(static_cast<size_t>(py) * a.width + static_cast<size_t>(k * kMarkTile + px)) * 4];
                const auto shade = static_cast<uint8_t>(std::lround(255 * (1 - core) + 25 * core));
                p[0] = p[1] = p[2] = shade;
                p[3] = border ? 0 : static_cast<uint8_t>(std::lround(255 * shape * 0.92f));
            }
    return a;
}

}  // namespace zembrol::render
