// Record tables: file names, reading damaged files, the insertion rules and the live place.
#include <gtest/gtest.h>

#include "stats/record_files.h"
#include "stats/record_table.h"

using namespace zembrol;

TEST(RecordFiles, NamesPerSpeedTypeAndVariant) {
    struct Case { int16_t speed; int32_t type; bool trial; const char* table; const char* full; const char* level3; };
    for (const Case& c : {
             Case{0, 1, false, "DF_slow_zemb.txt", "DS_slowzemb.zmb", "DF_slow_zemb_level3.txt"},
             Case{0, 1, true, "DF_slow_trial_zemb.txt", "DS_slowtrial.zmb", "DF_slow_trial_zemb_level3.txt"},
             Case{1, 2, false, "DF_medium_class.txt", "DS_mediumclass.zmb", "DF_medium_class_level3.txt"},
             Case{2, 3, true, "DF_fast_trial_seq.txt", "DS_fasttrial.zmb", "DF_fast_trial_seq_level3.txt"},
             Case{3, 4, false, "DF__.txt", "DS_.zmb", "DF___level3.txt"},   // out of range: empty keys
         }) {
        const RecordKey key{c.speed, c.type, c.trial};
        EXPECT_EQ(RecordTableName(key), c.table);
        EXPECT_EQ(FullStatName(key), c.full);
        EXPECT_EQ(LevelTableName(key, 3), c.level3);
    }
    EXPECT_EQ(LevelTableName(RecordKey{0, 1, false}, 10), "DF_slow_zemb_level10.txt");
}

TEST(RecordTable, NumberValueReadsAsFarAsItCan) {
    struct Case { const char* text; int32_t value; };
    for (const Case& c : {Case{"1200", 1200}, Case{"  1200  ", 1200}, Case{"-35", -35}, Case{"+7", 7},
                          Case{"12abc", 12}, Case{"abc", 0}, Case{"", 0}, Case{"\t42", 42}, Case{"2.5", 2},
                          Case{"3.5", 4}, Case{"99999999999", 2147483647}, Case{"-99999999999", -2147483647 - 1}})
        EXPECT_EQ(NumberValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(RecordTable, DamagedFilesLoadWhatIsValid) {
    struct Case { const char* what; std::string bytes; std::vector<std::string> names; std::vector<int32_t> scores; };
    std::string many;
    for (int k = 0; k < 130; ++k) many += "p" + std::to_string(k) + "\r\n" + std::to_string(1000 - k) + "\r\n";
    for (const Case& c : {
             Case{"plain", "Ann\r\n500\r\nBob\r\n300\r\n", {"Ann", "Bob"}, {500, 300}},
             Case{"LF only, no final newline", "Ann\n500\nBob\n300", {"Ann", "Bob"}, {500, 300}},
             Case{"missing score line", "Ann\r\n500\r\nBob\r\n", {"Ann"}, {500}},
             Case{"non-numeric score", "Ann\r\nlots\r\n", {"Ann"}, {0}},
             Case{"blank lines keep their places", "\r\n500\r\nBob\r\n\r\n", {"", "Bob"}, {500, 0}},
             Case{"binary junk", std::string("A\0\x01n\xff\r\n7x\x02\r\n", 12), {"An\xd1\x8f"}, {7}},
             Case{"Windows-1251 name", "\xc8\xe2\xe0\xed\r\n10\r\n", {"Иван"}, {10}},
             Case{"UTF-8 name with a stray byte", "Игрок\xff Один\r\n10\r\nИван\r\n5\r\n", {"Игрок? Один", "Иван"}, {10, 5}},
             Case{"empty file", "", {}, {}},
         }) {
        const RecordTable t = ParseRecordTable(c.bytes);
        EXPECT_EQ(t.names, c.names) << c.what;
        EXPECT_EQ(t.scores, c.scores) << c.what;
    }
    const RecordTable t = ParseRecordTable(many);
    EXPECT_EQ(t.Count(), 100);
    EXPECT_EQ(t.names.back(), "p99");
    EXPECT_EQ(ParseRecordTable(FormatRecordTable(t)).scores, t.scores);
}

// What could not be read as it was written is reported, so that the file is copied
// aside before a save replaces it; a file that reads whole reports nothing.
TEST(RecordTable, DamageIsReportedForWhatCouldNotBeRead) {
    struct Case { const char* what; std::string bytes; std::string damage; };
    for (const Case& c : {
             Case{"UTF-8", "Иван\r\n10\r\n", ""},
             Case{"Windows-1251", "\xc8\xe2\xe0\xed\r\n10\r\n", ""},
             Case{"a stray byte in a UTF-8 name", "Ann\r\n20\r\nИгрок\xff Один\r\n10\r\n",
                  "line 3 is UTF-8 with stray bytes (shown as '?')"},
             Case{"a score line without a number", "Ann\r\nlots\r\n", "line 2 holds no score"},
             Case{"a name without its score", "Ann\r\n20\r\nBob\r\n", "line 3 is a name without a score"},
         }) {
        std::string damage = "unset";
        ParseRecordTable(c.bytes, &damage);
        EXPECT_EQ(damage, c.damage) << c.what;
    }
}

namespace {
RecordTable Table(std::vector<int32_t> scores) {
    RecordTable t;
    for (size_t k = 0; k < scores.size(); ++k) t.names.push_back("n" + std::to_string(k + 1));
    t.scores = std::move(scores);
    return t;
}
}  // namespace

TEST(RecordTable, InsertionPlaces) {
    std::vector<int32_t> full(100);
    for (int k = 0; k < 100; ++k) full[k] = 10000 - 10 * k;   // the 100th is 9010
    struct Case { const char* what; std::vector<int32_t> scores; int32_t s; int place; };
    for (const Case& c : {Case{"empty table", {}, -5, 1}, Case{"below all of three", {300, 200, 100}, 50, 4},
                          Case{"equal goes after", {300, 200, 100}, 200, 3}, Case{"above all", {300}, 301, 1},
                          Case{"equal to the 100th of a full table", full, 9010, -1},
                          Case{"one above the 100th", full, 9011, 100}}) {
        RecordTable t = Table(c.scores);
        EXPECT_EQ(InsertPlace(t, c.s, "me", true), c.place) << c.what;
        EXPECT_EQ(t.scores, c.scores) << c.what << ": a query changes nothing";
        EXPECT_EQ(InsertPlace(t, c.s, "me", false), c.place) << c.what;
        if (c.place == -1) {
            EXPECT_EQ(t.scores, c.scores) << c.what;
            continue;
        }
        EXPECT_EQ(t.Count(), std::min<int>(static_cast<int>(c.scores.size()) + 1, 100)) << c.what;
        EXPECT_EQ(t.scores[c.place - 1], c.s) << c.what;
        EXPECT_EQ(t.names[c.place - 1], "me") << c.what;
    }
}

TEST(RecordTable, LivePlaceCountsTheScoresNotBeaten) {
    RecordTable t = Table({300, 200, 100});
    const auto scores = RecordScores(t);
    EXPECT_EQ(scores[3], kNoRecordScore);
    struct Case { int32_t s; int place; };
    for (const Case& c : {Case{301, 1}, Case{300, 2}, Case{150, 3}, Case{0, 4}, Case{-600000, 101}})
        EXPECT_EQ(LivePlace(scores, c.s), c.place) << c.s;
    EXPECT_EQ(LivePlace(RecordScores(RecordTable{}), -499999), 1) << "an empty table: every score is first";
}

TEST(RecordTable, NamesAreCutOnACharacterBoundary) {
    EXPECT_EQ(FixedName("Bob"), "Bob        ");
    EXPECT_EQ(FixedName("Александра Петровна"), "Александра ");
    EXPECT_EQ(FixedName("abcdefghijklmn"), "abcdefghijk");
}
