// The record display beside the 3D view: where the running score stands in the
// record table (lstTable) and in the current level's table (lstLevel) - the six
// place labels lblLevelPlace, and the row of each list that is selected and scrolled
// to. Plain data: the main window draws it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "stats/record_book.h"
#include "stats/record_table.h"

namespace zembrol {

// One list's selection and scroll position (rows from 0).
struct ListPosition {
    int selected = -1;   // -1: no row selected
    int top = 0;         // the first row shown
};

// The place of score s in a table of `count` scores (best first) by the live place
// rule, searched from row `from` up or down: 1 + the rows whose score s does not beat.
// Rows beyond the table count as kNoRecordScore.
int PlaceFrom(const std::vector<int32_t>& scores, int32_t s, int from);

class RecordDisplay {
public:
    // What an update reads.
    struct Tables {
        const std::array<int32_t, kRecordRows>* recordScores = nullptr;   // g_RecordScores
        const RecordTable* records = nullptr;                             // g_Records (lstTable)
        const std::vector<LevelRow>* levelTable = nullptr;                // g_LevelTable (lstLevel)
        bool bLstBox0 = false, bLstBox1 = false;                          // highlight lstLevel, lstTable
    };

    // After a landing, at a level advance and when a game starts.
    void Update(int32_t score, bool levelChanged, const Tables& t);
    // A new game clears the texts (they are filled again at once).
    void Clear();
    // A list filled anew has no selection and shows its first row.
    void TableListRefilled() { lstTable = {}; }
    void LevelListRefilled() { lstLevel = {}; }

    // lblLevelPlace(0..5): 0, 2, 4 distance, place and first name for the level table,
    // 1, 3, 5 the same for the record table.
    std::array<std::string, 6> lblLevelPlace;
    int place = 1;          // the live place in the record table
    int levelPlace = 1;     // the place in the level table
    ListPosition lstTable, lstLevel;

private:
    void UpdateLevelPart(int32_t s, const Tables& t);
};

}  // namespace zembrol
