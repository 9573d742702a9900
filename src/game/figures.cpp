// Figures: conversion, choice per game type, special masks and the queue advance.
#include "game/figures.h"

#include "game/saturate.h"

namespace zembrol {

bool IsValidMask(std::string_view mask) {
    if (mask.size() != 16) return false;
    for (char c : mask)
        if (c != '0' && c != '1') return false;
    return true;
}

CellBox MaskToCells(std::string_view mask) {
    CellBox cells{};
    for (int k = 0; k < 16; ++k) cells[k / 4][k % 4] = static_cast<int16_t>(mask[k] - '0');
    return cells;
}

std::string CellsToMask(const CellBox& cells) {
    std::string mask(16, '0');
    for (int k = 0; k < 16; ++k) mask[k] = static_cast<char>('0' + cells[k / 4][k % 4]);
    return mask;
}

void SetQueueEntry(FigureRec& entry, const FigureChoice& choice) {
    entry.Cells = MaskToCells(choice.mask);
    entry.Price = choice.Price;
    entry.IsSpecial = choice.IsSpecial;
    entry.IsZemb = choice.mask == kZembMask;
}

std::string MakeSpecialMask(Rng& rng) {
    std::string mask;
    mask.reserve(16);
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        rng.Randomize();
        for (int j = 0; j < 4; ++j) {
            if (rng.Rnd() >= 0.8) {
                mask += '1';
                ++count;
            } else {
                mask += '0';
            }
        }
    }
    return count == 0 ? std::string(kZembMask) : mask;
}

FigureChoice ChooseFigure(Game& g) {
    g.rng.Randomize();
    FigureChoice c;
    if (g.cfg.gt_CurGameType == 1) {
        int k = static_cast<int>(g.rng.Rnd() * g.s.m_NumKinds);
        // The eighth kind is a second bar: with 8 kinds the bar comes twice as often.
        c.mask = kFigureMasks[k >= 7 ? kBarFigure : k];
        if (static_cast<int>(g.rng.Rnd() * 50) == 25) {
            c.mask = MakeSpecialMask(g.rng);
            c.IsSpecial = true;
            c.Price = c.mask == kZembMask ? 25000 : RoundEven(g.rng.Rnd() * 2499 + 5000);
        }
        return c;
    }
    uint8_t n = NextFromPlayList(g.s.playList, g.cfg, g.rng);
    c.mask = kFigureMasks[n <= 5 ? n : 6];
    return c;
}

void g_CheckForZembFig(Game& g) {
    const FigureRec& f = g.s.g_Figs[0];
    if (f.IsZemb) g.s.g_ZembCount = SatAdd(g.s.g_ZembCount, 1);
    if (f.IsSpecial) g.s.g_SpecialCount = SatAdd(g.s.g_SpecialCount, 1);
}

void AnnounceNextFigure(Game& g) {
    if (g.s.g_Figs[1].IsSpecial) g.Raise({.kind = EventKind::PlaySoundAtNextFigure, .slot = SoundSlot::mZemb1});
}

void AdvanceQueue(Game& g) {
    for (int k = 1; k < kQueueSize; ++k) g.s.g_Figs[k - 1] = g.s.g_Figs[k];
    AnnounceNextFigure(g);
    SetQueueEntry(g.s.g_Figs[4], ChooseFigure(g));
    g_CheckForZembFig(g);
    const FigureRec& now = g.s.g_Figs[0];
    if (now.IsSpecial) g.Raise({.kind = EventKind::FlyingDigits, .column = g.s.g_FigX + 2 * g.rng.Rnd(), .row = 1.0 * g.s.g_FigY, .value = now.Price});
}

}  // namespace zembrol
