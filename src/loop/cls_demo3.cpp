// clsDemo3: the search and the command stepper. The scan order and the discarded random
// draws are part of the rules: a replay with the same seed must pick the same plans.
#include "loop/cls_demo3.h"

#include <bit>

#include "game/bonuses.h"

namespace zembrol {

namespace {

constexpr int kFloor = kPoleRows - 5;                        // 30
constexpr int kRight = kPoleCols - 5;                        // 18
constexpr uint64_t kPlayRows = (uint64_t{1} << (kFloor + 1)) - 1;   // rows 0..30

CellBox QuarterTurn(const CellBox& m, bool cw) {
    CellBox t{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) t[i][j] = cw ? m[j][3 - i] : m[3 - j][i];
    return t;
}

// First filled row of a column within rows 0..30, or 31 when there is none.
int Top(uint64_t column) {
    const uint64_t c = column & kPlayRows;
    return c == 0 ? kFloor + 1 : std::countr_zero(c);
}

// Bit count without a library call on machines built without a popcount instruction.
int Bits(uint64_t v) {
    v = v - ((v >> 1) & 0x5555555555555555ULL);
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((v * 0x0101010101010101ULL) >> 56);
}

int ColumnHoles(uint64_t column) { return (kFloor + 1 - Top(column)) - Bits(column & kPlayRows); }

// The well count's share of column c (5..17): its rows beyond the second below both neighbours' tops.
int ColumnWells(const clsDemo3::Columns& f, int c) {
    const int depth = Top(f[c]) - std::max(Top(f[c - 1]), Top(f[c + 1]));
    return depth > 2 ? depth - 2 : 0;
}

}  // namespace

clsDemo3::Columns clsDemo3::FieldColumns(const GameState& s) {
    Columns f{};
    for (int c = 0; c < kPoleCols; ++c)
        for (int r = 0; r < kPoleRows; ++r)
            if (s.g_Pole[c][r]) f[c] |= uint64_t{1} << r;
    return f;
}

int clsDemo3::Holes(const Columns& f) {
    int holes = 0;
    for (uint64_t column : f) holes += ColumnHoles(column);
    return holes;
}

int clsDemo3::Wells(const Columns& f) {
    // Rows where both neighbours are already filled at or above, down to a column's
    // first filled cell; the rows beyond the second one count.
    int count = 0;
    for (int c = kFirstCol + 1; c <= kRight - 1; ++c) count += ColumnWells(f, c);
    return count;
}

int clsDemo3::FullRows(const Columns& f) {
    uint64_t all = ~uint64_t{0};
    for (int c = kFirstCol; c <= kRight; ++c) all &= f[c];
    return Bits(all & ((uint64_t{1} << kPoleRows) - 1));
}

bool clsDemo3::dem_CheckFigPos(int r, int column) const {
    for (int i = 0; i < 4; ++i)
        if (bits_[r][i] != 0 && (column + i < kFirstCol || column + i > kRight)) return false;
    return true;
}

int clsDemo3::dem_MoveDownFig(int r, int column, Columns& f) const {
    const int lowest = lowest_[r];
    int row = 0;
    if (lowest < 0) {
        // A figure without cells would never meet anything: it stops on the floor, as
        // the fall test of the game lets it.
        row = kFloor;
    } else {
        // Falling from row 0, the first row at which a cell would step onto a filled
        // cell, or onto the floor: per cell, the distance to the next filled cell below it.
        row = kFloor - lowest;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (bits_[r][i] & (1u << j)) {
                    const uint64_t below = f[column + i] >> (j + 1);
                    if (below != 0) row = std::min(row, std::countr_zero(below));
                }
    }
    for (int i = 0; i < 4; ++i)
        if (bits_[r][i] != 0) f[column + i] |= uint64_t{bits_[r][i]} << row;
    return row;
}

bool clsDemo3::VerticalBar(int r) const { return r <= 3 && (bits_[r][1] == 0xF || bits_[r][2] == 0xF); }

void clsDemo3::dem_Init(Game& g) {
    CellBox m = g.s.g_Figs[0].Cells;
    for (int r = 0; r < 4; ++r) {
        m = QuarterTurn(m, g.cfg.bCW);
        rotations_[r] = m;
    }
    invertWanted_ = false;
    invertDone_ = false;
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) rotations_[r + 4][i][j] = rotations_[r][i][j] == 1 ? 0 : 1;
    for (int r = 0; r < 8; ++r) {
        lowest_[r] = -1;
        for (int i = 0; i < 4; ++i) {
            bits_[r][i] = 0;
            for (int j = 0; j < 4; ++j)
                if (rotations_[r][i][j] == 1) {
                    bits_[r][i] |= static_cast<uint8_t>(1u << j);
                    lowest_[r] = static_cast<int8_t>(std::max<int>(lowest_[r], j));
                }
        }
    }
    dem_Main(g);
}

void clsDemo3::dem_Main(Game& g) {
    const bool upward = g.rng.Rnd() > 0.5;
    targetRotation_ = 0;
    targetColumn_ = 0;
    targetHoles_ = 1000;
    int best = -1000;
    const Columns base = FieldColumns(g.s);
    // A placement changes at most the four columns of its box, so the holes and wells
    // of a candidate are the field's own with those columns (and their neighbours) redone.
    std::array<int, kPoleCols> baseHoles{}, baseWells{};
    int h0 = 0, wBase = 0;
    for (int c = 0; c < kPoleCols; ++c) h0 += baseHoles[c] = ColumnHoles(base[c]);
    for (int c = kFirstCol + 1; c <= kRight - 1; ++c) wBase += baseWells[c] = ColumnWells(base, c);
    int w0 = wBase;
    for (int r = 0; r < 8; ++r) {
        for (int k = 0; k < kPoleCols; ++k) {
            const int c = upward ? k : kPoleCols - 1 - k;
            if (!dem_CheckFigPos(r, c)) continue;
            Columns f = base;
            const int row = dem_MoveDownFig(r, c, f);
            int h = h0, w = wBase;
            for (int x = c; x <= c + 3 && x < kPoleCols; ++x) h += ColumnHoles(f[x]) - baseHoles[x];
            for (int x = std::max(c - 1, kFirstCol + 1); x <= std::min(c + 4, kRight - 1); ++x)
                w += ColumnWells(f, x) - baseWells[x];
            const int full = FullRows(f);
            int score = h == h0 ? 40 : (h0 - h) * 15;
            if (!VerticalBar(r)) score += (w0 - w) * 15;
            else if (w0 > w) score += 10;
            if (full == 4) score += 40;
            else if (full > 0) score += row > 10 ? (full - 4) * 25 : full * 2;
            score += (row - kFloor) * 7;
            if (r > 3 && row > 10) score += 10;
            if (score > best) {
                targetRotation_ = static_cast<int16_t>(r);
                targetColumn_ = static_cast<int16_t>(c);
                targetHoles_ = static_cast<int16_t>(h);
                invertWanted_ = r > 3;
                best = score;
                w0 = w;
            } else {
                g.rng.Rnd();
            }
        }
    }
    commandsForPlan_ = 0;
    takeBackNow_ = takeBackWanted_;
    takeBackWanted_ = h0 < targetHoles_ && g.s.g_LastFig.TakeBackCount < kTakeBacksPerGame;
}

int16_t clsDemo3::dem_GotoMove(const GameState& s) {
    if (++tickCounter_ < speed_) return demo_cmd::Wait;
    tickCounter_ = 0;
    if (takeBackNow_) {
        takeBackNow_ = false;
        return demo_cmd::TakeBack;
    }
    if (++commandsForPlan_ > kDemoPlanCommands) return demo_cmd::Drop;
    if (invertWanted_ && !invertDone_) {
        invertDone_ = true;
        return demo_cmd::Invert;
    }
    if (s.g_Figs[0].Cells != rotations_[targetRotation_]) {
        // A rotation the walls keep turning back is given up after four tries.
        if (++rotateAttempts_ <= 4) return demo_cmd::Rotate;
    }
    rotateAttempts_ = 0;
    if (s.g_FigX < targetColumn_) return demo_cmd::Right;
    if (s.g_FigX > targetColumn_) return demo_cmd::Left;
    return demo_cmd::Drop;
}

}  // namespace zembrol
