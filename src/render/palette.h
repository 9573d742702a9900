// The colour-blind palette: one colour per figure kind (game/figure_kinds.h). The
// seven ordinary figures' colours stay apart for normal sight and under protanopia,
// deuteranopia and tritanopia (tests/render/palette_test.cpp simulates them); the
// other figures (special, 12-cell, inverted) are near-white, told apart by their shape.
#pragma once

#include <array>
#include <cstdint>

#include "game/figure_kinds.h"
#include "render/render_types.h"
#include "settings/settings.h"

namespace zembrol::render {

struct PaletteColor {
    uint8_t r = 0, g = 0, b = 0;
};

const std::array<PaletteColor, kFigureKinds>& ColorBlindPalette();

// A cell's ambient light with the palette: its kind's colour under the main light
// colour (btMRed, btMGreen, btMBlue), as the coloured figures are lit.
ColorValue KindAmbient(uint8_t kind, const Settings& settings);

}  // namespace zembrol::render
