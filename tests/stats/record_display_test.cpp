// The record display beside the view: the six place labels, the place searched in the
// level table from the selected row, and the lists' selection and scrolling.
#include <gtest/gtest.h>

#include "stats/record_display.h"

using namespace zembrol;

namespace {

// A record table and a level table built from names and scores, best first.
struct Tables {
    RecordTable records;
    std::array<int32_t, kRecordRows> scores{};
    std::vector<LevelRow> level;
    bool box0 = true, box1 = true;

    Tables(std::vector<std::pair<std::string, int32_t>> table, std::vector<std::pair<std::string, int32_t>> levelTable) {
        for (auto& [n, s] : table) {
            records.names.push_back(n);
            records.scores.push_back(s);
        }
        scores = RecordScores(records);
        for (auto& [n, s] : levelTable) level.push_back(LevelRow{FixedName(n), s});
    }
    RecordDisplay::Tables Get() const { return {&scores, &records, &level, box0, box1}; }
};

std::vector<std::pair<std::string, int32_t>> Descending(int n, int32_t top, int32_t step) {
    std::vector<std::pair<std::string, int32_t>> v;
    for (int k = 0; k < n; ++k) v.emplace_back("N" + std::to_string(k + 1), top - step * k);
    return v;
}

}  // namespace

TEST(RecordDisplay, AScoreAboveEveryEntryIsFirst) {
    Tables t({{"Ann", 5000}, {"Bob", 3000}}, {{"Cid", 800}});
    RecordDisplay d;
    d.Update(6000, false, t.Get());
    EXPECT_EQ(d.place, 1);
    EXPECT_EQ(d.lblLevelPlace[3], "1");
    EXPECT_EQ(d.lblLevelPlace[1], "1000");
    EXPECT_EQ(d.lblLevelPlace[5], "---");
    EXPECT_EQ(d.levelPlace, 1);
    EXPECT_EQ(d.lblLevelPlace[2], "1");
    EXPECT_EQ(d.lblLevelPlace[0], "5200");
    EXPECT_EQ(d.lblLevelPlace[4], "---");
}

TEST(RecordDisplay, EmptyTablesPutEveryScoreFirst) {
    for (int32_t s : {0, 1234, -400000}) {
        Tables t({}, {});
        RecordDisplay d;
        d.Update(s, true, t.Get());
        EXPECT_EQ(d.place, 1) << s;
        EXPECT_EQ(d.levelPlace, 1) << s;
        EXPECT_EQ(d.lblLevelPlace[5], "---");
        EXPECT_EQ(d.lblLevelPlace[4], "---");
        // No first place to measure from: the distance is the score itself.
        EXPECT_EQ(d.lblLevelPlace[1], std::to_string(s));
        EXPECT_EQ(d.lblLevelPlace[0], std::to_string(s));
        EXPECT_EQ(d.lstTable.selected, -1) << "no row to select";
    }
}

TEST(RecordDisplay, BehindTheLeaderTheDistanceIsNegativeAndTheNameComesWithANewLevel) {
    Tables t({{"Ann", 5000}, {"Bob", 3000}, {"Cid", 1000}}, {{"Dee", 900}, {"Eve", 100}});
    RecordDisplay d;
    d.Update(2000, false, t.Get());
    EXPECT_EQ(d.lblLevelPlace[3], "3");
    EXPECT_EQ(d.lblLevelPlace[1], "-3000");
    EXPECT_EQ(d.lblLevelPlace[5], "") << "the record holder's name is written when the level changes";
    EXPECT_EQ(d.lblLevelPlace[2], "1");
    d.Update(2000, true, t.Get());
    EXPECT_EQ(d.lblLevelPlace[5], "Ann");
    // Equal scores go after the older ones.
    d.Update(3000, false, t.Get());
    EXPECT_EQ(d.place, 3);
    d.Update(3001, false, t.Get());
    EXPECT_EQ(d.place, 2);
    // Level part: behind the level's leader, its name (without the padding).
    d.Update(500, false, t.Get());
    EXPECT_EQ(d.lblLevelPlace[2], "2");
    EXPECT_EQ(d.lblLevelPlace[0], "-400");
    EXPECT_EQ(d.lblLevelPlace[4], "Dee");
}

TEST(RecordDisplay, ThePlayersRowIsSelectedAndScrolledToWhenAsked) {
    Tables t(Descending(30, 30000, 1000), {});
    struct Case { int32_t score; int selected, top; };
    // Places 1..4 keep the top row; from place 5 the list starts four rows above.
    const Case cases[] = {{40000, 0, 0}, {27500, 3, 0}, {26500, 4, 1}, {10500, 20, 17}, {1500, 29, 26}};
    RecordDisplay d;
    for (const Case& c : cases) {
        d.Update(c.score, false, t.Get());
        EXPECT_EQ(d.lstTable.selected, c.selected) << c.score;
        EXPECT_EQ(d.lstTable.top, c.top) << c.score;
    }
    // Below the last row the list stays where it was.
    d.Update(-1, false, t.Get());
    EXPECT_EQ(d.place, 31);
    EXPECT_EQ(d.lstTable.selected, 29);
    // bLstBox1 off: no selection, no scrolling.
    t.box1 = false;
    RecordDisplay off;
    off.Update(10500, false, t.Get());
    EXPECT_EQ(off.lstTable.selected, -1);
    EXPECT_EQ(off.lstTable.top, 0);
    EXPECT_EQ(off.lblLevelPlace[3], "21");
}

TEST(RecordDisplay, TheLevelPlaceIsSearchedFromTheSelectedRowUpAndDown) {
    const std::vector<int32_t> scores = {900, 800, 700, 700, 600, 500};
    // The live place rule over 100 entries, those beyond the table at kNoRecordScore.
    auto fullScan = [&](int32_t s) {
        int p = 1;
        for (int k = 0; k < kRecordRows; ++k) p += s <= (k < 6 ? scores[static_cast<size_t>(k)] : kNoRecordScore);
        return p;
    };
    for (int32_t s : {1000, 901, 900, 800, 750, 700, 650, 600, 100, -500000, -600000}) {
        for (int from : {0, 1, 2, 3, 4, 5, 6, 7, 50, 100}) {
            EXPECT_EQ(PlaceFrom(scores, s, from), fullScan(s)) << "score " << s << " from row " << from;
        }
    }
    // The selection follows the score up the level table, landing after landing.
    Tables t({}, Descending(12, 12000, 1000));
    RecordDisplay d;
    for (int32_t s : {1500, 3500, 7500, 12500}) {
        d.Update(s, false, t.Get());
        EXPECT_EQ(d.lstLevel.selected, d.levelPlace - 1) << s;
    }
    EXPECT_EQ(d.levelPlace, 1);
    // A new level's list starts without a selection and finds the place again.
    d.LevelListRefilled();
    EXPECT_EQ(d.lstLevel.selected, -1);
    d.Update(8200, false, t.Get());
    EXPECT_EQ(d.levelPlace, 5);
    EXPECT_EQ(d.lstLevel.selected, 4);
    EXPECT_EQ(d.lstLevel.top, 1);
    EXPECT_EQ(d.lstTable.selected, -1) << "an empty record table has no row to select";
}
