// Scene tables and the shared materials.
#include "render/scene_tables.h"

#include <array>
#include <cstddef>

#include "render/render_types.h"

namespace zembrol::render {

namespace {
constexpr std::array<Anchor, kSkins> kNextPos = {{{19.5f, 0}, {19.5f, 3}, {19.5f, 0}, {-0.5f, -1}, {19.5f, 4}}};
constexpr std::array<Anchor, kSkins> kNextsPos = {{{19.5f, 0}, {-0.5f, -6}, {19.5f, 9}, {19.5f, -7}, {-0.5f, 9}}};
constexpr std::array<Anchor, kSkins> kBallPos = {{{0.7f, -1.5f}, {14, 4.5f}, {0.7f, -1.5f}, {0.7f, 1.5f}, {14, 4.5f}}};
std::size_t Skin(int skin) { return skin >= 0 && skin < kSkins ? static_cast<std::size_t>(skin) : 0; }
}  // namespace

Anchor NextPos(int skin) { return kNextPos[Skin(skin)]; }
Anchor NextsPos(int skin) { return kNextsPos[Skin(skin)]; }
Anchor BallPos(int skin) { return kBallPos[Skin(skin)]; }

BlendCode BlendFactorForIndex(int index) {
    switch (index) {
        case 0: return kBlendDestAlpha;
        case 1: return kBlendDestColor;
        case 2: return kBlendInvDestAlpha;
        case 3: return kBlendInvDestColor;
        case 4: return kBlendInvSrcAlpha;
        case 5: return kBlendInvSrcColor;
        case 6: return kBlendOne;
        case 7: return kBlendSrcAlpha;
        case 8: return kBlendSrcColor;
        case 9: return kBlendZero;
        default: return kBlendNone;
    }
}

const Material& g_Materials(int index) {
    auto m = [](ColorValue d, ColorValue s, ColorValue e) { return Material{d, d, s, e, 0}; };
    static const std::array<Material, 7> table = {
        Material{},
        m({1, 0.25f, 0.25f, 1}, {1, 0.65f, 0.65f, 1}, {0.15f, 0.05f, 0.05f, 1}),
        m({0.25f, 1, 0.25f, 1}, {0.65f, 1, 0.65f, 1}, {0.05f, 0.15f, 0.05f, 1}),
        m({0.25f, 0.25f, 1, 1}, {0.65f, 0.65f, 1, 1}, {0.05f, 0.15f, 0.05f, 1}),
        m({1, 1, 1, 1}, {1, 1, 1, 1}, {0.15f, 0.15f, 0.15f, 1}),
        m({1, 1, 1, 1}, {1, 1, 1, 1}, {0.1f, 0.1f, 0.1f, 1}),
        m({0.5f, 0.5f, 1, 1}, {1, 1, 1, 1}, {0.5f, 0.5f, 0.5f, 1}),
    };
    return table[index >= 1 && index <= 6 ? static_cast<std::size_t>(index) : 4];
}

Material MatDefault() {
    return {{0.85f, 0.85f, 0.85f, 1}, {0.85f, 0.85f, 0.85f, 0.1f}, {1, 1, 1, 1}, {0.15f, 0.15f, 0.15f, 1}, 0};
}

Material GridMaterial() { return {{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, 0}; }

}  // namespace zembrol::render
