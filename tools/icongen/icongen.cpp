// icongen paints the game's menu icon at the hicolor theme's sizes: a rounded night-
// blue tile with a falling figure of four bevelled cells over a landed row.
// Usage: icongen OUTPUT_FOLDER  (writes OUTPUT_FOLDER/<n>x<n>/apps/zembrol.png)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "platform/image.h"

namespace {

struct Rgba {
    float r, g, b, a;
};

Rgba Over(Rgba top, Rgba under) {
    const float a = top.a + under.a * (1 - top.a);
    if (a <= 0) return {0, 0, 0, 0};
    auto ch = [&](float t, float u) { return (t * top.a + u * under.a * (1 - top.a)) / a; };
    return {ch(top.r, under.r), ch(top.g, under.g), ch(top.b, under.b), a};
}

// Coverage of a rounded rectangle at (x, y) in unit coordinates, smoothed over a pixel.
float RoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius, float pixel) {
    const float cx = std::clamp(x, x0 + radius, x1 - radius), cy = std::clamp(y, y0 + radius, y1 - radius);
    const float d = std::hypot(x - cx, y - cy) - radius;
    return std::clamp(0.5f - d / pixel, 0.0f, 1.0f);
}

// One bevelled cell: light top-left edges, dark bottom-right edges, a soft face.
Rgba Cell(float x, float y, float x0, float y0, float size, float pixel, Rgba face) {
    const float cover = RoundRect(x, y, x0, y0, x0 + size, y0 + size, size * 0.12f, pixel);
    if (cover <= 0) return {0, 0, 0, 0};
    const float u = (x - x0) / size, v = (y - y0) / size;
    const float edge = 0.16f;
    float shade = 1.0f - 0.18f * (u + v);
    if (u < edge || v < edge) shade = 1.35f;
    if (u > 1 - edge || v > 1 - edge) shade = 0.6f;
    return {std::min(1.0f, face.r * shade), std::min(1.0f, face.g * shade), std::min(1.0f, face.b * shade), cover};
}

zembrol::platform::RgbaImage Icon(int n) {
    zembrol::platform::RgbaImage img;
    img.width = img.height = n;
    img.pixels.resize(static_cast<size_t>(n) * static_cast<size_t>(n) * 4);
    const float pixel = 1.0f / static_cast<float>(n);
    const float cell = 0.19f;
    // A T-shaped figure falling onto a row with a gap under its stem.
    const float fig[4][2] = {{0.22f, 0.16f}, {0.41f, 0.16f}, {0.60f, 0.16f}, {0.41f, 0.35f}};
    const float row[4][2] = {{0.03f, 0.74f}, {0.22f, 0.74f}, {0.60f, 0.74f}, {0.79f, 0.74f}};
    for (int py = 0; py < n; ++py)
        for (int px = 0; px < n; ++px) {
            const float x = (static_cast<float>(px) + 0.5f) * pixel, y = (static_cast<float>(py) + 0.5f) * pixel;
            const float t = y;
            Rgba c{0.05f + 0.08f * t, 0.07f + 0.10f * t, 0.20f + 0.22f * t,
                   RoundRect(x, y, 0.0f, 0.0f, 1.0f, 1.0f, 0.2f, pixel)};
            // A faint field grid on the tile.
            const float gx = std::fmod(x * 8, 1.0f), gy = std::fmod(y * 8, 1.0f);
            if ((gx < 0.06f || gy < 0.06f) && n >= 48) c = Over({0.5f, 0.6f, 1.0f, 0.12f * c.a}, c);
            for (const auto& p : row) c = Over(Cell(x, y, p[0], p[1], cell, pixel, {0.35f, 0.55f, 0.85f, 1}), c);
            for (const auto& p : fig) c = Over(Cell(x, y, p[0], p[1], cell, pixel, {0.95f, 0.62f, 0.25f, 1}), c);
            uint8_t* out = &img.pixels[(static_cast<size_t>(py) * static_cast<size_t>(n) + static_cast<size_t>(px)) * 4];
            out[0] = static_cast<uint8_t>(std::lround(c.r * 255));
            out[1] = static_cast<uint8_t>(std::lround(c.g * 255));
            out[2] = static_cast<uint8_t>(std::lround(c.b * 255));
            out[3] = static_cast<uint8_t>(std::lround(c.a * 255));
        }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT_FOLDER\n");
        return 2;
    }
    for (int n : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string folder = std::string(argv[1]) + "/" + std::to_string(n) + "x" + std::to_string(n) + "/apps";
        std::string error;
        if (!zembrol::platform::MakeFolders(folder, &error) ||
            !zembrol::platform::SaveImageRgba(folder + "/zembrol.png", Icon(n), &error)) {
            std::fprintf(stderr, "icongen: %s: %s\n", folder.c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
