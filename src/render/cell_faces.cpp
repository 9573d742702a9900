// Face selection of the cell cubes.
#include "render/cell_faces.h"

#include "render/meshes.h"

namespace zembrol::render {

FaceMask FacesTowardEye(const Vec3& centre, float edge, const Vec3& eye) {
    FaceMask mask = 0;
    const float half = edge * 0.5f;
    for (size_t f = 0; f < CubeFaces().size(); ++f) {
        const Vec3& n = CubeFaces()[f].n;
        // The eye is on the outer side of the face's plane.
        const float toEye = (eye.x - centre.x - n.x * half) * n.x + (eye.y - centre.y - n.y * half) * n.y +
                            (eye.z - centre.z - n.z * half) * n.z;
        if (toEye > 0) mask = static_cast<FaceMask>(mask | (1u << f));
    }
    return mask;
}

FaceMask CoveredSides(bool minusX, bool plusX, bool minusY, bool plusY) {
    FaceMask mask = 0;
    for (size_t f = 0; f < CubeFaces().size(); ++f) {
        const Vec3& n = CubeFaces()[f].n;
        const bool covered = (n.x < 0 && minusX) || (n.x > 0 && plusX) || (n.y < 0 && minusY) || (n.y > 0 && plusY);
        if (covered) mask = static_cast<FaceMask>(mask | (1u << f));
    }
    return mask;
}

int CellSet::Index(int x, int y) {
    const int cx = x + kOrigin, cy = y + kOrigin;
    return cx < 0 || cy < 0 || cx >= kSide || cy >= kSide ? -1 : cy * kSide + cx;
}

void CellSet::Add(int x, int y) {
    const int i = Index(x, y);
    if (i >= 0) bits_.set(static_cast<size_t>(i));
}

bool CellSet::Has(int x, int y) const {
    const int i = Index(x, y);
    return i >= 0 && bits_.test(static_cast<size_t>(i));
}

FaceMask CellSet::CoveredAt(int x, int y) const {
    return CoveredSides(Has(x - 1, y), Has(x + 1, y), Has(x, y - 1), Has(x, y + 1));
}

}  // namespace zembrol::render
