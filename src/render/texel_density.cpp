// Texels per pixel of a quad, triangle by triangle.
#include "render/texel_density.h"

#include <algorithm>
#include <cmath>

namespace zembrol::render {

namespace {
// A mip-mapped texture whose levels are chosen by the nearest level number reads
// its full-size level up to level number 0.5, a stretch of the square root of 2
// texels per pixel; the margin covers the rasteriser's approximate level number.
constexpr float kMaxTexelsPerPixel = 1.35f;
}  // namespace

bool QuadMagnified(const std::array<TexturedCorner, 4>& corners, glm::vec2 textureSize, const glm::mat4& viewProj,
                   glm::vec2 viewportSize) {
    std::array<glm::vec2, 4> pixel;
    float nearest = 0, farthest = 0;
    for (size_t k = 0; k < corners.size(); ++k) {
        const glm::vec4 clip = viewProj * glm::vec4(corners[k].position, 1.0f);
        if (!(clip.w > 1e-4f)) return false;
        pixel[k] = (glm::vec2(clip.x, clip.y) / clip.w * 0.5f + 0.5f) * viewportSize;
        nearest = k == 0 ? clip.w : std::min(nearest, clip.w);
        farthest = std::max(farthest, clip.w);
    }
    // Within a triangle the texels per pixel vary with the depth: at most by the
    // square of the far-to-near ratio from what the triangle's corners give.
    const float perspective = (farthest / nearest) * (farthest / nearest);
    // The quad meshes' two triangles (QuadIndices).
    constexpr int kTriangles[2][3] = {{0, 1, 2}, {1, 2, 3}};
    for (const auto& t : kTriangles) {
        const TexturedCorner &a = corners[static_cast<size_t>(t[0])], &b = corners[static_cast<size_t>(t[1])],
                             &c = corners[static_cast<size_t>(t[2])];
        const glm::vec2 pa = pixel[static_cast<size_t>(t[0])];
        const glm::mat2 screen(pixel[static_cast<size_t>(t[1])] - pa, pixel[static_cast<size_t>(t[2])] - pa);
        const float area = glm::determinant(screen);
        if (std::abs(area) < 1e-3f) return false;
        const glm::mat2 texels((b.uv - a.uv) * textureSize, (c.uv - a.uv) * textureSize);
        // Texels crossed per pixel along screen x and along y: the larger decides
        // the level number (its base-2 logarithm), as the GL defines it.
        const glm::mat2 perPixel = texels * glm::inverse(screen);
        const float stretch = std::max(glm::length(perPixel[0]), glm::length(perPixel[1]));
        if (stretch * perspective > kMaxTexelsPerPixel) return false;
    }
    return true;
}

}  // namespace zembrol::render
