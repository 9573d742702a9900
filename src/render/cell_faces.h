// Which faces of an opaque cell cube can show. A full field is hundreds of cubes,
// and of each one the eye sees at most three faces (the front and one toward it on
// each side axis); a side pressed against a neighbouring cube of the same solid
// block is covered by that neighbour. Drawing only the faces that can show gives
// the same picture for a fraction of the vertices and triangles.
#pragma once

#include <bitset>
#include <cstdint>

#include "render/render_types.h"

namespace zembrol::render {

// Bit f stands for CubeFaces()[f] (meshes.h).
using FaceMask = uint8_t;
inline constexpr FaceMask kAllFaces = 0x3F;

// The faces of a cube of edge `edge` centred at `centre` whose outer side faces
// the eye: a face lying in a plane through the eye shows nothing and is left out.
FaceMask FacesTowardEye(const Vec3& centre, float edge, const Vec3& eye);

// The side faces covered by touching cubes of the same edge beside the cell:
// its neighbours toward -x, +x, -y and +y.
FaceMask CoveredSides(bool minusX, bool plusX, bool minusY, bool plusY);

// The whole-numbered places of one solid block of edge-1 cubes (the field's cells
// and the falling figure). Places from -16 to 47 on each axis are kept, which holds
// the field with its margins; others are never solid.
class CellSet {
public:
    void Add(int x, int y);
    bool Has(int x, int y) const;
    // The sides of the cube at (x, y) that its neighbours in the set cover.
    FaceMask CoveredAt(int x, int y) const;

private:
    static constexpr int kOrigin = 16, kSide = 64;
    static int Index(int x, int y);
    std::bitset<kSide * kSide> bits_;
};

}  // namespace zembrol::render
