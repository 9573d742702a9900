// Texts, flying numbers and the level banner over the scene.
#include "render/overlay_layer.h"

#include <algorithm>
#include <vector>

#include "game/rounding.h"
#include "render/textures.h"

namespace zembrol::render {

namespace {
// Tops of the centred texts, base view pixels.
constexpr int kPauseTop = 236, kLevelTitleTop = 40;
}  // namespace

void OverlayLayer::LoadNumbers() {
    std::vector<platform::RgbaImage> numbers(kNumTextures);
    for (int k = 0; k < kNumTextures; ++k) {
        const std::string path = kit_.textureFolder + "/num" + std::to_string(k) + ".bmp";
        if (!LoadTextureImage(path, &numbers[static_cast<size_t>(k)], kit_.log))
            kit_.log("Загрузка текстуры nt_arTex - " + path, kLogPlain, false);
    }
    const platform::RgbaImage atlas = PackTiles(numbers, 32);
    numAtlas_.UploadRgba(atlas.width, atlas.height, atlas.pixels.data());
}

void OverlayLayer::InitDigits() {
    for (int k = 0; k < 6; ++k) g_Digits[static_cast<size_t>(k)].dg_Init(k + 1, nullptr);
}

void OverlayLayer::LoadBanner() {
    // The level banner's word plate (mq_Init).
    kit_.log("Загрузка текстуры lev.bmp", kLogPlain, d_LoadTex32x32(&texLev_, kit_.Fixed("lev.bmp"), kit_.log));
}

void OverlayLayer::InitFont() { font_.m_InitLevelFont(kit_.log); }

void OverlayLayer::StartDigits(int slot, float x, float y, int32_t amount, const GameState& state,
                               const Settings& settings) {
    if (slot < 1 || slot > 6) return;
    const DigitSources src{state.g_TimeBonusNow, state.g_MiracleMeter, state.g_ColorTime};
    g_Digits[static_cast<size_t>(slot - 1)].dg_ReInit(x, y, amount, src, NextPos(settings.g_SkinIndex).x, kit_.rng);
}

void OverlayLayer::StartAmountDigits(int32_t amount, float x, float y, const GameState& state,
                                     const Settings& settings) {
    int slot = 2;
    for (int candidate : {2, 5, 6})
        if (!g_Digits[static_cast<size_t>(candidate - 1)].Flying()) {
            slot = candidate;
            break;
        }
    StartDigits(slot, x, y, amount, state, settings);
}

void OverlayLayer::StartMiracleDigits(int32_t meter, const GameState& state, const Settings& settings) {
    const Anchor next = NextPos(settings.g_SkinIndex);
    StartDigits(3, next.x - 1, next.y + 4, meter, state, settings);
}

void OverlayLayer::DrawTexts(const GameState& state, bool levelTitle) {
    Device& device = kit_.device;
    if (!state.g_Running) {
        const ColorValue c = FromArgb(255, RoundEven(kit_.rng.Rnd() * 254), RoundEven(kit_.rng.Rnd() * 254),
                                      RoundEven(kit_.rng.Rnd() * 254));
        font_.m_DrawCenteredText(device, kit_.cornerQuad, kit_.view, "Pause", kPauseTop, c, FromArgb(250, 55, 55, 55),
                                 false);
    }
    if (levelTitle) {
        for (size_t k = 0; k < 3; ++k) {
            m_TextColor[k] = static_cast<int16_t>(std::clamp(m_TextColor[k] + m_TextStep[k], 10, 255));
            if (m_TextColor[k] >= 255 || m_TextColor[k] <= 10) m_TextStep[k] = static_cast<int16_t>(-m_TextStep[k]);
        }
        const int level = std::clamp<int>(state.g_Level, 0, kMaxLevel);
        const std::string title = "Level # " + std::to_string(level) + " : " + state.LevelName[static_cast<size_t>(level)];
        font_.m_DrawCenteredText(device, kit_.cornerQuad, kit_.view, title, kLevelTitleTop,
                                 FromArgb(255, m_TextColor[0], m_TextColor[1], m_TextColor[2]),
                                 FromArgb(255, 255 - m_TextColor[0], 255 - m_TextColor[1], 255 - m_TextColor[2]), false);
    }
    device.SetLighting(true);
}

void OverlayLayer::DrawDigits() {
    Device& device = kit_.device;
    device.SetAlphaBlend(true);
    device.SetLighting(true);
    device.SetBlendFactors(kBlendOne, kBlendOne);
    device.SetModulate2x(false);
    device.SetTexture(&numAtlas_);
    device.SetWorld(glm::mat4(1.0f));
    const ColorValue amb = FromArgb(0xFFEEEEEEu);
    // g_Button (0.9 x 0.8 at depth 2, drawn at z + 0.5) per character; one draw per colour.
    std::array<std::vector<Instance>, 4> byColor;
    for (clsDigit& d : g_Digits) {
        const int color = d.ColorIndex();
        for (const clsDigit::Glyph& g : d.dg_Step()) {
            const int tile = NumTextureIndex(g.c);
            if (tile < 0) continue;
            Instance i = At(g.x, g.y, 2.0f + 0.5f, 1, amb);
            i.sx = 0.9f;
            i.sy = 0.8f;
            i.us = 1.0f / kNumTextures;
            i.uo = static_cast<float>(tile) / kNumTextures;
            byColor[static_cast<size_t>(std::clamp(color, 1, 3))].push_back(i);
        }
    }
    for (int c = 1; c <= 3; ++c) {
        if (byColor[static_cast<size_t>(c)].empty()) continue;
        device.SetMaterial(g_Materials(c));
        device.DrawInstanced(kit_.cornerQuad, byColor[static_cast<size_t>(c)]);
    }
}

void OverlayLayer::DrawBanner(const GameState& state) {
    if (!kit_.effects) return;
    const clsMovingQuads& mq = kit_.effects->MovingQuads();
    if (mq.Done()) return;
    Device& device = kit_.device;
    device.SetAlphaBlend(false);
    device.SetModulate2x(false);
    device.SetLighting(true);
    device.SetMaterial(MatDefault());
    device.SetWorld(glm::mat4(1.0f));
    const ColorValue amb = FromArgb(0xFFFFFFFFu);
    // The word plate: 5 x 1.8 with its own picture.
    Instance word = At(mq.X1(), mq.Y(), 1, 1, amb);
    word.sx = 5;
    word.sy = 1.8f;
    device.SetTexture(&texLev_);
    device.DrawInstanced(kit_.cornerQuad, {word});
    // The number plate: 1 x 1.8; a two-digit level shares it, each digit half as wide.
    const std::string digits = std::to_string(std::clamp<int>(state.g_Level, 0, kMaxLevel));
    std::vector<Instance> glyphs;
    const float w = 1.0f / static_cast<float>(digits.size());
    for (size_t k = 0; k < digits.size(); ++k) {
        Instance g = At(mq.X2() + w * static_cast<float>(k), mq.Y(), 1, 1, amb);
        g.sx = w;
        g.sy = 1.8f;
        g.us = 1.0f / kNumTextures;
        g.uo = static_cast<float>(NumTextureIndex(digits[k])) / kNumTextures;
        glyphs.push_back(g);
    }
    device.SetTexture(&numAtlas_);
    device.DrawInstanced(kit_.cornerQuad, glyphs);
}

}  // namespace zembrol::render
