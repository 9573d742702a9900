// What the layers of the 3D view share: the device every draw goes through, the one
// cosmetic generator (its draws keep the frame's order, so a seeded run looks the
// same every time), the reports, the skin textures, the meshes several layers draw
// with, the effects whose state is drawn, and the frame's camera, view and cell
// blending. The renderer owns it; each layer keeps a reference.
#pragma once

#include <array>
#include <glm/glm.hpp>
#include <string>

#include "effects/effects.h"
#include "game/rng.h"
#include "render/gl_device.h"
#include "render/render_log.h"
#include "render/scene_tables.h"
#include "render/view_layout.h"
#include "settings/settings.h"

namespace zembrol::render {

// The start-up log's kind of a plain record (no indentation change).
inline constexpr int kLogPlain = 15;

// How far a mesh's vertices reach from its centre: the cell meshes are cubes and
// squares of side 1 (half the cube's diagonal), the shapes spheres of radius 0.5.
inline constexpr float kCellRadius = 0.867f, kShapeRadius = 0.5f;

// One instance at a place, uniformly scaled, with its ambient light.
inline Instance At(float x, float y, float z, float scale = 1, const ColorValue& ambient = {1, 1, 1, 1}) {
    Instance i;
    i.ox = x;
    i.oy = y;
    i.oz = z;
    i.sx = i.sy = i.sz = scale;
    i.ambient = ambient;
    return i;
}

struct SceneKit {
    SceneKit(RenderReports reports, std::string folder, Rng generator)
        : log(std::move(reports)), textureFolder(std::move(folder)), rng(std::move(generator)) {}

    RenderReports log;
    std::string textureFolder;   // the fixed texture files
    Rng rng;                     // cosmetic randomness: never the game's generator
    Device device;
    // The skin set: backdrop, 11 level blocks, next, ghost, world.
    std::array<GlTexture, kTextureKeys> skinTex;
    // The corner-anchored quad (plates, bars, glyphs), the unit quad (flat cells,
    // cube faces, marks) and the small sphere (balls, markers, indicator).
    GlMesh cornerQuad, unitQuad, smallShape;
    const Effects* effects = nullptr;   // none: no effects drawn

    // The frame's camera and the view's place in the drawable.
    glm::vec3 eye{11.05f, 14.5f, 127.0f}, lookAt{11.05f, 14.5f, 0.0f}, up{0, -1, 0};
    float fov = 3.14159f / 11.0f;
    glm::mat4 viewProj{1.0f};   // the camera of ApplyCamera
    ViewRect view;
    // The cells' blending, from gr_Alpha, gr_AlphaSource and gr_AlphaDest.
    bool blendOn = false;
    BlendCode blendSource = kBlendOne, blendDest = kBlendZero;

    std::string Fixed(const char* name) const { return textureFolder + "/" + name; }
    // The camera onto the device (and into viewProj).
    void ApplyCamera();
};

}  // namespace zembrol::render
