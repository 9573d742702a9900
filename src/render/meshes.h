// Geometry of the scene as plain vertex and index lists: the shared cube, field quad
// and unit quad, the grids' line lists, the ball mesh and the shape sphere with its
// normal-derived texture coordinates. The GL side uploads these once.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "render/render_types.h"

namespace zembrol::render {

struct MeshData {
    std::vector<RenderVertex> vertices;
    std::vector<uint16_t> indices;   // triangle list; empty for a line list
};

// One face of the edge-1 cube: its outward normal and two in-plane axes (s, t);
// its corners lie at normal / 2 + s a + t b for a, b in +-1/2, in the unit quad's
// vertex order, so a unit quad placed by the table is exactly the cube's face.
struct CubeFace {
    Vec3 n, s, t;
};
// The cube's faces in its mesh order: +z (toward the camera's home side), -x, +x,
// -y, +y, -z.
const std::array<CubeFace, 6>& CubeFaces();

// Edge 1, centred on the origin; 24 vertices, 36 indices.
MeshData CubeMesh();
// The 15 x 32 backdrop quad in the plane z = 0.
MeshData FieldQuadMesh();
// A 1 x 1 quad centred on the origin (the flat cell).
MeshData UnitQuadMesh();
// A 1 x 1 quad from (0, 0) to (1, 1) (textured rectangles and screen text).
MeshData CornerQuadMesh();

// gr_Init: a vertical lines from (i, 0) to (i, b - 1) and b horizontal lines from
// (0, j) to (a - 1, j); 2 (a + b) vertices as a line list.
MeshData GridLines(int a, int b);

// cs_UpdateVertices: the ball's latitude/longitude sphere, 6 rings of 8 vertices
// (48) and 80 triangles.
MeshData BallMesh(float radius);

// sph_CreateShape type 0: a sphere of radius 0.5 around the z axis with `slices`
// segments and `stacks` bands (poles on z), texture coordinates from sph_SetFVF.
MeshData ShapeSphere(int slices, int stacks);

// sph_SetFVF's texture coordinate of one normal component: arcsin(n) / pi + 0.5,
// with arcsin taken as arctan(n / sqrt(1 - n^2)); n = +-1 gives 0.0459344.
float ShapeTexCoord(float n);

}  // namespace zembrol::render
