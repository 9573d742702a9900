// Mesh builders.
#include "render/meshes.h"

#include <cmath>

namespace zembrol::render {

namespace {
constexpr float kPi = 3.14159265358979f;

// Two triangles b, b+1, b+2 and b+3, b+2, b+1 over four vertices laid out
// (0,0), (0,1), (1,0), (1,1).
void QuadIndices(std::vector<uint16_t>* idx, uint16_t b) {
    idx->insert(idx->end(), {b, static_cast<uint16_t>(b + 1), static_cast<uint16_t>(b + 2), static_cast<uint16_t>(b + 3),
                             static_cast<uint16_t>(b + 2), static_cast<uint16_t>(b + 1)});
}

MeshData Quad(float x0, float y0, float x1, float y1) {
    MeshData m;
    m.vertices = {{x0, y0, 0, 0, 0, -1, 0, 0}, {x0, y1, 0, 0, 0, -1, 0, 1},
                  {x1, y0, 0, 0, 0, -1, 1, 0}, {x1, y1, 0, 0, 0, -1, 1, 1}};
    QuadIndices(&m.indices, 0);
    return m;
}
}  // namespace

const std::array<CubeFace, 6>& CubeFaces() {
    // The face toward the camera's home side (+z) comes first, the one away from it
    // last: later faces of a cell then fail the depth test instead of being shaded.
    static const std::array<CubeFace, 6> faces = {{
        {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},  {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}},
    }};
    return faces;
}

MeshData CubeMesh() {
    MeshData m;
    for (int f = 0; f < 6; ++f) {
        const CubeFace& fc = CubeFaces()[static_cast<size_t>(f)];
        for (int k = 0; k < 4; ++k) {
            const float u = (k & 2) ? 1.0f : 0.0f, v = (k & 1) ? 1.0f : 0.0f;
            const float a = u - 0.5f, b = v - 0.5f;
            m.vertices.push_back({fc.n.x * 0.5f + fc.s.x * a + fc.t.x * b, fc.n.y * 0.5f + fc.s.y * a + fc.t.y * b,
                                  fc.n.z * 0.5f + fc.s.z * a + fc.t.z * b, fc.n.x, fc.n.y, fc.n.z, u, v});
        }
        QuadIndices(&m.indices, static_cast<uint16_t>(4 * f));
    }
    return m;
}

MeshData FieldQuadMesh() { return Quad(0, 0, 15, 32); }
MeshData UnitQuadMesh() { return Quad(-0.5f, -0.5f, 0.5f, 0.5f); }
MeshData CornerQuadMesh() { return Quad(0, 0, 1, 1); }

MeshData GridLines(int a, int b) {
    MeshData m;
    for (int i = 0; i < a; ++i) {
        m.vertices.push_back({static_cast<float>(i), 0, 0, 0, 0, 0, 0, 0});
        m.vertices.push_back({static_cast<float>(i), static_cast<float>(b - 1), 0, 0, 0, 0, 0, 0});
    }
    for (int j = 0; j < b; ++j) {
        m.vertices.push_back({0, static_cast<float>(j), 0, 0, 0, 0, 0, 0});
        m.vertices.push_back({static_cast<float>(a - 1), static_cast<float>(j), 0, 0, 0, 0, 0, 0});
    }
    return m;
}

MeshData BallMesh(float radius) {
    constexpr int kBands = 5, kSegments = 7, kRing = kSegments + 1;
    MeshData m;
    for (int band = 0; band <= kBands; ++band) {
        const float theta = band * kPi / kBands;
        for (int seg = 0; seg <= kSegments; ++seg) {
            const float phi = seg * 2 * kPi / kSegments;
            const float nx = std::sin(theta) * std::cos(phi), ny = std::cos(theta), nz = std::sin(theta) * std::sin(phi);
            m.vertices.push_back({radius * nx, radius * ny, radius * nz, nx, ny, nz,
                                  static_cast<float>(seg) / kSegments, 1.0f - static_cast<float>(band) / kBands});
        }
    }
    // Every vertex of a ring joins its successor (the last one wraps to the first,
    // which sits on the seam beside it), so each band has 8 quads.
    for (int band = 0; band < kBands; ++band)
        for (int seg = 0; seg < kRing; ++seg) {
            const auto at = [&](int b, int s) { return static_cast<uint16_t>(b * kRing + (s % kRing)); };
            m.indices.insert(m.indices.end(), {at(band, seg), at(band + 1, seg), at(band, seg + 1),
                                               at(band, seg + 1), at(band + 1, seg), at(band + 1, seg + 1)});
        }
    return m;
}

float ShapeTexCoord(float n) {
    const float root = std::sqrt(1.0f - n * n);
    if (root == 0.0f) return 0.0459344f;
    return std::atan(n / root) / kPi + 0.5f;
}

MeshData ShapeSphere(int slices, int stacks) {
    MeshData m;
    constexpr float r = 0.5f;
    // North pole, the inner rings, south pole.
    m.vertices.push_back({0, 0, r, 0, 0, 1, 0, 0});
    for (int i = 1; i < stacks; ++i) {
        const float theta = kPi * i / stacks;
        for (int j = 0; j < slices; ++j) {
            const float phi = 2 * kPi * j / slices;
            const float nx = std::sin(theta) * std::cos(phi), ny = std::sin(theta) * std::sin(phi), nz = std::cos(theta);
            m.vertices.push_back({r * nx, r * ny, r * nz, nx, ny, nz, 0, 0});
        }
    }
    m.vertices.push_back({0, 0, -r, 0, 0, -1, 0, 0});
    const uint16_t south = static_cast<uint16_t>(m.vertices.size() - 1);
    auto ring = [&](int i, int j) { return static_cast<uint16_t>(1 + (i - 1) * slices + (j % slices)); };
    for (int j = 0; j < slices; ++j) m.indices.insert(m.indices.end(), {0, ring(1, j + 1), ring(1, j)});
    for (int i = 1; i + 1 < stacks; ++i)
        for (int j = 0; j < slices; ++j)
            m.indices.insert(m.indices.end(), {ring(i, j), ring(i, j + 1), ring(i + 1, j), ring(i + 1, j), ring(i, j + 1),
                                               ring(i + 1, j + 1)});
    for (int j = 0; j < slices; ++j) m.indices.insert(m.indices.end(), {ring(stacks - 1, j), ring(stacks - 1, j + 1), south});
    for (RenderVertex& v : m.vertices) {
        v.u = ShapeTexCoord(v.nx);
        v.v = ShapeTexCoord(v.ny);
    }
    return m;
}

}  // namespace zembrol::render
