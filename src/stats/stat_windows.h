// What the two statistics windows show, as plain data: the level statistics
// (frmLevelStats: the player's gain against the record holder's per level, with
// their bars) and the rows of the full statistics table (frmFullStat). The windows
// draw these; tests read them without any window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "stats/stat_rec.h"

namespace zembrol {

inline constexpr int kLevelCount = kMaxLevel + 1;                 // levels 0..10
inline constexpr uint32_t kColorGain = 16711680;                   // blue: the player gained more
inline constexpr uint32_t kColorLoss = 255;                        // red: equal or less

// One level's row of frmLevelStats.
struct LevelStatRow {
    std::string lblVS;     // "B - A": the player's gain, the record holder's
    std::string lblDiff;   // "+D" when D > 0, else D
    uint32_t diffColor = kColorLoss;
};

// frmLevelStats. prbStat(L) is the record holder's bar of level L, prbStat(11 + L)
// the player's; every bar shares one range, [lo, hi].
struct LevelStats {
    std::vector<LevelStatRow> rows;                 // levels 0 .. the last level played
    int32_t lo = 0, hi = 0;                         // the bars' range
    std::array<int32_t, 2 * kLevelCount> target{};  // where each bar grows to
    std::array<int32_t, 2 * kLevelCount> shown{};   // where each bar stands now
    int32_t step = 1;                               // growth per tmrA tick

    // One tick of tmrA: every bar grows by one step towards its target. False once
    // every bar has arrived (the animation is over).
    bool tmrA_Tick();
    bool Growing() const { return shown != target; }
    // A bar's filled part, 0..1.
    double Fraction(int bar) const;
};

// g_LevelStat: [L] the record holder's gain in level L, [11 + L] the player's.
// lastLevel: the level the game ended in; rows after it are not shown.
LevelStats MakeLevelStats(const std::array<int32_t, 2 * kLevelCount>& g_LevelStat, int lastLevel);

// A bar value kept within the bar's range.
int32_t st_GetSafeVal(int32_t value, int32_t lo, int32_t hi);

inline constexpr int kFullStatVisibleRows = 10;
inline constexpr int kFullStatColumns = 16;

// frmFullStat: the table as the last addition left it, ten rows at a time from the
// scroll position; the game just ended is marked.
class FullStatTable {
public:
    // marked: the game just ended, 1-based; 0 when it is not in the table.
    FullStatTable(std::vector<StatRec> records, int marked);

    int Count() const { return static_cast<int>(records_.size()); }
    // vscrlUpDown exists only for more than ten records; its value is the first row shown.
    bool Scrolls() const { return Count() > kFullStatVisibleRows; }
    int ScrollMax() const { return Scrolls() ? Count() - kFullStatVisibleRows : 0; }
    int Scroll() const { return scroll_; }
    // Moves the view, kept within 0..ScrollMax().
    void SetScroll(int value);

    // lblStatVal(row * 16 + column) of visible row 0..9: empty below the last record.
    const std::string& Cell(int row, int column) const;
    // lblPlace(row): the record's number in the table, empty below the last record.
    std::string PlaceLabel(int row) const;
    // The visible row of the game just ended, or -1 when it is scrolled away or absent.
    int MarkedRow() const;
    int Marked() const { return marked_; }

    // The sixteen texts of one record in the window's column order; "0" shows as "-".
    static std::array<std::string, kFullStatColumns> RowTexts(const StatRec& r);

private:
    void Fill();

    std::vector<StatRec> records_;
    int marked_ = 0;
    int scroll_ = 0;
    std::array<std::array<std::string, kFullStatColumns>, kFullStatVisibleRows> cells_;
};

}  // namespace zembrol
