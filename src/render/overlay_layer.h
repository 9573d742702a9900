// What is drawn over the scene: the "Pause" and level-title texts, the flying
// numbers (clsDigit) and the level banner's plates (g_MovingQuads). Owns the number
// atlas, the banner's word plate, the level font and the six number slots.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "render/level_font.h"
#include "render/scene_kit.h"
#include "render/widgets.h"

namespace zembrol::render {

class OverlayLayer {
public:
    explicit OverlayLayer(SceneKit& kit) : kit_(kit) {}

    // d_InitD3D's parts: the number textures packed side by side, the number slots,
    // the banner's word plate and the level font.
    void LoadNumbers();
    void InitDigits();
    void LoadBanner();
    void InitFont();

    // Flying numbers: slot 1..6 at a field position.
    void StartDigits(int slot, float x, float y, int32_t amount, const GameState& state, const Settings& settings);
    // An amount (price, Inversia, colour bonus) in the first free of slots 2, 5, 6.
    void StartAmountDigits(int32_t amount, float x, float y, const GameState& state, const Settings& settings);
    // The Miracle meter's number, from under the skin's first next panel.
    void StartMiracleDigits(int32_t meter, const GameState& state, const Settings& settings);

    // "Pause" over a paused game; the level's title, in shifting colours, while
    // `levelTitle` (a level flight is shown).
    void DrawTexts(const GameState& state, bool levelTitle);
    void DrawDigits();
    void DrawBanner(const GameState& state);

private:
    SceneKit& kit_;
    GlTexture numAtlas_, texLev_;
    LevelFont font_;
    std::array<clsDigit, 6> g_Digits;
    std::array<int16_t, 3> m_TextColor{100, 100, 100}, m_TextStep{3, 5, 7};
};

}  // namespace zembrol::render
