// Bonus commands. Every refusal is silent: a command whose condition fails does nothing.
#include "game/bonuses.h"

#include "game/figures.h"
#include "game/saturate.h"

namespace zembrol {

void MiracleChange(Game& g) {
    FigureRec& next = g.s.g_Figs[1];
    std::string mask = CellsToMask(next.Cells);
    // The draw comes first, whatever the mask: a replay must draw the same numbers.
    const int k = RoundEven(15 * g.rng.Rnd() + 1);
    if (mask.find('1') == std::string::npos) {
        mask = kRingMask;
    } else {
        char& c = mask[static_cast<size_t>(k - 1)];
        c = c == '1' ? '0' : '1';
    }
    // Price and the special flags stay: a changed special figure still pays its price.
    next.Cells = MaskToCells(mask);
}

bool CanInvert(const GameState& s) {
    if (s.g_FigX < kFirstCol || s.g_FigX > s.RightCol() - 3) return false;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (s.g_Pole[s.g_FigX + i][s.g_FigY + j]) return false;
            // Near the floor the box reaches into the rows below it, where the
            // complement's cells may never stand.
            if (s.g_Figs[0].Cells[i][j] == 0 && s.g_FigY + j > s.FloorRow()) return false;
        }
    return true;
}

void Invert(Game& g) {
    GameState& s = g.s;
    for (auto& column : s.g_Figs[0].Cells)
        for (int16_t& cell : column) cell = cell == 1 ? 0 : 1;
    g.Raise({.kind = EventKind::PlaySoundAt, .slot = SoundSlot::mInv1, .column = s.g_FigX + 2.0, .row = s.g_FigY + 2.0});
    // The first inversion of a figure gains, inverting it back gives the gain back.
    const int32_t amount = s.m_InvSign ? -kInversiaAmount : kInversiaAmount;
    s.m_InvSign = !s.m_InvSign;
    s.score.s_addval(amount);
    g.Raise({.kind = EventKind::FlyingDigits, .column = 1.0 * s.g_FigX, .row = 1.0 * s.g_FigY, .value = amount});
    s.m_LastInvAmount = amount;
    s.g_InversiaBonus = SatAdd(s.g_InversiaBonus, amount);
}

void CmdInversia(Game& g) {
    if (!g.s.g_Running || !CanInvert(g.s)) return;
    Invert(g);
}

void TakeBackFigure(Game& g) {
    GameState& s = g.s;
    LastFigRec& last = s.g_LastFig;
    if (last.TakenBack || last.TakeBackCount >= kTakeBacksPerGame || last.RowsRemoved) return;
    last.TakenBack = true;
    ++last.TakeBackCount;
    last.Images[static_cast<size_t>(kTakeBacksPerGame - last.TakeBackCount)] = false;
    g.Raise({.kind = EventKind::RemovedFigureStart, .column = 1.0 * last.X, .row = 1.0 * last.Y, .cells = last.Cells});
    // Only the figure's own cells go; the rows above stay where they are.
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (last.Cells[i][j]) s.g_Pole[last.X + i][last.Y + j] = false;
}

}  // namespace zembrol
