// What the statistics windows show: the level statistics' texts, colours and bars for
// g_LevelStat contents, and the full statistics rows for tables of 3, 10 and 25 records.
#include <gtest/gtest.h>

#include "stats/stat_windows.h"

using namespace zembrol;

namespace {

using Stat = std::array<int32_t, 2 * kLevelCount>;

// g_LevelStat from (record holder's gain, player's gain) per level from 0.
Stat LevelStat(std::initializer_list<std::pair<int32_t, int32_t>> levels) {
    Stat s{};
    size_t L = 0;
    for (const auto& [a, b] : levels) {
        s[L] = a;
        s[kLevelCount + L] = b;
        ++L;
    }
    return s;
}

StatRec Record(int32_t score, const std::string& name = "Ann") {
    StatRec r = DefaultStatRec();
    r.Name = name;
    r.Score = score;
    r.Date = "05.03.04";
    return r;
}

std::vector<StatRec> Records(int n) {
    std::vector<StatRec> v;
    for (int k = 0; k < n; ++k) v.push_back(Record(1000 * (n - k), "P" + std::to_string(k + 1)));
    return v;
}

}  // namespace

TEST(LevelStats, TextsAndColoursPerLevel) {
    struct Case {
        int32_t a, b;
        const char* vs;
        const char* diff;
        uint32_t color;
    };
    const Case cases[] = {
        {500, 500, "500 - 500", "0", kColorLoss},          // equal gain: 0 in red
        {100, 350, "350 - 100", "+250", kColorGain},
        {900, 400, "400 - 900", "-500", kColorLoss},
        {0, 0, "0 - 0", "0", kColorLoss},
        {0, -2500, "-2500 - 0", "-2500", kColorLoss},      // an Inversia loss can make a level negative
        {-2147483647, 2147483647, "2147483647 - -2147483647", "+4294967294", kColorGain},
    };
    for (const Case& c : cases) {
        const LevelStats s = MakeLevelStats(LevelStat({{c.a, c.b}}), 0);
        ASSERT_EQ(s.rows.size(), 1u);
        EXPECT_EQ(s.rows[0].lblVS, c.vs);
        EXPECT_EQ(s.rows[0].lblDiff, c.diff);
        EXPECT_EQ(s.rows[0].diffColor, c.color) << c.diff;
    }
}

TEST(LevelStats, TheLastLevelPlayedBoundsTheRows) {
    const Stat stat = LevelStat({{10, 20}, {30, 40}, {50, 60}, {70, 80}});
    EXPECT_EQ(MakeLevelStats(stat, 0).rows.size(), 1u);
    const LevelStats s = MakeLevelStats(stat, 2);
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[2].lblVS, "60 - 50");
    EXPECT_EQ(MakeLevelStats(stat, 10).rows.size(), 11u);
    EXPECT_EQ(MakeLevelStats(stat, 99).rows.size(), 11u) << "a level beyond 10 shows the eleven levels";
}

TEST(LevelStats, LevelsWithoutPointsStayOutOfTheBarsRange) {
    // Level 1 saw no points on either side: 0 is not part of the range.
    const LevelStats s = MakeLevelStats(LevelStat({{1000, 3000}, {0, 0}, {2000, 1500}}), 2);
    EXPECT_EQ(s.lo, 1000);
    EXPECT_EQ(s.hi, 3000);
    // A level with points on one side only brings its 0 in.
    const LevelStats one = MakeLevelStats(LevelStat({{1000, 3000}, {0, 500}}), 1);
    EXPECT_EQ(one.lo, 0);
    EXPECT_EQ(one.hi, 3000);
    const LevelStats none = MakeLevelStats(Stat{}, 0);
    EXPECT_EQ(none.lo, 0);
    EXPECT_EQ(none.hi, 0);
    EXPECT_FALSE(none.Growing());
}

TEST(LevelStats, BarsGrowStepByStepToTheirShareOfTheRange) {
    LevelStats s = MakeLevelStats(LevelStat({{1000, 3000}, {0, 0}, {2000, 1500}, {1500, 2500}}), 2);
    // Level 3 was not played: its bars stay empty although g_LevelStat has values.
    EXPECT_EQ(s.target[3], s.lo);
    EXPECT_EQ(s.target[kLevelCount + 3], s.lo);
    for (int32_t v : s.shown) EXPECT_EQ(v, s.lo) << "bars start empty";
    int ticks = 0;
    Stat before = s.shown;
    while (s.Growing()) {
        s.tmrA_Tick();
        ++ticks;
        for (size_t k = 0; k < s.shown.size(); ++k) {
            EXPECT_GE(s.shown[k], before[k]) << "bars only grow";
            EXPECT_LE(s.shown[k], s.target[k]) << "no bar passes its value";
        }
        before = s.shown;
        ASSERT_LT(ticks, 1000);
    }
    EXPECT_GT(ticks, 1) << "the bars grow over several ticks";
    EXPECT_DOUBLE_EQ(s.Fraction(kLevelCount + 0), 1.0);   // 3000: the top of the range
    EXPECT_DOUBLE_EQ(s.Fraction(0), 0.0);                 // 1000: the bottom
    EXPECT_DOUBLE_EQ(s.Fraction(2), 0.5);                 // 2000
    EXPECT_DOUBLE_EQ(s.Fraction(kLevelCount + 2), 0.25);  // 1500
    EXPECT_DOUBLE_EQ(s.Fraction(1), 0.0);                 // level 1: nothing, held at the bottom
    EXPECT_FALSE(s.tmrA_Tick());
}

TEST(LevelStats, SafeValueKeepsBarsInTheirRange) {
    EXPECT_EQ(st_GetSafeVal(-5, 0, 100), 0);
    EXPECT_EQ(st_GetSafeVal(50, 0, 100), 50);
    EXPECT_EQ(st_GetSafeVal(500, 0, 100), 100);
    EXPECT_EQ(st_GetSafeVal(7, 10, 10), 10);
    // One value for every level: the bars that have points are full.
    const LevelStats s = MakeLevelStats(LevelStat({{700, 700}}), 0);
    EXPECT_DOUBLE_EQ(s.Fraction(0), 1.0);
}

TEST(FullStatTable, ColumnsInTheWindowsOrderAndZeroAsDash) {
    StatRec r;
    r.Place = 4, r.Moves = 310, r.Bonus = 2500, r.ZembBonus = 0, r.Specials = 3, r.Level = 2, r.TimeBonus = -40,
    r.Lines1 = 10, r.Lines2 = 0, r.Lines3 = 1, r.Lines4 = 20, r.Name = "Ann        ", r.Figures = 101, r.Zembs = 0,
    r.Score = 54321, r.Date = "05.03.04";
    const std::array<std::string, kFullStatColumns> want = {"4",  "310", "2500", "-",   "3", "2", "-40", "10",
                                                            "-",  "1",   "20",   "Ann", "101", "-", "54321", "05.03.04"};
    EXPECT_EQ(FullStatTable::RowTexts(r), want);
}

TEST(FullStatTable, ANewFileShowsTheGamerRow) {
    const FullStatTable t({DefaultStatRec()}, 0);
    EXPECT_EQ(t.Cell(0, 11), "Gamer");
    EXPECT_EQ(t.Cell(0, 15), "??.??.??");
    EXPECT_EQ(t.Cell(0, 0), "1");
    EXPECT_EQ(t.Cell(0, 14), "-");
    EXPECT_EQ(t.PlaceLabel(0), "1");
    EXPECT_EQ(t.Cell(1, 11), "");
    EXPECT_EQ(t.PlaceLabel(1), "");
}

TEST(FullStatTable, TenRowsAtATimeAndAScrollBarBeyondTen) {
    struct Case { int records; bool scrolls; int scrollMax; };
    for (const Case c : {Case{3, false, 0}, Case{10, false, 0}, Case{11, true, 1}, Case{25, true, 15}}) {
        SCOPED_TRACE(c.records);
        FullStatTable t(Records(c.records), 0);
        EXPECT_EQ(t.Scrolls(), c.scrolls);
        EXPECT_EQ(t.ScrollMax(), c.scrollMax);
        const int shown = std::min(c.records, kFullStatVisibleRows);
        for (int row = 0; row < kFullStatVisibleRows; ++row) {
            EXPECT_EQ(t.Cell(row, 11), row < shown ? "P" + std::to_string(row + 1) : "") << row;
            EXPECT_EQ(t.PlaceLabel(row), row < shown ? std::to_string(row + 1) : "") << row;
        }
    }
    // Scrolling refills the rows; it stops at the last ten records.
    FullStatTable t(Records(25), 0);
    t.SetScroll(7);
    EXPECT_EQ(t.Cell(0, 11), "P8");
    EXPECT_EQ(t.PlaceLabel(9), "17");
    t.SetScroll(99);
    EXPECT_EQ(t.Scroll(), 15);
    EXPECT_EQ(t.Cell(9, 11), "P25");
    EXPECT_EQ(t.Cell(9, 14), "1000");
    t.SetScroll(-3);
    EXPECT_EQ(t.Scroll(), 0);
    EXPECT_EQ(t.Cell(0, 11), "P1");
    // A table without a scroll bar does not move.
    FullStatTable small(Records(10), 0);
    small.SetScroll(4);
    EXPECT_EQ(small.Scroll(), 0);
}

TEST(FullStatTable, TheGameJustEndedIsMarkedWhereItIsVisible) {
    FullStatTable t(Records(25), 12);
    EXPECT_EQ(t.MarkedRow(), -1) << "record 12 lies below the first ten";
    t.SetScroll(5);
    EXPECT_EQ(t.MarkedRow(), 6);
    t.SetScroll(12);
    EXPECT_EQ(t.MarkedRow(), -1) << "scrolled past it";
    EXPECT_EQ(FullStatTable(Records(3), 1).MarkedRow(), 0);
    EXPECT_EQ(FullStatTable(Records(3), 0).MarkedRow(), -1) << "a game that did not enter marks nothing";
}
