// Face selection of the opaque cell cubes: a face is drawn when the eye is on its
// outer side and no touching cube of the same block covers it.
#include "render/cell_faces.h"

#include <gtest/gtest.h>

#include "render/meshes.h"

namespace zembrol::render {
namespace {

// The mask of the faces with these outward normals.
FaceMask Faces(std::initializer_list<Vec3> normals) {
    FaceMask mask = 0;
    for (const Vec3& want : normals)
        for (size_t f = 0; f < CubeFaces().size(); ++f) {
            const Vec3& n = CubeFaces()[f].n;
            if (n.x == want.x && n.y == want.y && n.z == want.z) mask = static_cast<FaceMask>(mask | (1u << f));
        }
    return mask;
}

TEST(CellFaces, TheEyeSeesOnlyTheFacesTurnedTowardIt) {
    struct Case {
        const char* what;
        Vec3 centre;
        float edge;
        Vec3 eye;
        FaceMask want;
    };
    const Case cases[] = {
        {"home camera, cell left of and above the eye", {4, 2, 0}, 1, {11.05f, 14.5f, 127}, Faces({{0, 0, 1}, {1, 0, 0}, {0, 1, 0}})},
        {"home camera, cell right of and below the eye", {18, 30, 0}, 1, {11.05f, 14.5f, 127}, Faces({{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}})},
        {"eye straight in front: the front alone", {5, 5, 0}, 1, {5, 5, 50}, Faces({{0, 0, 1}})},
        {"eye behind the field", {5, 5, 0}, 1, {5, 5, -50}, Faces({{0, 0, -1}})},
        {"eye in the plane of the side faces' edge shows no side", {5, 5, 0}, 1, {5.5f, 5, 50}, Faces({{0, 0, 1}})},
        {"a half-size cube's faces lie nearer its centre", {5, 5, 0}, 0.5f, {5.3f, 5, 50}, Faces({{0, 0, 1}, {1, 0, 0}})},
        {"eye inside the cube sees nothing", {5, 5, 0}, 1, {5, 5, 0}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FacesTowardEye(c.centre, c.edge, c.eye), c.want) << c.what;
}

TEST(CellFaces, TouchingCubesCoverTheSidesBetweenThem) {
    CellSet solid;
    // An L of three cells and a lone cell; places outside the kept square are ignored.
    solid.Add(5, 5);
    solid.Add(6, 5);
    solid.Add(5, 6);
    solid.Add(9, 9);
    solid.Add(-17, 0);
    solid.Add(48, 0);
    EXPECT_EQ(solid.CoveredAt(5, 5), Faces({{1, 0, 0}, {0, 1, 0}}));
    EXPECT_EQ(solid.CoveredAt(6, 5), Faces({{-1, 0, 0}}));
    EXPECT_EQ(solid.CoveredAt(5, 6), Faces({{0, -1, 0}}));
    EXPECT_EQ(solid.CoveredAt(9, 9), 0);
    EXPECT_FALSE(solid.Has(-17, 0));
    EXPECT_FALSE(solid.Has(48, 0));
    EXPECT_FALSE(solid.Has(-16, -16));
    solid.Add(-16, -16);
    solid.Add(47, 47);
    EXPECT_TRUE(solid.Has(-16, -16));
    EXPECT_TRUE(solid.Has(47, 47));
    // Front and back are never covered: the block is one cube deep.
    EXPECT_EQ(CoveredSides(true, true, true, true) & Faces({{0, 0, 1}, {0, 0, -1}}), 0);
    EXPECT_EQ(CoveredSides(true, true, true, true), Faces({{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}}));
}

TEST(CellFaces, EveryFaceOfTheTableIsTheCubeMeshFace) {
    // The device lays the unit quad onto a face with the table: corner k of the quad
    // must land on vertex 4f + k of the cube mesh, with the face's normal.
    const MeshData cube = CubeMesh(), quad = UnitQuadMesh();
    ASSERT_EQ(quad.vertices.size(), 4u);
    for (size_t f = 0; f < CubeFaces().size(); ++f) {
        const CubeFace& c = CubeFaces()[f];
        for (size_t k = 0; k < 4; ++k) {
            const RenderVertex& q = quad.vertices[k];
            const RenderVertex& v = cube.vertices[4 * f + k];
            EXPECT_FLOAT_EQ(c.n.x * 0.5f + c.s.x * q.x + c.t.x * q.y, v.x) << "face " << f << " corner " << k;
            EXPECT_FLOAT_EQ(c.n.y * 0.5f + c.s.y * q.x + c.t.y * q.y, v.y) << "face " << f << " corner " << k;
            EXPECT_FLOAT_EQ(c.n.z * 0.5f + c.s.z * q.x + c.t.z * q.y, v.z) << "face " << f << " corner " << k;
            EXPECT_EQ(q.u, v.u);
            EXPECT_EQ(q.v, v.v);
            EXPECT_EQ(c.n.x, v.nx);
        }
        for (size_t i = 0; i < 6; ++i) EXPECT_EQ(cube.indices[6 * f + i], 4 * f + quad.indices[i]);
    }
}

}  // namespace
}  // namespace zembrol::render
