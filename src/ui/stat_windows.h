// The two statistics windows drawn with ImGui: frmLevelStats (each level's points
// against the record holder's, with growing bars) and frmFullStat (the full
// statistics table, ten rows at a time). Thin views over the data of
// stats/stat_windows.h: they report what the player pressed, pointed at or scrolled,
// and the application turns that into the windows' commands.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "stats/stat_windows.h"

struct ImFont;

namespace zembrol {

struct LevelStatsView {
    const LevelStats* stats = nullptr;
    std::string caption;                          // the window's caption
    std::string levelCap, vsCap, diffCap, okCap;  // column titles and the OK button
};

// One frame of frmLevelStats. Returns the controls pressed: "cmdOK" or "close" (the close box).
std::vector<std::string> DrawLevelStats(const LevelStatsView& v, float scale);

struct FullStatView {
    const FullStatTable* table = nullptr;
    std::string caption;          // lblCaption, also the window's caption
    std::string gameLine;         // game type and speed of the table
    std::string lblToolTip;       // what the pointer last pointed at
    std::string okCap;
    ImFont* rowFont = nullptr;    // the rows' monospaced face; null: the window's font
};

struct FullStatInput {
    std::vector<std::string> clicked;   // "cmdOK"
    std::string hovered;                // "lblStatVal(i)" or "lblPlace(r)" under the pointer, or empty
    int scrollTo = -1;                  // the scroll bar was moved to this value
};

// One frame of frmFullStat.
FullStatInput DrawFullStat(const FullStatView& v, float scale);

}  // namespace zembrol
