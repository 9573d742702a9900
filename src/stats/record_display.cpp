// The record display's places, texts and list positions.
#include "stats/record_display.h"

#include <algorithm>

namespace zembrol {

namespace {

int32_t ScoreAt(const std::vector<int32_t>& scores, int row) {
    return row >= 0 && row < static_cast<int>(scores.size()) ? scores[static_cast<size_t>(row)] : kNoRecordScore;
}

// The list shows the place's row near its top: row 0 for places 1..4, else four rows above.
void ShowPlace(ListPosition& list, int place, int rows) {
    if (place < 1 || place > rows) return;
    list.top = place < 5 ? 0 : place - 4;
    list.selected = place - 1;
}

// An empty table has no first place to measure from: the distance is to nothing (0).
std::string DistanceText(int32_t s, bool empty, int32_t first) {
    return std::to_string(int64_t{s} - (empty ? 0 : first));
}

}  // namespace

int PlaceFrom(const std::vector<int32_t>& scores, int32_t s, int from) {
    // Row p (0-based) is the player's row when s beats every row above p and not row p.
    int p = std::clamp(from, 0, std::max(kRecordRows, static_cast<int>(scores.size())));
    if (p > 0 && s > ScoreAt(scores, p - 1)) {
        while (p > 0 && s > ScoreAt(scores, p - 1)) --p;
    } else {
        while (p < kRecordRows && s <= ScoreAt(scores, p)) ++p;
    }
    return p + 1;
}

void RecordDisplay::Clear() {
    lblLevelPlace = {};
}

void RecordDisplay::Update(int32_t s, bool levelChanged, const Tables& t) {
    UpdateLevelPart(s, t);
    // The record table: the live place against the 100 kept scores.
    int p = kRecordRows;
    const std::array<int32_t, kRecordRows>& scores = *t.recordScores;
    while (p >= 1 && s > scores[static_cast<size_t>(p - 1)]) --p;
    place = p + 1;
    const int rows = t.records->Count();
    if (t.bLstBox1) ShowPlace(lstTable, place, rows);
    lblLevelPlace[1] = DistanceText(s, rows == 0, scores[0]);
    lblLevelPlace[3] = std::to_string(place);
    if (place == 1) lblLevelPlace[5] = "---";
    else if (levelChanged && rows > 0) lblLevelPlace[5] = t.records->names.front();
}

void RecordDisplay::UpdateLevelPart(int32_t s, const Tables& t) {
    const std::vector<LevelRow>& table = *t.levelTable;
    std::vector<int32_t> scores;
    scores.reserve(table.size());
    for (const LevelRow& r : table) scores.push_back(r.score);
    // The search starts where the list's selection stands: the place moves a row or
    // two between landings.
    const int from = lstLevel.selected >= 0 ? lstLevel.selected : static_cast<int>(scores.size());
    levelPlace = PlaceFrom(scores, s, from);
    if (t.bLstBox0) ShowPlace(lstLevel, levelPlace, static_cast<int>(table.size()));
    const auto trimmed = [](const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); };
    lblLevelPlace[0] = DistanceText(s, table.empty(), table.empty() ? 0 : table.front().score);
    lblLevelPlace[2] = std::to_string(levelPlace);
    lblLevelPlace[4] = levelPlace == 1 ? "---" : trimmed(table.front().name);
}

}  // namespace zembrol
