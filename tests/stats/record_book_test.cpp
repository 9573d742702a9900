// RecordBook over real files in a temporary folder: the first full statistics file,
// level tables, level statistics, and failed writes.
#include <gtest/gtest.h>

#include "stats/record_book.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {

class RecordBookTest : public ::testing::Test {
protected:
    TempDir dir;
    std::vector<std::string> logged;
    std::vector<std::string> reported;
    RecordBook book{dir.Path(), [this](const std::string& m, bool ok) { if (!ok) logged.push_back(m); },
                    [this](const std::string& f, const std::string& m) { reported.push_back(f + " " + m); }};
    const RecordKey key{0, 1, false};

    static StatRec Game(int32_t score) {
        StatRec r = DefaultStatRec();
        r.Name = "Player     ";
        r.Date = "05.03.04";
        r.Score = score;
        r.Place = 3;
        return r;
    }
    std::vector<int32_t> FullStatScores() {
        std::vector<int32_t> out;
        for (const StatRec& r : ParseFullStat(dir.Read("DS_slowzemb.zmb"))) out.push_back(r.Score);
        return out;
    }
};

}  // namespace

TEST_F(RecordBookTest, TheFirstGameWritesTwoRecordsWithTheDefaultRow) {
    struct Case { int32_t score; bool gameFirst; };
    for (const Case& c : {Case{500, true}, Case{0, false}, Case{-30, false}}) {
        std::filesystem::remove(dir / "DS_slowzemb.zmb");
        ASSERT_TRUE(book.g_AddRecordToFullStat(key, Game(c.score)));
        const std::vector<StatRec> recs = ParseFullStat(dir.Read("DS_slowzemb.zmb"));
        ASSERT_EQ(recs.size(), 2u) << c.score;
        const StatRec& def = recs[c.gameFirst ? 1 : 0];
        EXPECT_EQ(def.Name, "Gamer      ");
        EXPECT_EQ(def.Date, "??.??.??");
        EXPECT_EQ(def.Place, 1);
        EXPECT_EQ(recs[c.gameFirst ? 0 : 1].Score, c.score);
    }
}

TEST_F(RecordBookTest, DamagedFullStatisticsAreReadSafely) {
    // A zero-byte file is a new file; a trailing partial record is dropped on the next save.
    dir.Write("DS_slowzemb.zmb", "");
    ASSERT_TRUE(book.g_AddRecordToFullStat(key, Game(10)));
    EXPECT_EQ(FullStatScores(), (std::vector<int32_t>{10, 0}));
    dir.Write("DS_slowzemb.zmb", dir.Read("DS_slowzemb.zmb") + std::string(20, '\x7f'));
    ASSERT_TRUE(book.g_AddRecordToFullStat(key, Game(5)));
    EXPECT_EQ(FullStatScores(), (std::vector<int32_t>{10, 5, 0}));
    EXPECT_EQ(dir.Read("DS_slowzemb.zmb").size(), 3 * kStatRecBytes);
    EXPECT_EQ(logged.size(), 1u) << "the partial record is logged";
    EXPECT_TRUE(reported.empty());
}

TEST_F(RecordBookTest, AFailedWriteIsLoggedAndReturnsFalse) {
    // A folder where the table should be: it can be neither read nor replaced.
    std::filesystem::create_directories(dir / "DF_slow_zemb.txt");
    book.g_LoadRecords(key);
    EXPECT_EQ(book.g_Records.Count(), 0);
    ASSERT_EQ(book.g_GetRecordPlace(100, "Ann", false, true), 1);
    EXPECT_FALSE(book.g_SaveRecords(key));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("g_SaveRecords()"), std::string::npos);
}

TEST_F(RecordBookTest, RecordTableRoundTripAndTheLoopFlag) {
    dir.Write("DF_slow_zemb.txt", "Ann\r\n500\r\nBob\r\n300\r\n");
    book.g_LoadRecords(key);
    EXPECT_EQ(book.g_RecordScores[1], 300);
    EXPECT_EQ(book.g_RecordScores[2], kNoRecordScore);
    EXPECT_EQ(book.UpdatePlace(400), 2);
    EXPECT_EQ(book.g_GetRecordPlace(400, "Cy", true, false), -1) << "the loop has stopped";
    EXPECT_EQ(book.g_GetRecordPlace(400, "Cy", false, true), 2);
    ASSERT_TRUE(book.g_SaveRecords(key));
    EXPECT_EQ(dir.Read("DF_slow_zemb.txt"), "Ann\r\n500\r\nCy\r\n400\r\nBob\r\n300\r\n");
}

TEST_F(RecordBookTest, LevelTablesGetEveryFinishedLevel) {
    LevelResults r;
    r.key = key;
    for (auto& t : r.levelScores) t.fill(kLevelScoreUnset);
    r.levelScores[0][0] = 700;
    r.level = 0;
    book.g_UpdateLevelRecords(r, "Ann", true);
    EXPECT_EQ(dir.Read("DF_slow_zemb_level0.txt"), "Ann\r\n700\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "DF_slow_zemb_level1.txt")) << "level 0 only";

    // A complete series: each type from level 0 up to its first unfinished level.
    r.key.trial = true;
    r.levelScores[0] = {};
    r.levelScores[0].fill(kLevelScoreUnset);
    r.levelScores[0][0] = 100, r.levelScores[0][1] = 200;
    r.levelScores[1][0] = 50;
    r.levelScores[2][0] = 10, r.levelScores[2][2] = 999;   // level 1 unfinished: level 2 is not reached
    book.g_UpdateLevelRecords(r, "Ann", true);
    EXPECT_EQ(dir.Read("DF_slow_trial_zemb_level1.txt"), "Ann\r\n200\r\n");
    EXPECT_EQ(dir.Read("DF_slow_trial_class_level0.txt"), "Ann\r\n50\r\n");
    EXPECT_EQ(dir.Read("DF_slow_trial_seq_level0.txt"), "Ann\r\n10\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "DF_slow_trial_seq_level2.txt"));
}

TEST_F(RecordBookTest, LevelStatisticsBookGainsSinceThePreviousChange) {
    dir.Write("DF_slow_zemb_level1.txt", "Rec\r\n9000\r\n");
    book.ResetLevelStat();
    book.g_LoadLevelTable(key, 1, false);   // the level change loaded level 1's table
    ASSERT_EQ(book.g_LevelTable.size(), 1u);
    EXPECT_EQ(book.g_LevelTable[0].name, "Rec        ");
    book.BookLevelStat(0, false, 3000);
    book.BookLevelStat(1, true, 4500);
    EXPECT_EQ(book.g_LevelStat[11 + 0], 3000);
    EXPECT_EQ(book.g_LevelStat[0], 9000);
    EXPECT_EQ(book.g_LevelStat[11 + 1], 1500);
    EXPECT_EQ(book.g_LevelStat[1], 0) << "game over books only the player's gain";
}
