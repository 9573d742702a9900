// What the picture generators share: a floating-point colour, a canvas painted in
// it, written out as opaque 8-bit RGBA, and the one way they report a file they
// could not write.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace paint {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator*(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }
inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

struct Canvas {
    int w, h;
    std::vector<Rgb> px;
    Canvas(int w_, int h_, Rgb fill = {}) : w(w_), h(h_), px(static_cast<size_t>(w_ * h_), fill) {}
    Rgb& at(int x, int y) { return px[static_cast<size_t>(y * w + x)]; }
    // Paints every pixel from its centre (u, v in 0..1) and its place.
    void Each(const std::function<Rgb(float u, float v, int x, int y)>& f) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) at(x, y) = f((x + 0.5f) / w, (y + 0.5f) / h, x, y);
    }
    zembrol::platform::RgbaImage Image() const {
        zembrol::platform::RgbaImage img;
        img.width = w;
        img.height = h;
        img.pixels.resize(static_cast<size_t>(w * h * 4));
        for (size_t k = 0; k < px.size(); ++k) {
            img.pixels[k * 4 + 0] = static_cast<uint8_t>(std::lround(Clamp01(px[k].r) * 255));
            img.pixels[k * 4 + 1] = static_cast<uint8_t>(std::lround(Clamp01(px[k].g) * 255));
            img.pixels[k * 4 + 2] = static_cast<uint8_t>(std::lround(Clamp01(px[k].b) * 255));
            img.pixels[k * 4 + 3] = 255;
        }
        return img;
    }
};

// Writes the canvas as folder/name (the format follows the name); false after
// telling stderr why, under the tool's name.
inline bool Write(const char* tool, const std::string& folder, const std::string& name, const Canvas& c) {
    std::string error;
    if (!zembrol::platform::SaveImageRgba(folder + "/" + name, c.Image(), &error)) {
        std::fprintf(stderr, "%s: %s: %s\n", tool, name.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace paint
