// RecordBook over real files in a temporary folder: the first full statistics file,
// level tables, level statistics, and failed writes.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

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
    // The copies kept of a damaged file, by name.
    std::vector<std::string> BadCopies(const std::string& fileName) {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            if (e.path().filename().string().rfind(fileName + ".bad-", 0) == 0) out.push_back(e.path().filename());
        return out;
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
    ASSERT_EQ(logged.size(), 2u) << "the partial record is logged, and the copy kept of the file";
    EXPECT_NE(logged[1].find("DS_slowzemb.zmb.bad-"), std::string::npos) << logged[1];
    EXPECT_EQ(BadCopies("DS_slowzemb.zmb").size(), 1u);
    EXPECT_EQ(dir.Read(BadCopies("DS_slowzemb.zmb")[0]).size(), 2 * kStatRecBytes + 20) << "the copy is the old file";
    EXPECT_TRUE(reported.empty());
}

TEST_F(RecordBookTest, AFailedWriteIsLoggedAndReturnsFalse) {
    // A folder where the table should be: it can be neither read nor replaced.
    std::filesystem::create_directories(dir / "DF_slow_zemb.txt");
    book.g_LoadRecords(key);
    EXPECT_EQ(book.g_Records.Count(), 0);
    ASSERT_EQ(book.g_GetRecordPlace(100, "Ann", false, true), 1);
    EXPECT_FALSE(book.g_SaveRecords(key));
    ASSERT_EQ(logged.size(), 2u) << "the unreadable file when read, the refused save";
    EXPECT_NE(logged[1].find("g_SaveRecords()"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "DF_slow_zemb.txt"));
}

// The table in memory is written only to the file it was read from: the settings
// changed since (a faster speed, another type) must not wipe another table.
TEST_F(RecordBookTest, ATableIsNeverSavedOverAnotherTablesFile) {
    dir.Write("DF_slow_zemb.txt", "Ann\r\n500\r\n");
    dir.Write("DF_fast_zemb.txt", "Fay\r\n900\r\n");
    const RecordKey fast{2, 1, false};
    book.g_LoadRecords(fast);
    ASSERT_EQ(book.g_GetRecordPlace(1000, "Cy", false, true), 1);
    EXPECT_FALSE(book.g_SaveRecords(key));
    EXPECT_EQ(dir.Read("DF_slow_zemb.txt"), "Ann\r\n500\r\n");
    EXPECT_EQ(book.FailedWrites(), 1);
    ASSERT_TRUE(book.g_SaveRecords(fast));
    EXPECT_EQ(dir.Read("DF_fast_zemb.txt"), "Cy\r\n1000\r\nFay\r\n900\r\n");
    // A level table read into the lists belongs to its own file.
    book.g_LoadLevelTable(key, 3, true);
    EXPECT_FALSE(book.g_SaveRecords(key));
    EXPECT_EQ(book.RecordsFile(), "DF_slow_zemb_level3.txt");
}

// Only a missing file is an empty table. One that is there but cannot be read (a FIFO
// stands in for another user's file or a failing disk) plays as empty, is told once,
// and nothing is written over it — neither a record table, nor a level table, nor the
// full statistics.
TEST_F(RecordBookTest, AnUnreadableFileIsNeverSavedOver) {
    std::vector<std::string> told;
    RecordBook b{dir.Path(), [this](const std::string& m, bool ok) { if (!ok) logged.push_back(m); },
                 [this](const std::string& f, const std::string& m) { reported.push_back(f + " " + m); },
                 [&](const std::string& f, const std::string&) { told.push_back(f); }};
    for (const char* name : {"DF_slow_zemb.txt", "DF_slow_zemb_level0.txt", "DS_slowzemb.zmb"})
        ASSERT_EQ(mkfifo((dir / name).c_str(), 0600), 0);
    b.g_LoadRecords(key);
    b.g_LoadRecords(key);
    EXPECT_EQ(b.g_Records.Count(), 0);
    ASSERT_EQ(b.g_GetRecordPlace(100, "Ann", false, true), 1);
    EXPECT_FALSE(b.g_SaveRecords(key));
    LevelResults r;
    r.key = key;
    for (auto& type : r.levelScores) type.fill(kLevelScoreUnset);
    r.levelScores[0][0] = 100;
    b.g_UpdateLevelRecords(r, "Ann", true);
    EXPECT_FALSE(b.g_AddRecordToFullStat(key, Game(100)));
    EXPECT_FALSE(b.g_AddRecordToFullStat(key, Game(100)));
    for (const char* name : {"DF_slow_zemb.txt", "DF_slow_zemb_level0.txt", "DS_slowzemb.zmb"}) {
        EXPECT_TRUE(std::filesystem::is_fifo(dir / name)) << name << " was replaced";
        EXPECT_TRUE(BadCopies(name).empty()) << name;
    }
    EXPECT_EQ(told, (std::vector<std::string>{"DF_slow_zemb.txt", "DF_slow_zemb_level0.txt"}));
    ASSERT_EQ(reported.size(), 1u) << "the full statistics' own report, once";
    EXPECT_NE(reported[0].find("g_AddRecordToFullStat()"), std::string::npos);
    EXPECT_EQ(b.FailedWrites(), 4);
    EXPECT_EQ(b.UnreadableFiles().size(), 3u);
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

// One name with a byte that is not UTF-8 must not turn the other names into
// Windows-1251 letters when the table is saved again.
TEST_F(RecordBookTest, AStrayByteInOneNameLeavesTheOtherNamesIntact) {
    dir.Write("DF_slow_zemb.txt", "Иван\r\n900\r\nAnn\xff\r\n500\r\nПётр Ёлкин\r\n300\r\n");
    book.g_LoadRecords(key);
    ASSERT_EQ(book.g_GetRecordPlace(400, "Жанна", false, true), 3);
    ASSERT_TRUE(book.g_SaveRecords(key));
    EXPECT_EQ(dir.Read("DF_slow_zemb.txt"),
              "Иван\r\n900\r\nAnnя\r\n500\r\nЖанна\r\n400\r\nПётр Ёлкин\r\n300\r\n");
    book.g_LoadRecords(key);
    EXPECT_EQ(book.g_Records.names, (std::vector<std::string>{"Иван", "Annя", "Жанна", "Пётр Ёлкин"}));

    // A table written by an older version, all in Windows-1251, still reads as such.
    dir.Write("DF_slow_zemb_level2.txt", "\xc8\xe2\xe0\xed\r\n70\r\n\xcf\xb8\xf2\xf0\r\n60\r\n");
    book.g_LoadLevelTable(key, 2, true);
    EXPECT_EQ(book.g_Records.names, (std::vector<std::string>{"Иван", "Пётр"}));
    EXPECT_TRUE(logged.empty());
}

// Tables whose lines end in a lone CR (or a mix of line ends) keep every entry when
// a new result is entered.
TEST_F(RecordBookTest, EveryKindOfLineEndKeepsEveryEntry) {
    for (const std::string eol : {"\r", "\n", "\r\n"}) {
        std::string text;
        for (int k = 0; k < 40; ++k) text += "p" + std::to_string(k) + eol + std::to_string(1000 - k) + eol;
        dir.Write("DF_slow_zemb.txt", text);
        book.g_LoadRecords(key);
        ASSERT_EQ(book.g_Records.Count(), 40) << int(eol[0]) << eol.size();
        ASSERT_EQ(book.g_GetRecordPlace(2000, "New", false, true), 1);
        ASSERT_TRUE(book.g_SaveRecords(key));
        book.g_LoadRecords(key);
        EXPECT_EQ(book.g_Records.Count(), 41);
        EXPECT_EQ(book.g_Records.names.back(), "p39");
    }
    EXPECT_TRUE(logged.empty()) << logged.front();
    EXPECT_TRUE(BadCopies("DF_slow_zemb.txt").empty());
}

// What the reader could not take as entries is kept beside the new table, and the
// log says so: once when read, once when the copy is made.
TEST_F(RecordBookTest, ATableReadOnlyInPartIsKeptBeforeItIsReplaced) {
    struct Case { const char* name; std::string bytes; int entries; };
    for (const Case& c : {Case{"no numbers at all", "garbage\x01\x02 without\nany\tscores\nhere\n", 1},
                          Case{"a name without its score", "Ann\r\n500\r\nBob\r\n", 1},
                          Case{"a score line that is text", "Ann\r\n500\r\nBob\r\nlots\r\n", 2}}) {
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directories(dir.Path());
        logged.clear();
        dir.Write("DF_slow_zemb_level0.txt", c.bytes);
        book.g_LoadLevelTable(key, 0, true);
        EXPECT_EQ(book.g_Records.Count(), c.entries) << c.name;
        ASSERT_EQ(logged.size(), 1u) << c.name;
        EXPECT_NE(logged[0].find("DF_slow_zemb_level0.txt could not be read in full"), std::string::npos) << logged[0];

        LevelResults r;
        r.key = key;
        for (auto& t : r.levelScores) t.fill(kLevelScoreUnset);
        r.levelScores[0][0] = 700;
        book.g_UpdateLevelRecords(r, "Zoe", true);
        const std::vector<std::string> copies = BadCopies("DF_slow_zemb_level0.txt");
        ASSERT_EQ(copies.size(), 1u) << c.name;
        EXPECT_EQ(dir.Read(copies[0]), c.bytes) << c.name;
        EXPECT_EQ(dir.Read("DF_slow_zemb_level0.txt").substr(0, 10), "Zoe\r\n700\r\n") << c.name;
        ASSERT_EQ(logged.size(), 2u) << c.name;
        EXPECT_NE(logged[1].find("kept as " + copies[0]), std::string::npos) << logged[1];

        // The table is whole now: the next result makes no second copy.
        r.levelScores[0][0] = 800;
        book.g_UpdateLevelRecords(r, "Zed", true);
        EXPECT_EQ(BadCopies("DF_slow_zemb_level0.txt").size(), 1u) << c.name;
        EXPECT_EQ(logged.size(), 2u) << c.name;
    }
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
