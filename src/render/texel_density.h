// Whether a texture laid on a quad is read from its full-size picture at every
// pixel. The textures choose among their mip levels by the nearest level number
// (GlTexture::UploadRgba), so up to about 1.4 texels per pixel the full-size level
// is read; where that holds everywhere, the texture can be sampled without mip
// levels, which spares a software rasteriser the level choice on every pixel
// while the pixels stay the same.
#pragma once

#include <array>
#include <glm/glm.hpp>

namespace zembrol::render {

struct TexturedCorner {
    glm::vec3 position;   // in the world, after the instance's scale and offset
    glm::vec2 uv;         // texture coordinates, 1 = the texture's width or height
};

// Corners in the order of the quad meshes: (x0, y0), (x0, y1), (x1, y0), (x1, y1).
// True when no direction on screen crosses more texels per pixel than that, with
// margins for the perspective and the rasteriser's approximation; false when a
// corner lies at or behind the eye or the quad is seen edge-on.
bool QuadMagnified(const std::array<TexturedCorner, 4>& corners, glm::vec2 textureSize, const glm::mat4& viewProj,
                   glm::vec2 viewportSize);

}  // namespace zembrol::render
