// The lights' frame: what the device is lit by, their walk, and the lights each
// body chooses.
#include "render/light_rig.h"

#include <algorithm>
#include <cmath>

namespace zembrol::render {

int LightRig::Count(const Settings& settings) const {
    return std::clamp<int>(shown_ >= 0 ? shown_ : settings.gr_NumLights, 0, kLightSlots);
}

void LightRig::BeginFrame(Device& device, const Settings& settings) const {
    const int count = Count(settings);
    std::array<PointLight, kLightSlots> lit;
    for (int i = 0; i < count; ++i) lit[static_cast<size_t>(i)] = lights_[static_cast<size_t>(i)].light;
    device.SetLights(lit.data(), made_ ? count : 0);
}

void LightRig::Move(SceneKit& kit, const Settings& settings, const GameState& state) {
    const int count = Count(settings);
    const bool moving = count > 0 && made_;
    if (moving) m_MoveLights(lights_, count, settings.gr_LightsSpeed, settings.bHLNew, state.g_FigX, state.g_FigY, kit.rng);
    std::array<PointLight, kLightSlots> lit;
    for (int i = 0; i < count; ++i) lit[static_cast<size_t>(i)] = lights_[static_cast<size_t>(i)].light;
    if (moving) kit.device.SetLights(lit.data(), count);
    lit_ = lit;
    litCount_ = moving ? count : 0;
}

void LightRig::Choose(std::vector<Instance>& instances, float meshRadius) const {
    // A body is reached by only a few of the lights: on a software vertex stage the
    // loop over all sixteen is most of a full field's cost.
    for (Instance& i : instances) {
        const float scale = std::max({std::abs(i.sx), std::abs(i.sy), std::abs(i.sz)});
        const auto chosen = ChooseLights(lit_.data(), litCount_, {i.ox, i.oy, i.oz}, meshRadius * scale);
        for (size_t k = 0; k < chosen.size(); ++k) i.lights[k] = static_cast<float>(chosen[k]);
    }
}

void LightRig::DrawChosen(Device& device, const GlMesh& mesh, const std::vector<Instance>& instances) {
    device.SetChosenLights(true);
    device.DrawInstanced(mesh, instances);
    device.SetChosenLights(false);
}

void LightRig::DrawWithChosen(Device& device, const GlMesh& mesh, std::vector<Instance>& instances,
                              float meshRadius) const {
    Choose(instances, meshRadius);
    DrawChosen(device, mesh, instances);
}

}  // namespace zembrol::render
