// Figure kinds as the colour-blind palette and the shape marks tell them apart: one
// of the seven ordinary figures in any of its turns, or none of them (special
// figures, the 12-cell figure, an inverted figure).
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace zembrol {

// 0: none of the seven; k: ordinary figure k - 1 (kFigureMasks). Zero so that a
// cell nobody marked reads as no ordinary figure.
inline constexpr uint8_t kOtherKind = 0;
inline constexpr int kFigureKinds = 8;

// The kind of a figure, whatever turn and place in its box it has.
uint8_t FigureKindOf(const FigureRec& figure);

}  // namespace zembrol
