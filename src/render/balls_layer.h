// The small spheres of the scene: the colour bonus's indicator (clsCHB), the markers
// that show where the lights are, and the column of wobbling balls that counts the
// rows still to remove (clsSphere). Owns their textures, the ball mesh and the balls'
// wobble.
#pragma once

#include <array>

#include "game/game_state.h"
#include "render/light_rig.h"
#include "render/scene_kit.h"
#include "render/widgets.h"

namespace zembrol::render {

class BallsLayer {
public:
    BallsLayer(SceneKit& kit, const LightRig& lights) : kit_(kit), lights_(lights) {}

    // The indicator's texture (d_InitD3D).
    void LoadIndicatorTexture();
    // cs_Spheres.cs_Init: the ball mesh and texture (a missing or broken texture is
    // told to the player) and the balls' wobble rates.
    void InitBalls();

    // The colour bonus's own state drives the indicator.
    void SyncIndicator(const GameState& state);
    void DrawIndicator();
    void DrawMarkersAndBalls(const GameState& state, const Settings& settings);

private:
    SceneKit& kit_;
    const LightRig& lights_;
    clsCHB g_CHB;
    GlTexture texChb_, texSph_;
    GlMesh ballMesh_;
    std::array<std::array<float, 3>, 7> ballOffsets_{}, ballRates_{};
};

}  // namespace zembrol::render
