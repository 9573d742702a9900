// The record lists' lines: one score column in a monospaced face, and lines that
// follow their tables, including changes made in place.
#include "app/list_lines.h"

#include <gtest/gtest.h>

using namespace zembrol;

TEST(ListLines, ScoresStartInOneColumn) {
    struct Case { size_t index; const char* name; int32_t score; const char* line; };
    for (const Case& c : {
             Case{0, "Ann", 900, " 1.Ann            900"},
             Case{8, "Bob", 5, " 9.Bob            5"},
             Case{9, "Eve", -1000, "10.Eve            -1000"},
             Case{99, "Kim", 70, "100.Kim           70"},
             Case{1, "Иван", 123456, " 2.Иван           123456"},   // pads by characters, not bytes
             Case{2, "", 1, " 3.               1"},
             Case{3, "Gamer_12345", 7, " 4.Gamer_12345    7"},
             Case{4, "a name longer than 15", 7, " 5.a name longer than 157"},
         }) {
        EXPECT_EQ(ListLine(c.index, c.name, c.score), c.line) << c.name;
    }
}

TEST(ListLines, FollowTheTableThroughChangesInPlace) {
    RecordTable table;
    ListLines<RecordTable> lines;
    EXPECT_TRUE(lines.Of(table).empty());
    InsertPlace(table, 500, "Ann", false);
    InsertPlace(table, 900, "Bob", false);
    EXPECT_EQ(lines.Of(table), (std::vector<std::string>{" 1.Bob            900", " 2.Ann            500"}));
    table.names[1] = "Eve";   // same size, other name
    EXPECT_EQ(lines.Of(table)[1], " 2.Eve            500");

    std::vector<LevelRow> level{{"Kim", 70}};
    ListLines<std::vector<LevelRow>> levelLines;
    EXPECT_EQ(levelLines.Of(level), std::vector<std::string>{" 1.Kim            70"});
    level[0].score = 71;
    EXPECT_EQ(levelLines.Of(level), std::vector<std::string>{" 1.Kim            71"});
}
