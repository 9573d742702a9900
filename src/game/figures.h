// Figures: the mask strings and the figure table, mask <-> cells conversion, the
// figure chooser of every game type, the special-figure generator, and the queue
// advance with its next-figure announcement.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/game.h"

namespace zembrol {

// Figure numbers 0..6 as a sequence stores them.
inline constexpr std::array<const char*, 7> kFigureMasks = {
    "0000111010000000", "0000011100010000", "0000111100000000", "0000010001100010",
    "0000001001100100", "0000001001110000", "0000011001100000"};
inline constexpr std::string_view kZembMask = "1001111110011111";   // the 12-cell figure
inline constexpr std::string_view kRingMask = "0110100110010110";   // made by the Miracle only
inline constexpr int kBarFigure = 2;

// 16 characters, each '0' or '1'.
bool IsValidMask(std::string_view mask);
// Character k (1-based) is cell ((k-1) div 4, (k-1) mod 4). The mask must be valid.
CellBox MaskToCells(std::string_view mask);
std::string CellsToMask(const CellBox& cells);

struct FigureChoice {
    std::string mask;
    int32_t Price = 0;
    bool IsSpecial = false;
};

// Writes a choice into a queue entry; IsZemb follows the mask.
void SetQueueEntry(FigureRec& entry, const FigureChoice& choice);

// A random mask, each cell set with probability 0.2; all-empty becomes the 12-cell figure.
std::string MakeSpecialMask(Rng& rng);
// The next figure for the current game type.
FigureChoice ChooseFigure(Game& g);
// Counts the figure in play among the special and 12-cell figures.
void g_CheckForZembFig(Game& g);
// The zembrol sound when queue entry 1 is special.
void AnnounceNextFigure(Game& g);
// Entry k moves to k - 1, a new entry 4 is chosen, the new figure in play is counted.
void AdvanceQueue(Game& g);

}  // namespace zembrol
