// texgen: paints the game's texture set (backdrop, level blocks, next panel, ghost,
// world, balls, indicator, progress bar, banner word, digits and letters, special
// figures) into a folder. Run at build time; the output depends on nothing but this
// file and the glyph font, so every build ships the same pictures.
//
// Usage: texgen OUTPUT_FOLDER
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "paint/canvas.h"
#include "platform/font.h"

namespace {

using paint::Canvas;
using paint::Clamp01;
using paint::Mix;
using paint::Rgb;

float Smooth(float e0, float e1, float x) {
    float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Deterministic lattice noise, tileable with period `period` cells.
float Hash(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0f;
}
float Noise(float x, float y, int period, int seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    auto h = [&](int i, int j) { return Hash(((i % period) + period) % period, ((j % period) + period) % period, seed); };
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float a = h(x0, y0) + (h(x0 + 1, y0) - h(x0, y0)) * sx;
    const float b = h(x0, y0 + 1) + (h(x0 + 1, y0 + 1) - h(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}
// Fractal noise over [0,1)^2, tileable; `base` lattice cells across.
float Fbm(float u, float v, int base, int octaves, int seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    int period = base;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise(u * period, v * period, period, seed + o * 17);
        norm += amp;
        amp *= 0.5f;
        period *= 2;
    }
    return sum / norm;
}

Rgb Hsv(float h, float s, float v) {
    h = std::fmod(h, 1.0f) * 6;
    const int i = static_cast<int>(h);
    const float f = h - i, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (i % 6) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        default: return {v, p, q};
    }
}

// Light of a bevelled square tile at (u, v): bright top-left rim, dark bottom-right.
float Bevel(float u, float v, float rim) {
    const float d = std::min({u, v, 1 - u, 1 - v});
    if (d >= rim) return 1.0f;
    const bool lit = d == u || d == v;  // nearest edge is the left or the top one
    const float k = 1 - d / rim;
    return lit ? 1 + 0.35f * k : 1 - 0.45f * k;
}

// A level block: a light, nearly neutral bevelled tile whose inner pattern tells the
// level apart. The field colour and the lights tint it, so it stays bright.
Canvas LevelBlock(int level) {
    Canvas c(64, 64);
    const Rgb tint = Mix(Rgb{1, 1, 1}, Hsv(level / 11.0f, 0.6f, 1.0f), 0.22f);
    c.Each([&](float u, float v, int, int) {
        float shade = 0.78f + 0.1f * Fbm(u, v, 4, 3, 100 + level);
        const float cu = u - 0.5f, cv = v - 0.5f, r = std::sqrt(cu * cu + cv * cv);
        float pat = 0;
        switch (level) {
            case 0: pat = Smooth(0.28f, 0.22f, r) * 0.12f; break;                                   // soft boss
            case 1: pat = (std::fmod(v * 6, 1.0f) < 0.5f) * 0.1f; break;                             // drum skins
            case 2: pat = ((static_cast<int>(u * 4) + static_cast<int>(v * 4)) % 2) * 0.1f; break;  // checks
            case 3: pat = (std::fmod(u + v, 0.25f) < 0.125f) * 0.1f - (u > v) * 0.06f; break;      // inverted halves
            case 4: pat = 0.12f * std::sin(r * 40) * Smooth(0.45f, 0.2f, r); break;                  // ghost rings
            case 5: pat = (std::fmod(u * 8, 1.0f) < 0.2f || std::fmod(v * 8, 1.0f) < 0.2f) * -0.1f; break;  // net
            case 6: pat = (std::abs(cu) < 0.08f || std::abs(cv) < 0.08f) * 0.12f; break;             // cross
            case 7: return Hsv(u * 0.8f + v * 0.2f, 0.35f, 0.95f) * (shade * Bevel(u, v, 0.14f));  // rainbow
            case 8: pat = Hash(static_cast<int>(u * 16), static_cast<int>(v * 16), 8) > 0.88f ? 0.2f : 0; break;  // sparkles
            case 9: pat = Smooth(0.05f, 0.0f, std::abs(r - 0.25f)) * 0.16f; break;                   // zero ring
            default: pat = ((std::fmod(u * 4 + 0.5f, 1.0f) < 0.18f) || (std::fmod(v * 4 + 0.5f, 1.0f) < 0.18f)) * 0.12f; break;  // hashes
        }
        shade = (shade + pat) * Bevel(u, v, 0.14f);
        return tint * shade;
    });
    return c;
}

Canvas Backdrop() {
    Canvas c(128, 256);
    c.Each([](float u, float v, int, int) {
        const float n = Fbm(u, v, 3, 5, 7);
        const float m = Fbm(u + 0.3f, v * 0.5f, 2, 4, 9);
        Rgb deep{0.02f, 0.03f, 0.10f}, glow{0.10f, 0.14f, 0.34f}, violet{0.22f, 0.08f, 0.30f};
        Rgb col = Mix(deep, glow, Smooth(0.35f, 0.8f, n)) + violet * (Smooth(0.55f, 0.85f, m) * 0.5f);
        col = col * (0.85f + 0.3f * v);  // lighter toward the floor
        // a faint lattice one texel wide every 8 texels
        const int x = static_cast<int>(u * 128), y = static_cast<int>(v * 256);
        if (x % 16 == 0 || y % 16 == 0) col = col + Rgb{0.02f, 0.03f, 0.06f};
        return col;
    });
    return c;
}

Canvas NextPanelBlock() {
    Canvas c(64, 64);
    c.Each([](float u, float v, int, int) {
        const float cu = u - 0.5f, cv = v - 0.5f, r = std::sqrt(cu * cu + cv * cv);
        const float shade = (0.75f + 0.2f * Smooth(0.5f, 0.0f, r)) * Bevel(u, v, 0.16f);
        return Rgb{0.80f, 0.88f, 1.0f} * shade;
    });
    return c;
}

Canvas Ghost() {
    Canvas c(64, 64);
    c.Each([](float u, float v, int, int) {
        const float d = std::min({u, v, 1 - u, 1 - v});
        const float frame = Smooth(0.16f, 0.06f, d);
        const Rgb inner = Rgb{0.10f, 0.16f, 0.30f} * (0.8f + 0.4f * Fbm(u, v, 4, 2, 31));
        return Mix(inner, Rgb{0.70f, 0.92f, 1.0f}, frame);
    });
    return c;
}

Canvas World() {
    Canvas c(512, 256);
    c.Each([](float u, float v, int x, int y) {
        const float n = Fbm(u, v, 4, 6, 51);
        const float m = Fbm(u + 0.5f, v, 3, 5, 77);
        Rgb col = Rgb{0.01f, 0.01f, 0.03f} + Rgb{0.10f, 0.04f, 0.16f} * Smooth(0.5f, 0.85f, n) +
                  Rgb{0.02f, 0.08f, 0.14f} * Smooth(0.55f, 0.9f, m);
        const float s = Hash(x, y, 3);
        if (s > 0.996f) col = col + Rgb{0.9f, 0.9f, 1.0f} * ((s - 0.996f) / 0.004f);
        else if (s > 0.985f) col = col + Rgb{0.25f, 0.25f, 0.35f};
        return col;
    });
    return c;
}

Canvas BallTexture() {
    Canvas c(64, 64);
    c.Each([](float u, float v, int, int) {
        const float n = Fbm(u, v, 4, 4, 61);
        const float swirl = 0.5f + 0.5f * std::sin((u * 6 + n * 5) * 3.14159f);
        return Mix(Rgb{0.95f, 0.45f, 0.10f}, Rgb{1.0f, 0.90f, 0.45f}, swirl);
    });
    return c;
}

Canvas IndicatorBall() {
    // Mid grey so that modulate 2x gives back the material's own colour, with a rim.
    Canvas c(32, 32);
    c.Each([](float u, float v, int, int) {
        const float cu = u - 0.5f, cv = v - 0.5f, r = std::sqrt(cu * cu + cv * cv);
        const float k = 0.45f + 0.25f * Smooth(0.5f, 0.1f, r) + 0.1f * std::sin(u * 25) * std::sin(v * 25);
        return Rgb{k, k, k};
    });
    return c;
}

Canvas ProgressBar() {
    Canvas c(64, 16);
    c.Each([](float u, float v, int, int) {
        const Rgb a{1.0f, 0.55f, 0.10f}, b{1.0f, 0.95f, 0.40f};
        const float stripe = std::fmod(u * 8 + v, 1.0f) < 0.5f ? 1.0f : 0.8f;
        const float edge = 0.6f + 0.4f * std::sin(v * 3.14159f);
        return Mix(a, b, u) * (stripe * edge);
    });
    return c;
}

Canvas Special(bool super) {
    Canvas c(64, 64);
    c.Each([super](float u, float v, int, int) {
        const float cu = u - 0.5f, cv = v - 0.5f;
        const float ang = std::atan2(cv, cu), r = std::sqrt(cu * cu + cv * cv);
        const float star = 0.26f + 0.1f * std::cos(ang * 5);
        const float in = Smooth(star + 0.02f, star - 0.02f, r);
        const Rgb base = super ? Rgb{0.55f, 0.25f, 0.85f} : Rgb{0.85f, 0.62f, 0.15f};
        const Rgb hi = super ? Rgb{0.6f, 1.0f, 1.0f} : Rgb{1.0f, 0.97f, 0.7f};
        return Mix(base, hi, in) * Bevel(u, v, 0.14f);
    });
    return c;
}

// A glyph plate: the text centred in ink colours over pure black (the colour key
// makes that black transparent, and additive drawing adds nothing there).
Canvas GlyphPlate(const zembrol::platform::Font& font, const std::string& text, int w, int h, Rgb top, Rgb bottom) {
    Canvas c(w, h);
    const auto img = font.Render(text);
    const int x0 = (w - img.width) / 2, y0 = (h - img.height) / 2;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const int tx = x0 + x, ty = y0 + y;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) continue;
            const float a = img.coverage[static_cast<size_t>(y * img.width + x)] / 255.0f;
            c.at(tx, ty) = Mix(top, bottom, static_cast<float>(ty) / h) * a;
        }
    return c;
}

bool Write(const std::string& folder, const std::string& name, const Canvas& c) {
    return paint::Write("texgen", folder, name, c);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: texgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string fontFile = zembrol::platform::FindFontFile("DejaVu Serif:bold");
    zembrol::platform::Font digits, word;
    std::string error;
    if (fontFile.empty() || !digits.Open(fontFile, 30, &error) || !word.Open(fontFile, 40, &error)) {
        std::fprintf(stderr, "texgen: no glyph font (%s)\n", error.c_str());
        return 1;
    }
    bool ok = Write(out, "bkg.bmp", Backdrop());
    for (int level = 0; level <= 10; ++level) ok &= Write(out, "tex" + std::to_string(level + 1) + ".bmp", LevelBlock(level));
    ok &= Write(out, "texnext.bmp", NextPanelBlock());
    ok &= Write(out, "fant.bmp", Ghost());
    ok &= Write(out, "world.jpg", World());
    ok &= Write(out, "texsph.bmp", BallTexture());
    ok &= Write(out, "chb.bmp", IndicatorBall());
    ok &= Write(out, "prb.bmp", ProgressBar());
    ok &= Write(out, "texzemb.bmp", Special(false));
    ok &= Write(out, "texszemb.bmp", Special(true));
    ok &= Write(out, "lev.bmp", GlyphPlate(word, "Level", 128, 64, {1.0f, 0.95f, 0.6f}, {1.0f, 0.6f, 0.2f}));
    // Number plates: digits 0..9, then the slot letters a..f and the minus sign.
    const std::array<const char*, 17> glyphs = {"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                                "9", "a", "b", "c", "d", "e", "f", "-"};
    for (size_t k = 0; k < glyphs.size(); ++k)
        ok &= Write(out, "num" + std::to_string(k) + ".bmp", GlyphPlate(digits, glyphs[k], 32, 32, {1, 1, 1}, {0.75f, 0.75f, 0.8f}));
    return ok ? 0 : 1;
}
