// The full-size test of a textured quad: which quads may skip the mip levels.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "render/texel_density.h"

using namespace zembrol::render;

namespace {
// A camera 40 units in front of the plane z = 0, looking at the origin, 343 x 500 pixels.
const glm::vec2 kViewport(343, 500);
glm::mat4 Camera(float distance = 40) {
    const glm::mat4 view = glm::lookAtLH(glm::vec3(0, 0, -distance), glm::vec3(0, 0, 0), glm::vec3(0, -1, 0));
    return glm::perspectiveLH_NO(0.7f, kViewport.x / kViewport.y, 0.1f, 10000.0f) * view;
}
// A w x h quad centred on the origin at depth z with these corner texture coordinates.
std::array<TexturedCorner, 4> Quad(float w, float h, std::array<glm::vec2, 4> uv, float z = 0) {
    return {{{{-w / 2, -h / 2, z}, uv[0]}, {{-w / 2, h / 2, z}, uv[1]}, {{w / 2, -h / 2, z}, uv[2]}, {{w / 2, h / 2, z}, uv[3]}}};
}
const std::array<glm::vec2, 4> kPlain{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
}  // namespace

TEST(QuadMagnified, HoldsOnlyWhereNoDirectionCrossesMoreThanAboutOneTexelPerPixel) {
    struct Case { const char* what; std::array<TexturedCorner, 4> quad; glm::vec2 texels; float distance; bool magnified; };
    const Case cases[] = {
        {"a field-sized quad with a 128 x 256 picture", Quad(15, 32, kPlain), {128, 256}, 40, true},
        {"the same quad far away", Quad(15, 32, kPlain), {128, 256}, 400, false},
        {"a small panel", Quad(4, 4, kPlain), {128, 256}, 40, false},
        {"the picture repeated three times across", Quad(15, 32, {{{0, 0}, {0, 1}, {3, 0}, {3, 1}}}), {128, 256}, 40, false},
        // Sheared coordinates stretch the second triangle along x only.
        {"a sheared picture", Quad(15, 32, {{{-1, 1}, {-1, 0}, {0, 1}, {1, 1}}}), {128, 256}, 40, false},
        {"a mildly sheared picture", Quad(15, 32, {{{-0.5f, 0.7f}, {-0.5f, 0.5f}, {0.5f, 0.7f}, {0.5f, 0.7f}}}), {128, 256}, 40, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuadMagnified(c.quad, c.texels, Camera(c.distance), kViewport), c.magnified) << c.what;
}

TEST(QuadMagnified, RefusesQuadsItCannotMeasure) {
    // A corner behind the eye, and a quad seen exactly edge-on.
    EXPECT_FALSE(QuadMagnified(Quad(15, 32, kPlain, -60), {128, 256}, Camera(), kViewport));
    std::array<TexturedCorner, 4> edgeOn = Quad(15, 32, kPlain);
    for (TexturedCorner& c : edgeOn) c.position = {0, c.position.y, c.position.x};
    EXPECT_FALSE(QuadMagnified(edgeOn, {128, 256}, Camera(), kViewport));
}
