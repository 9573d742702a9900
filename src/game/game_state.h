// GameState: everything one game works on — the field, the figure queue and its
// position, the level and fall pacing, the flags the loop and the input test, the
// score and the counters behind the labels. One instance lives for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/cls_res.h"
#include "game/play_list.h"

namespace zembrol {

// The arrays have margins so a figure's 4x4 box can overhang the playable area.
inline constexpr int kPoleCols = 23;       // column indices 0..22
inline constexpr int kPoleRows = 35;       // row indices 0..34
inline constexpr int kFirstCol = 4;        // leftmost playable column
inline constexpr int kPlayWidth = 15;      // a row is full when its 15 playable cells are
inline constexpr int kSpawnCol = 9;        // (highest column index - 4) / 2
inline constexpr int kMaxLevel = 10;
inline constexpr int kQueueSize = 5;       // entry 0 falls, 1..4 come next
inline constexpr int kGameTypes = 3;       // main type, "Classic", "Sequence"
inline constexpr int kLevelScoreUnset = -1000000;

using CellBox = std::array<std::array<int16_t, 4>, 4>;  // [i = column offset][j = row offset]

struct Color4 {
    float r = 0, g = 0, b = 0, a = 1;
    bool operator==(const Color4&) const = default;
};

struct FigureRec {
    CellBox Cells{};
    int32_t Price = 0;
    bool IsSpecial = false;
    bool IsZemb = false;
};

// The last landed figure, for the take-back and its removal effect.
struct LastFigRec {
    std::array<std::array<bool, 4>, 4> Cells{};
    bool RowsRemoved = true;      // the landing removed rows: nothing to take back
    int16_t X = 0, Y = 0;         // landing column and row
    bool TakenBack = false;
    int16_t TakeBackCount = 0;    // take-backs used in this game
    // The three take-back indicator images of the main window, one per take-back left.
    std::array<bool, 3> Images{true, true, true};
};

// The colour-bonus indicator as the main window shows it.
struct ColorIndicator {
    bool visible = false;
    int32_t color = 0;    // 0x00FF00 warning, 0xFF0000 gain, 0x0000FF loss
    int32_t value = 0;    // the amount it shows
};

struct GameState {
    // Field, indexed [column][row]; row 0 is the top.
    std::array<std::array<bool, kPoleRows>, kPoleCols> g_Pole{};
    std::array<std::array<Color4, kPoleRows>, kPoleCols> m_PoleColor{};
    // The kind of figure each cell came from (figure_kinds.h), moved with the cells:
    // the colour-blind palette and the shape marks draw by it; the rules never read it.
    std::array<std::array<uint8_t, kPoleRows>, kPoleCols> poleKinds{};
    // Highest indices, read back from the arrays: every wall and floor test uses
    // these minus 4, never a literal 18 or 30.
    uint8_t m_PoleMaxX = kPoleCols - 1;
    uint8_t m_PoleMaxY = kPoleRows - 1;
    int RightCol() const { return m_PoleMaxX - 4; }   // 18
    int FloorRow() const { return m_PoleMaxY - 4; }   // 30

    std::array<FigureRec, kQueueSize> g_Figs{};
    PlayList playList;           // where the figures of a list type come from, set at each game start
    int32_t g_FigX = kSpawnCol;
    int32_t g_FigY = 0;
    int16_t m_FantomX = 0, m_FantomY = 0;

    bool g_Running = false;
    bool g_Dropping = false;
    bool g_DropArmed = true;
    bool g_ViewMoving = false;   // a camera move runs; drops wait for it
    bool cl_Busy = false;        // a level-change flight plays; the game tick waits for it
    bool tmrDemo = false;        // the demo timer runs: new figures spawn at column 9
    bool chkDemo = false;        // the demo box is pressed: a game start runs the timer again
    bool demoUsed = false;       // the demo played in this game: records go under "Computer"
    bool g_Exiting = false;

    int16_t g_Level = 0;
    int32_t g_LinesInLevel = 0;  // keeps counting at level 10, so kept wide
    int16_t m_FallDelay = 150;
    int16_t m_FallCounter = 0;
    int16_t m_DropWait = 0;
    int16_t g_FallSpeed = 0;
    // Spawn column of new figures outside demo play. The first figure of a game
    // spawns at column 9; later ones follow the mouse, so start there as well.
    int16_t m_MouseCol = kSpawnCol;
    bool m_MouseLatch = true;     // a mouse-button command may run (one per click)
    uint8_t m_NumKinds = 7;
    int32_t m_FigTicks = 0;
    int32_t g_TimeBonusNow = 0;
    bool m_InvSign = false;
    int16_t g_TrialGameNo = 0;
    std::array<int32_t, kGameTypes> g_TrialScores{};   // [type - 1]: score at the end of that game of a series

    clsRes score;
    // Counters that a long game can push past 16 bits are kept wide and saturate;
    // a file that stores 16 bits clamps when it writes.
    int32_t g_FigCount = 0;
    int32_t g_SpecialCount = 0;
    int32_t g_ZembCount = 0;
    int32_t g_MovesFig = 0;
    int32_t g_MovesTotal = 0;
    std::array<int32_t, 4> g_LineKinds{};   // [n - 1]: landings that removed n rows
    int32_t g_ZembBonus = 0;
    int32_t g_TimeBonus = 0;
    int32_t g_ChangeBonus = 0;
    int32_t g_InversiaBonus = 0;
    int32_t g_ColorBonus = 0;
    int32_t g_MiracleMeter = 0;
    int16_t g_MiracleTick = 0;
    int16_t g_ColorState = 0, g_ColorWarn = 0, g_ColorTime = 0, g_ColorValue = 0;
    bool m_ColorTaken = false;
    ColorIndicator m_ColorIndicator;
    int32_t m_LastInvAmount = 0;     // last Inversia amount shown
    int32_t m_LastColorAmount = 0;   // last colour-bonus amount shown

    LastFigRec g_LastFig;
    // Score at the end of each finished level, [game type - 1][level].
    std::array<std::array<int32_t, kMaxLevel + 1>, kGameTypes> g_LevelScores{};
    int16_t m_LevelAtLastLanding = 0;   // a landing books level statistics when this changes
    bool m_EndOfGameDisplay = false;    // the frame shows the finished game until a camera move

    // Colour cycle of the level caption drawn in the scene, restarted at each level advance.
    std::array<int16_t, 3> m_LevelCaptionColor{100, 100, 100};
    std::array<int16_t, 3> m_LevelCaptionStep{};

    // Label texts of the main window.
    std::string lblScore = "---";
    std::string lblLevel = "Level # 0";
    std::array<std::string, 4> lblCountLines{};
    std::string lblDB = "---", lblTB = "---", lblChB = "---", lblInvB = "---", lblCoB = "---";

    std::array<std::string, 13> LevelName{};
    bool m_GlobalsReady = false;   // InitGlobals succeeded once
};

}  // namespace zembrol
