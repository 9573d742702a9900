// The three windows at a game's end as the record steps see them: the level
// statistics, the record entry and the full statistics. The application draws them
// (or a script drives them); the simulation answers them at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "stats/stat_rec.h"

namespace zembrol {

// What the record entry window answers.
struct RecordEntry {
    bool cancelled = true;
    std::string name;      // the name as typed (surrounding spaces kept)
    bool send = false;     // "send the result" ticked
};

class ResultWindows {
public:
    virtual ~ResultWindows() = default;
    // frmLevelStats: g_LevelStat up to the level reached.
    virtual void ShowLevelStats(const std::array<int32_t, 2 * (kMaxLevel + 1)>& stat, int levelReached) {
        (void)stat, (void)levelReached;
    }
    // frmEnterName: offered is the stored name; after a demo game the name is fixed to
    // "Computer" and the result cannot be sent.
    virtual RecordEntry ShowRecordEntry(const std::string& offered, bool demoPlayed) = 0;
    // frmFullStat: the table as the addition left it; marked is the game just ended
    // (1-based place in the rows, 0 when it did not enter).
    virtual void ShowFullStat(const std::vector<StatRec>& rows, int marked) { (void)rows, (void)marked; }
};

inline constexpr const char* kComputerName = "Computer";

}  // namespace zembrol
