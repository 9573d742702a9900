// The world: two huge textured spheres turning slowly behind everything. Owns their
// shape, their angles and rates, and the kept picture of them (WorldLayer) with the
// camera it was drawn from.
#pragma once

#include <array>
#include <glm/glm.hpp>

#include "render/scene_kit.h"
#include "render/world_layer.h"

namespace zembrol::render {

class WorldSpheres {
public:
    explicit WorldSpheres(SceneKit& kit) : kit_(kit) {}

    // The shape of 12 slices and 12 stacks the world is drawn with; false on failure.
    bool UploadShape();
    // cs_SetWorldSpeed: the turn's factor and new rates.
    void SetSpeed(int worldSpeed);
    // The world drawn straight into the frame at its place in the frame: where cells
    // are see-through or no picture can be made.
    void DrawIntoFrame(const Settings& settings);
    // The world's picture (drawn again every few frames, or when the camera or the
    // view changed) copied into the view as its background; false when it cannot be.
    bool Lay(const Settings& settings, int viewGlY);

private:
    // The slow turn, once per frame.
    void Advance(const Settings& settings);
    void DrawSpheres();

    SceneKit& kit_;
    GlMesh shape_;
    std::array<std::array<float, 3>, 2> angles_{}, rates_{};
    float factor_ = 0;
    WorldLayer layer_;
    int age_ = 0;   // frames since the picture was drawn
    glm::vec3 eye_{}, lookAt_{}, up_{};
    float fov_ = 0;   // the camera the picture was drawn from
};

}  // namespace zembrol::render
