// The palette's colours. They were found by a search that kept every pair of the
// seven, and each of them against the near-white, at least 30 CIE76 units apart in
// each simulated sight, while keeping them light enough to show the cell texture.
#include "render/palette.h"

#include <algorithm>

#include "game/rounding.h"

namespace zembrol::render {

const std::array<PaletteColor, kFigureKinds>& ColorBlindPalette() {
    static constexpr std::array<PaletteColor, kFigureKinds> kPalette = {{
        {235, 235, 235},   // none of the seven
        {255, 197, 4},     // amber
        {147, 188, 255},   // light blue
        {34, 121, 79},     // deep green
        {0, 255, 144},     // spring green
        {129, 71, 255},    // violet
        {206, 106, 28},    // copper
        {154, 80, 146},    // plum
    }};
    return kPalette;
}

ColorValue KindAmbient(uint8_t kind, const Settings& settings) {
    const PaletteColor& c = ColorBlindPalette()[std::min<size_t>(kind, kFigureKinds - 1)];
    auto lit = [](int16_t light, uint8_t part) { return RoundEven(light * (part / 255.0)); };
    return FromArgb(255, lit(settings.btMRed, c.r), lit(settings.btMGreen, c.g), lit(settings.btMBlue, c.b));
}

}  // namespace zembrol::render
