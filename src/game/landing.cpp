// Landing: the steps run in exactly this order; the order decides which position a
// sound or an effect starts at and which values the labels show.
#include "game/landing.h"

#include <algorithm>

#include "game/figure_kinds.h"
#include "game/figures.h"
#include "game/labels.h"
#include "game/moves.h"
#include "game/saturate.h"

namespace zembrol {

namespace {
// round((251 - ticks) / 5): a figure that spent more than 253 ticks costs points.
int32_t LandingTimeBonus(int32_t ticks) { return RoundEven((251.0 - ticks) / 5); }
}  // namespace

int32_t RowPoints(int rows) {
    static constexpr int32_t kPoints[] = {0, 500, 1200, 3000, 5500};
    return kPoints[std::clamp(rows, 0, 4)];
}

void Update_Array_Pole(Game& g) {
    GameState& s = g.s;
    Color4 c;
    c.r = static_cast<float>(0.8 * g.rng.Rnd() + 0.19);
    c.g = static_cast<float>(0.8 * g.rng.Rnd() + 0.19);
    c.b = static_cast<float>(0.8 * g.rng.Rnd() + 0.19);
    s.g_LastFig.X = static_cast<int16_t>(s.g_FigX);
    s.g_LastFig.Y = static_cast<int16_t>(s.g_FigY);
    const uint8_t kind = FigureKindOf(s.g_Figs[0]);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const bool cell = s.g_Figs[0].Cells[i][j] == 1;
            if (cell) {
                s.g_Pole[s.g_FigX + i][s.g_FigY + j] = true;
                s.m_PoleColor[s.g_FigX + i][s.g_FigY + j] = c;
                s.poleKinds[s.g_FigX + i][s.g_FigY + j] = kind;
            }
            s.g_LastFig.Cells[i][j] = cell;
        }
    s.g_DropArmed = true;
}

void AdvanceLevel(Game& g) {
    GameState& s = g.s;
    s.g_LinesInLevel = 0;
    StoreLevelScore(g);
    const int left = s.g_Level;
    ++s.g_Level;
    g.Raise({.kind = EventKind::LevelBannerRestart});
    // The game waits for the flight from here; the host ends the wait when it has flown.
    if (g.cfg.b_AnimateChangeLevel) {
        s.cl_Busy = true;
        g.Raise({.kind = EventKind::LevelFlightStart});
    }
    s.m_LevelCaptionColor = {100, 100, 100};
    s.m_LevelCaptionStep[0] = static_cast<int16_t>(RoundEven(20 * g.rng.Rnd() + 2));
    s.m_LevelCaptionStep[1] = static_cast<int16_t>(RoundEven(20 * g.rng.Rnd()));
    s.m_LevelCaptionStep[2] = static_cast<int16_t>(RoundEven(20 * g.rng.Rnd() + 2));
    g.Raise({.kind = EventKind::LevelFinished, .value = left});
    s.lblLevel = "Level # " + std::to_string(s.g_Level);
    s.m_FallDelay = static_cast<int16_t>(150 - 15 * s.g_Level);
    g.Raise({.kind = EventKind::BlockMeshesRefresh});
}

int32_t RemoveFullRows(Game& g) {
    GameState& s = g.s;
    int32_t n = 0;
    const int right = s.RightCol();
    for (int r = s.m_PoleMaxY; r >= 0;) {
        int count = 0;
        while (kFirstCol + count <= right && s.g_Pole[kFirstCol + count][r]) ++count;
        if (count != kPlayWidth) {
            --r;
            continue;
        }
        if (n == 0) g.Raise({.kind = EventKind::RowRemovalStart});
        g.Raise({.kind = EventKind::RowRemovalAdd, .value = r - n});  // the row's index before this landing removed anything
        ++n;
        for (int rr = r; rr >= 1; --rr)
            for (int c = 0; c <= s.m_PoleMaxX; ++c) {
                s.g_Pole[c][rr] = s.g_Pole[c][rr - 1];
                s.m_PoleColor[c][rr] = s.m_PoleColor[c][rr - 1];
                s.poleKinds[c][rr] = s.poleKinds[c][rr - 1];
            }
        // Nothing lies above row 0: it becomes empty, or its cells would be doubled into row 1.
        for (int c = 0; c <= s.m_PoleMaxX; ++c) {
            s.g_Pole[c][0] = false;
            s.m_PoleColor[c][0] = Color4{};
            s.poleKinds[c][0] = kOtherKind;
        }
        s.g_LinesInLevel = SatAdd(s.g_LinesInLevel, 1);
        if (s.g_Level < kMaxLevel && s.g_LinesInLevel >= g.cfg.m_DelLinesInLevel) AdvanceLevel(g);
        // Row r now holds the row above it: examine it again.
    }
    return n;
}

bool Landing(Game& g) {
    GameState& s = g.s;
    // The landing sound: the sound picks one of its two variants with a generator of
    // its own, so the game's sequence of draws does not depend on sound.
    g.Raise({.kind = EventKind::PlaySoundAt,
             .slot = SoundSlot::mDown1,
             .column = s.g_FigX + 2.0,
             .row = s.g_FigY + 2.0});
    Update_Array_Pole(g);
    const int32_t n = RemoveFullRows(g);
    s.m_InvSign = false;
    if (n >= 1) {
        if (!s.cl_Busy)
            g.Raise({.kind = EventKind::PlaySoundAt, .slot = SoundSlot::mDel1, .column = 1.0 * s.g_FigX, .row = 1.0 * s.g_FigY});
        const int32_t p = RowPoints(n);
        g.Raise({.kind = EventKind::FlyingDigits, .column = 1.0 * s.g_FigX, .row = 1.0 * s.g_FigY, .value = p});
        s.score.s_addval(p);
        // Only a figure standing on filled cells can remove more than 4 rows; it counts as 4.
        const int kind = std::min<int32_t>(n, 4);
        g.Raise({.kind = EventKind::CountLinesBlink, .value = kind});
        s.g_LineKinds[kind - 1] = SatAdd(s.g_LineKinds[kind - 1], 1);
        s.lblCountLines[kind - 1] = CountLinesCaption(kind, s.g_LineKinds[kind - 1], p);
    }
    s.g_LastFig.TakenBack = false;
    s.g_LastFig.RowsRemoved = n >= 1;
    s.score.s_addval(LandingTimeBonus(s.m_FigTicks));
    s.m_FallCounter = 0;
    s.g_Dropping = false;
    s.m_ColorTaken = false;
    g.Raise({.kind = EventKind::TimeBonusDigits,
             .column = s.g_FigX - 2 * g.rng.Rnd(),
             .row = s.g_FigY + 2.0,
             .value = s.g_TimeBonusNow});
    s.g_FigX = s.tmrDemo ? kSpawnCol : s.m_MouseCol;
    s.g_FigY = 0;
    // The price is booked when the figure lands, not when it comes into play.
    s.g_ZembBonus = SatAdd(s.g_ZembBonus, s.g_Figs[0].Price);
    s.score.s_addval(s.g_Figs[0].Price);
    AdvanceQueue(g);
    PushFromWalls(s, s.g_Figs[0].Cells);
    g.Raise({.kind = EventKind::DemoPlanFigure});
    g.rng.Randomize();
    AnnounceNextFigure(g);
    s.g_TimeBonus = SatAdd(s.g_TimeBonus, LandingTimeBonus(s.m_FigTicks));
    s.m_FigTicks = 0;
    s.lblScore = std::to_string(s.score.s_getval());
    if (s.g_Level != s.m_LevelAtLastLanding) {
        g.Raise({.kind = EventKind::BookLevelStat, .value = s.m_LevelAtLastLanding, .flag = false});
        s.m_LevelAtLastLanding = s.g_Level;
        g.Raise({.kind = EventKind::RecordDisplayUpdate, .flag = true});
    } else {
        g.Raise({.kind = EventKind::RecordDisplayUpdate, .flag = false});
    }
    m_SetLblCaptions(s);
    s.g_FigCount = SatAdd(s.g_FigCount, 1);
    if (s.g_MiracleMeter > 0) g.Raise({.kind = EventKind::MiracleDigits, .value = s.g_MiracleMeter});
    s.g_MovesTotal = SatAdd(s.g_MovesTotal, s.g_MovesFig);
    s.g_MiracleMeter = 0;
    s.m_LastInvAmount = 0;
    s.m_LastColorAmount = 0;
    s.g_MovesFig = 0;
    if (!GameOver(g)) return false;
    g.Raise({.kind = EventKind::BookLevelStat, .value = s.g_Level, .flag = true});
    s.m_ColorTaken = false;
    return true;
}

}  // namespace zembrol
