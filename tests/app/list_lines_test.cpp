// The record lists' lines follow their tables, including changes made in place.
#include "app/list_lines.h"

#include <gtest/gtest.h>

using namespace zembrol;

TEST(ListLines, FollowTheTableThroughChangesInPlace) {
    RecordTable table;
    ListLines<RecordTable> lines;
    EXPECT_TRUE(lines.Of(table).empty());
    InsertPlace(table, 500, "Ann", false);
    InsertPlace(table, 900, "Bob", false);
    EXPECT_EQ(lines.Of(table), (std::vector<std::string>{"1. Bob  900", "2. Ann  500"}));
    table.names[1] = "Eve";   // same size, other name
    EXPECT_EQ(lines.Of(table)[1], "2. Eve  500");

    std::vector<LevelRow> level{{"Kim", 70}};
    ListLines<std::vector<LevelRow>> levelLines;
    EXPECT_EQ(levelLines.Of(level), std::vector<std::string>{"1. Kim  70"});
    level[0].score = 71;
    EXPECT_EQ(levelLines.Of(level), std::vector<std::string>{"1. Kim  71"});
}
