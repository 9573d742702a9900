// Shape marks: a small picture on the front of each cell that tells the figure's
// kind (game/figure_kinds.h) without colour. The pictures are painted here into one
// texture atlas, one tile per kind side by side, so every mark of a frame is one
// instanced draw of the unit quad.
#pragma once

#include <cstdint>
#include <vector>

#include "game/figure_kinds.h"

namespace zembrol::render {

inline constexpr int kMarkTile = 32;                   // pixels of one tile's side
inline constexpr float kMarkSize = 0.6f;               // of a cell's side

// Tightly packed RGBA, rows top to bottom: a dark picture in a light rim (it reads on
// light and dark colours alike), transparent around it; tile k is kind k.
struct MarkAtlas {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
};
MarkAtlas MakeMarkAtlas();

}  // namespace zembrol::render
