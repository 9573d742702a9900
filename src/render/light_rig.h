// The scene's point lights as the frame uses them: the slots made at start-up, how
// many are shown, their walk once per frame, and for each drawn body the few of them
// that reach it (so a vertex loops over those, not all sixteen).
#pragma once

#include <array>
#include <vector>

#include "game/game_state.h"
#include "render/lights.h"
#include "render/scene_kit.h"

namespace zembrol::render {

class LightRig {
public:
    void Make(Rng& rng) {
        lights_ = MakeLights(rng);
        made_ = true;
    }
    // The lights made again (a graphics section loaded), once they exist.
    void Remake(Rng& rng) {
        if (made_) lights_ = MakeLights(rng);
    }
    bool Made() const { return made_; }
    // While the light count is being chosen: this many shown; -1: gr_NumLights.
    void Show(int count) { shown_ = count; }
    int Count(const Settings& settings) const;
    const PointLight& Light(int slot) const { return lights_[static_cast<size_t>(slot)].light; }

    // The frame's start: the lights where they stood onto the device.
    void BeginFrame(Device& device, const Settings& settings) const;
    // Their walk, once per frame, and the lit set the frame's bodies choose from.
    void Move(SceneKit& kit, const Settings& settings, const GameState& state);

    // Each instance names the (at most four) lights that reach it. The mesh is centred
    // on the instance's offset under the identity world, every vertex within
    // `meshRadius` (times the instance's scale) of it.
    void Choose(std::vector<Instance>& instances, float meshRadius) const;
    // One instanced draw lit by each instance's chosen lights.
    static void DrawChosen(Device& device, const GlMesh& mesh, const std::vector<Instance>& instances);
    void DrawWithChosen(Device& device, const GlMesh& mesh, std::vector<Instance>& instances, float meshRadius) const;

private:
    std::array<LightRecord, kLightSlots> lights_{};
    bool made_ = false;
    int shown_ = -1;
    // The lights the scene is lit by, after their last move (the device's set).
    std::array<PointLight, kLightSlots> lit_{};
    int litCount_ = 0;
};

}  // namespace zembrol::render
