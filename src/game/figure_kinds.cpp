// A figure's kind: its cells moved to the box's top-left corner, compared with the
// same of every turn of the seven ordinary masks.
#include "game/figure_kinds.h"

#include <array>

#include "game/figures.h"

namespace zembrol {

namespace {

// The cells shifted so that the first filled column and row are 0, as a 16-bit set.
uint16_t Normalised(const CellBox& cells) {
    int left = 4, top = 4;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (cells[i][j] == 1) {
                left = i < left ? i : left;
                top = j < top ? j : top;
            }
    uint16_t bits = 0;
    for (int i = left; i < 4; ++i)
        for (int j = top; j < 4; ++j)
            if (cells[i][j] == 1) bits = static_cast<uint16_t>(bits | 1u << ((i - left) * 4 + (j - top)));
    return bits;
}

CellBox Turned(const CellBox& c) {
    CellBox r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r[i][j] = c[j][3 - i];
    return r;
}

// Every turn of every ordinary figure, normalised.
const std::array<std::array<uint16_t, 4>, 7>& Shapes() {
    static const auto shapes = [] {
        std::array<std::array<uint16_t, 4>, 7> s{};
        for (size_t k = 0; k < kFigureMasks.size(); ++k) {
            CellBox cells = MaskToCells(kFigureMasks[k]);
            for (auto& turn : s[k]) {
                turn = Normalised(cells);
                cells = Turned(cells);
            }
        }
        return s;
    }();
    return shapes;
}

}  // namespace

uint8_t FigureKindOf(const FigureRec& figure) {
    if (figure.IsSpecial) return kOtherKind;
    const uint16_t bits = Normalised(figure.Cells);
    for (size_t k = 0; k < Shapes().size(); ++k)
        for (uint16_t turn : Shapes()[k])
            if (turn == bits) return static_cast<uint8_t>(k + 1);
    return kOtherKind;
}

}  // namespace zembrol
