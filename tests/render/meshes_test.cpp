// The scene's geometry: counts the drawing relies on and the sphere's texture rule.
#include <gtest/gtest.h>

#include <cmath>

#include "render/meshes.h"

namespace zembrol::render {
namespace {

TEST(GridLines, FieldAndPanelGridsSpanTheirCells) {
    struct Case {
        int a, b;
        float width, height;
    } cases[] = {{16, 33, 15, 32}, {5, 5, 4, 4}};
    for (const Case& c : cases) {
        const MeshData m = GridLines(c.a, c.b);
        ASSERT_EQ(m.vertices.size(), static_cast<size_t>(2 * (c.a + c.b)));
        EXPECT_TRUE(m.indices.empty()) << "a line list";
        float maxX = 0, maxY = 0;
        for (const RenderVertex& v : m.vertices) {
            maxX = std::max(maxX, v.x);
            maxY = std::max(maxY, v.y);
        }
        EXPECT_EQ(maxX, c.width);
        EXPECT_EQ(maxY, c.height);
    }
}

TEST(BallMesh, HasSixRingsOfEightVerticesAndEightyTriangles) {
    const MeshData m = BallMesh(0.5f);
    EXPECT_EQ(m.vertices.size(), 48u);
    EXPECT_EQ(m.indices.size(), 80u * 3);
    for (uint16_t i : m.indices) ASSERT_LT(i, 48);
    for (const RenderVertex& v : m.vertices) {
        EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 0.5f, 1e-5);
        EXPECT_NEAR(v.nx * 0.5f, v.x, 1e-5);
    }
    // u runs over the segments, v down the bands.
    EXPECT_FLOAT_EQ(m.vertices[7].u, 1.0f);
    EXPECT_FLOAT_EQ(m.vertices[0].v, 1.0f);
    EXPECT_FLOAT_EQ(m.vertices[47].v, 0.0f);
}

TEST(ShapeTexCoord, IsArcsineOverPiWithTheRootZeroCase) {
    struct Case {
        float n, want;
    } cases[] = {{0, 0.5f}, {0.5f, 1.0f / 6 + 0.5f}, {-0.5f, 0.5f - 1.0f / 6}, {1, 0.0459344f}, {-1, 0.0459344f}};
    for (const Case& c : cases) EXPECT_NEAR(ShapeTexCoord(c.n), c.want, 1e-6) << "n = " << c.n;
}

TEST(ShapeSphere, TwelveByTwelveSphereIsClosedAndTexturedFromItsNormals) {
    const MeshData m = ShapeSphere(12, 12);
    EXPECT_EQ(m.vertices.size(), 2u + 12 * 11);
    EXPECT_EQ(m.indices.size(), 3u * 2 * 12 * 11);
    for (uint16_t i : m.indices) ASSERT_LT(i, m.vertices.size());
    bool sawUnitNormal = false;
    for (const RenderVertex& v : m.vertices) {
        EXPECT_FLOAT_EQ(v.u, ShapeTexCoord(v.nx));
        EXPECT_FLOAT_EQ(v.v, ShapeTexCoord(v.ny));
        if (std::abs(v.nx) == 1.0f) sawUnitNormal = true;
    }
    EXPECT_TRUE(sawUnitNormal) << "the equator vertex on the x axis takes the root-zero value";
}

TEST(CubeMesh, SixOutwardFacesOfEdgeOne) {
    const MeshData m = CubeMesh();
    ASSERT_EQ(m.vertices.size(), 24u);
    ASSERT_EQ(m.indices.size(), 36u);
    for (int f = 0; f < 6; ++f) {
        const uint16_t b = static_cast<uint16_t>(4 * f);
        const std::vector<uint16_t> want = {b, uint16_t(b + 1), uint16_t(b + 2), uint16_t(b + 3), uint16_t(b + 2), uint16_t(b + 1)};
        EXPECT_EQ(std::vector<uint16_t>(m.indices.begin() + 6 * f, m.indices.begin() + 6 * f + 6), want);
    }
    for (const RenderVertex& v : m.vertices) {
        EXPECT_EQ(std::abs(v.x), 0.5f);
        EXPECT_EQ(std::abs(v.y), 0.5f);
        EXPECT_EQ(std::abs(v.z), 0.5f);
        // The face's normal points the way its vertices lie.
        EXPECT_FLOAT_EQ(v.x * v.nx + v.y * v.ny + v.z * v.nz, 0.5f);
    }
}

}  // namespace
}  // namespace zembrol::render
