// The indicator, the light markers and the ball column.
#include "render/balls_layer.h"

#include <algorithm>
#include <cmath>

#include "platform/files.h"
#include "render/meshes.h"
#include "render/textures.h"

namespace zembrol::render {

void BallsLayer::LoadIndicatorTexture() { d_LoadTex32x32(&texChb_, kit_.Fixed("chb.bmp"), kit_.log); }

void BallsLayer::InitBalls() {
    // The column is drawn with the small shape, as it always was; the mesh is the ball
    // object's own.
    const bool mesh = ballMesh_.Upload(BallMesh(0.5f), GL_TRIANGLES);
    bool texture = true;
    if (!platform::FileExists(kit_.Fixed("texsph.bmp"))) {
        kit_.log.Alert("cs_LoadTexAndSetMat()", "Не найден файл\r\n" + kit_.Fixed("texsph.bmp"));
        texture = false;
    } else if (!d_LoadTex32x32(&texSph_, kit_.Fixed("texsph.bmp"), kit_.log)) {
        kit_.log.Alert("cs_LoadTexAndSetMat()", "Не удалось загрузить текстуру для шариков");
        texture = false;
    }
    kit_.log("cs_Spheres.cs_Init()", kLogPlain, mesh && texture);
    kit_.rng.Randomize();
    for (auto& rates : ballRates_)
        for (float& r : rates) r = static_cast<float>(kit_.rng.Rnd() / 250.0);
}

void BallsLayer::SyncIndicator(const GameState& state) {
    // Green while it warns, then the loss or gain colour, hidden when no bonus runs.
    const bool on = state.g_ColorState != 0 || state.g_ColorWarn != 0;
    g_CHB.chb_Enable(on);
    if (!on) return;
    g_CHB.chb_SetColor(state.g_ColorState < 0 ? 255u : state.g_ColorState > 0 ? 16711680u : 65280u);
    if (state.g_Running) g_CHB.chb_SetPos(state.g_ColorTime);
}

void BallsLayer::DrawIndicator() {
    if (!g_CHB.Enabled() || g_CHB.Step() <= 0) return;
    Device& device = kit_.device;
    device.SetMaterial(g_Materials(g_CHB.MaterialIndex()));
    device.SetLighting(true);
    device.SetModulate2x(true);
    device.SetAlphaBlend(true);
    device.SetBlendFactors(kBlendOne, kBlendOne);
    device.SetTexture(&texChb_);
    device.SetWorld(glm::mat4(1.0f));
    std::vector<Instance> balls;
    for (const clsCHB::Ball& b : g_CHB.Balls()) balls.push_back(At(b.x, b.y, b.z, b.scale, device.Ambient()));
    lights_.DrawWithChosen(device, kit_.smallShape, balls, kShapeRadius);
}

void BallsLayer::DrawMarkersAndBalls(const GameState& state, const Settings& settings) {
    // cs_BeginBalls.
    Device& device = kit_.device;
    device.SetTexture(&texSph_);
    device.SetAlphaBlend(true);
    device.SetBlendFactors(kBlendSrcColor, kBlendInvSrcColor);
    device.SetAmbient(FromArgb(0xFF999999u));
    device.SetWorld(glm::mat4(1.0f));
    const int numLights = lights_.Count(settings);
    if (settings.gr_VisibleLights == 1 && numLights >= 1 && lights_.Made()) {
        // Each marker's material is its light's colour: a white material tinted per instance.
        device.SetMaterial({{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0});
        std::vector<Instance> markers;
        for (int i = settings.bHLNew ? 1 : 0; i < numLights; ++i) {
            const PointLight& l = lights_.Light(i);
            Instance m = At(l.position.x, l.position.y, l.position.z, 1, device.Ambient());
            m.tint = l.color;
            markers.push_back(m);
        }
        lights_.DrawWithChosen(device, kit_.smallShape, markers, kShapeRadius);
    }
    if (settings.iBeSnake == 0) return;
    // cs_DrawBalls: every ball wobbles within +-0.3 on each axis.
    for (size_t b = 0; b < ballOffsets_.size(); ++b)
        for (size_t a = 0; a < 3; ++a) {
            const float moved = ballOffsets_[b][a] + ballRates_[b][a];
            if (std::abs(moved) >= 0.3f) ballRates_[b][a] = -ballRates_[b][a];
            ballOffsets_[b][a] += ballRates_[b][a];
        }
    device.SetMaterial(g_Materials(5));
    device.SetBlendFactors(kBlendOne, kBlendOne);
    const int n = std::min<int>(settings.game.m_DelLinesInLevel - state.g_LinesInLevel, static_cast<int>(ballOffsets_.size()));
    const Anchor pos = BallPos(settings.g_SkinIndex);
    std::vector<Instance> balls;
    for (int i = 1; i <= n; ++i) {
        const auto& o = ballOffsets_[static_cast<size_t>(i - 1)];
        // Translation, then a uniform scale 1.5 that scales the position too.
        balls.push_back(At((pos.x + o[0]) * 1.5f, (pos.y + 2.0f * i + o[1]) * 1.5f, o[2] * 1.5f, 1.5f, device.Ambient()));
    }
    lights_.DrawWithChosen(device, kit_.smallShape, balls, kShapeRadius);
}

}  // namespace zembrol::render
