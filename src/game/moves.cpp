// Moves: every test reads a field cell only under a figure cell, so a box that
// overhangs the margins never reads outside the arrays.
#include "game/moves.h"

#include "game/saturate.h"

namespace zembrol {

namespace {
bool Cell(const GameState& s, int i, int j) { return s.g_Figs[0].Cells[i][j] == 1; }
}  // namespace

bool CanMoveDown(const GameState& s) {
    const int floor = s.FloorRow();
    // A figure without cells would never meet anything; it stops on the floor.
    if (s.g_FigY >= floor) return false;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!Cell(s, i, j)) continue;
            if (s.g_Pole[s.g_FigX + i][s.g_FigY + j + 1]) return false;
            if (s.g_FigY + j == floor) return false;
        }
    return true;
}

bool EnableMoveLRForMouse(const GameState& s, int32_t t) {
    if (t > s.m_PoleMaxX - 1 || t < 1) return false;
    const int right = s.RightCol();
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            if (!Cell(s, i, j)) continue;
            const int x = t + i;
            if (x < kFirstCol || x > right) return false;
            if (s.g_Pole[x][s.g_FigY + j]) return false;
        }
    // Path test: a jump of several columns (mouse) may not pass through filled
    // cells; the current position is tested as well.
    const int step = t < s.g_FigX ? 1 : -1;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            if (!Cell(s, i, j)) continue;
            for (int k = t;; k += step) {
                if (s.g_Pole[k + i][s.g_FigY + j]) return false;
                if (k == s.g_FigX) break;
            }
        }
    return true;
}

void CmdMove(Game& g, int direction) {
    if (g.s.g_Dropping) return;
    const int d = direction - 1;
    if (EnableMoveLRForMouse(g.s, g.s.g_FigX + d)) {
        g.s.g_FigX += d;
        g.s.g_MovesFig = SatAdd(g.s.g_MovesFig, 1);
    }
}

void CmdRotate(Game& g) {
    if (g.s.g_Dropping) return;
    g.s.g_MovesFig = SatAdd(g.s.g_MovesFig, 1);
    g.Raise({.kind = EventKind::PlaySoundAt, .slot = SoundSlot::mRot1, .column = g.s.g_FigX + 2.0, .row = g.s.g_FigY + 2.0});
    RotateQ(g);
}

void RotateQ(Game& g) {
    const CellBox& old = g.s.g_Figs[0].Cells;
    CellBox rotated{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            rotated[i][j] = g.cfg.bCW ? old[j][3 - i] : old[3 - j][i];
    // Only the walls and the floor limit a rotation; overlapping filled cells is allowed.
    PushFromWalls(g.s, rotated);
    PushAboveFloor(g.s, rotated);
    g.s.g_Figs[0].Cells = rotated;
}

void PushAboveFloor(GameState& s, const CellBox& cells) {
    int lowest = -1;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (cells[i][j] == 1 && j > lowest) lowest = j;
    // A figure resting on the floor that turns into a taller one rises instead of
    // reaching into the rows below the floor, where no cell may ever be stored.
    if (lowest >= 0 && s.g_FigY + lowest > s.FloorRow()) s.g_FigY = s.FloorRow() - lowest;
}

void PushFromWalls(GameState& s, const CellBox& cells) {
    const int right = s.RightCol();
    // A box at columns 5..17 cannot touch a wall.
    if (s.g_FigX > kFirstCol && s.g_FigX < right - 3) return;
    auto anyCell = [&](auto outside) {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (cells[i][j] == 1 && outside(s.g_FigX + i)) return true;
        return false;
    };
    if (s.g_FigX >= kSpawnCol) {
        while (anyCell([&](int x) { return x > right; })) --s.g_FigX;
    } else {
        while (anyCell([](int x) { return x < kFirstCol; })) ++s.g_FigX;
    }
}

void CmdDrop(Game& g) {
    GameState& s = g.s;
    if (!s.g_Running || s.g_ViewMoving) return;
    if (s.g_DropArmed) {
        s.g_Dropping = true;
        // The drop sound: the sound picks one of its two variants (not from the game's generator).
        g.Raise({.kind = EventKind::PlaySoundAt,
                 .slot = SoundSlot::mDrop1,
                 .column = s.g_FigX + 2.0,
                 .row = s.g_FigY + 2.0});
        s.g_DropArmed = false;
        if (g.cfg.bEnableMiracle) {
            // A drop takes the Miracle meter as points; a cancelled and restarted drop takes it again.
            s.score.s_addval(s.g_MiracleMeter);
            s.g_ChangeBonus = SatAdd(s.g_ChangeBonus, s.g_MiracleMeter);
        }
        s.g_MovesFig = SatAdd(s.g_MovesFig, 1);
    } else {
        s.g_Dropping = false;
        s.g_DropArmed = true;
    }
}

void CalcFantom(GameState& s) {
    const int floor = s.FloorRow();
    int r = s.g_FigY;
    for (;;) {
        bool stop = r >= floor;
        for (int i = 0; i < 4 && !stop; ++i)
            for (int j = 0; j < 4 && !stop; ++j)
                stop = Cell(s, i, j) && (r + j == floor || s.g_Pole[s.g_FigX + i][r + j + 1]);
        if (stop) break;
        ++r;
    }
    s.m_FantomX = static_cast<int16_t>(s.g_FigX);
    s.m_FantomY = static_cast<int16_t>(r);
}

void StoreLevelScore(Game& g) {
    const int type = g.cfg.gt_CurGameType;
    if (type >= 1 && type <= kGameTypes && g.s.g_Level >= 0 && g.s.g_Level <= kMaxLevel)
        g.s.g_LevelScores[type - 1][g.s.g_Level] = g.s.score.s_getval();
}

bool GameOver(Game& g) {
    const GameState& s = g.s;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (Cell(s, i, j) && s.g_Pole[s.g_FigX + i][s.g_FigY + j]) {
                StoreLevelScore(g);
                return true;
            }
    return false;
}

}  // namespace zembrol
