// Figure kinds: every ordinary figure keeps its kind through its turns and places in
// the box, mirror pairs stay apart, and whatever is not one of the seven is no kind.
#include <gtest/gtest.h>

#include "game/figure_kinds.h"
#include "game/figures.h"

using namespace zembrol;

namespace {

FigureRec Of(const CellBox& cells, bool special = false) {
    FigureRec f;
    f.Cells = cells;
    f.IsSpecial = special;
    return f;
}

CellBox Turned(const CellBox& c, bool clockwise) {
    CellBox r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r[i][j] = clockwise ? c[j][3 - i] : c[3 - j][i];
    return r;
}

}  // namespace

TEST(FigureKinds, EveryTurnOfEveryFigureKeepsItsKind) {
    for (size_t k = 0; k < kFigureMasks.size(); ++k)
        for (bool clockwise : {true, false}) {
            CellBox cells = MaskToCells(kFigureMasks[k]);
            for (int turn = 0; turn < 4; ++turn) {
                EXPECT_EQ(FigureKindOf(Of(cells)), k + 1) << kFigureMasks[k] << " turn " << turn;
                cells = Turned(cells, clockwise);
            }
        }
}

TEST(FigureKinds, TheSevenAreSevenKinds) {
    // The mirror figures (each other's reflection) must not share a kind.
    for (size_t a = 0; a < kFigureMasks.size(); ++a)
        for (size_t b = a + 1; b < kFigureMasks.size(); ++b)
            EXPECT_NE(FigureKindOf(Of(MaskToCells(kFigureMasks[a]))), FigureKindOf(Of(MaskToCells(kFigureMasks[b]))));
}

TEST(FigureKinds, AnythingElseIsNoKind) {
    const CellBox square = MaskToCells(kFigureMasks[6]);
    CellBox inverted{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) inverted[i][j] = static_cast<int16_t>(1 - square[i][j]);
    struct Case { const char* what; FigureRec figure; };
    const Case cases[] = {
        {"special figure shaped like a square", Of(square, true)},
        {"inverted square", Of(inverted)},
        {"12-cell figure", Of(MaskToCells(kZembMask))},
        {"ring", Of(MaskToCells(kRingMask))},
        {"single cell", Of(MaskToCells("0000010000000000"))},
        {"empty box", Of(CellBox{})},
    };
    for (const Case& c : cases) EXPECT_EQ(FigureKindOf(c.figure), kOtherKind) << c.what;
}
