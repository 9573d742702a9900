// The renderer's plain value types: the one vertex layout, colours, materials and
// point lights, with the builders every drawing class uses.
#pragma once

#include <array>
#include <cstdint>

namespace zembrol::render {

// Position, normal, one texture pair: eight floats, 32 bytes.
struct RenderVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
static_assert(sizeof(RenderVertex) == 32);

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

// Four floats in the order r, g, b, a.
struct ColorValue {
    float r = 0, g = 0, b = 0, a = 0;
    bool operator==(const ColorValue&) const = default;
};

struct Material {
    ColorValue diffuse, ambient, specular, emissive;
    float power = 0;
};

// A point light: one colour for its diffuse, specular and ambient parts.
struct PointLight {
    ColorValue color;
    Vec3 position;
    float range = 4;
    float attenuation0 = 0.5f, attenuation1 = 1.0f, attenuation2 = 0.3f;
};

inline void MakeVector(Vec3* out, float x, float y, float z) { *out = {x, y, z}; }
inline void MakeVertex(RenderVertex* out, float x, float y, float z, float nx, float ny, float nz, float u, float v) {
    *out = {x, y, z, nx, ny, nz, u, v};
}
inline void MakeColorValue(ColorValue* out, float a, float r, float g, float b) { *out = {r, g, b, a}; }

// A 32-bit ARGB colour (the ambient-light values) as four floats.
inline ColorValue FromArgb(uint32_t argb) {
    return {((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
            ((argb >> 24) & 0xFF) / 255.0f};
}
inline ColorValue FromArgb(int a, int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f}; }

// g_Materials, indexed 1..6 (entry 0 is unused): the indicator and digit colours.
const Material& g_Materials(int index);
// g_MatDefault: the material of cells, figures and the backdrop.
Material MatDefault();
// The grid material: white diffuse, ambient and specular.
Material GridMaterial();

}  // namespace zembrol::render
