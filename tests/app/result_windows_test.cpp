// The statistics windows as a player and a script drive them: tmrA's pace and the
// sound hooks of the level statistics, the explanations, scrolling and closing of
// the full statistics, and their controls by name.
#include <gtest/gtest.h>

#include "app/result_windows.h"
#include "control_text.h"

using namespace zembrol;
using zembrol::testing::ValueOf;

namespace {

long long ColorOf(const ScriptWindow& w, const std::string& name) {
    for (const ControlValue& c : w.Controls())
        if (c.name == name) return c.color;
    return -2;
}

LevelStatsWindow LevelWindow() {
    std::array<int32_t, 2 * kLevelCount> stat{};
    stat[0] = 2000, stat[kLevelCount] = 4000;   // level 0: the player gained more
    stat[1] = 3000, stat[kLevelCount + 1] = 3000;   // level 1: as much as the record holder
    return LevelStatsWindow(MakeLevelStats(stat, 1), "Zembrol : Level statistics");
}

FullStatWindow FullWindow(int records) {
    std::vector<StatRec> rows;
    for (int k = 0; k < records; ++k) {
        StatRec r = DefaultStatRec();
        r.Name = "P" + std::to_string(k + 1);
        r.Score = 100 * (records - k);
        rows.push_back(r);
    }
    std::array<std::string, kFullStatColumns> tags;
    for (int k = 0; k < kFullStatColumns; ++k) tags[static_cast<size_t>(k)] = "column " + std::to_string(k);
    return FullStatWindow(FullStatTable(rows, 2), tags, "Point at a column");
}

}  // namespace

TEST(LevelStatsWindow, MusicAtLoadAndABarStepEveryHundredMilliseconds) {
    LevelStatsWindow w = LevelWindow();
    std::vector<std::string> music;
    int steps = 0;
    w.startMusic = [&](const std::string& file) { music.push_back(file); };
    w.barStepSound = [&] { ++steps; };
    w.Load();
    EXPECT_EQ(music, std::vector<std::string>{"dstat.wav"});
    for (int k = 0; k < 4; ++k) w.Frame();
    EXPECT_EQ(steps, 0) << "80 ms: tmrA has not ticked";
    EXPECT_EQ(ValueOf(w, "prbStat(11)"), "2000") << "bars start at the bottom of the range";
    w.Frame();
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(ValueOf(w, "prbStat(11)"), std::to_string(2000 + w.Stats().step));
    // Once every bar stands at its value the animation and its sound stop.
    for (int k = 0; k < 1000; ++k) w.Frame();
    EXPECT_EQ(ValueOf(w, "tmrA"), "False");
    EXPECT_EQ(ValueOf(w, "prbStat(11)"), "4000");
    EXPECT_EQ(ValueOf(w, "prbStat(0)"), "2000");
    const int stepsAtEnd = steps;
    for (int k = 0; k < 20; ++k) w.Frame();
    EXPECT_EQ(steps, stepsAtEnd);
}

TEST(LevelStatsWindow, TextsAndColoursByControlName) {
    const LevelStatsWindow w = LevelWindow();
    EXPECT_EQ(ValueOf(w, "Caption"), "Zembrol : Level statistics");
    EXPECT_EQ(ValueOf(w, "lblVS(0)"), "4000 - 2000");
    EXPECT_EQ(ValueOf(w, "lblDiff(0)"), "+2000");
    EXPECT_EQ(ColorOf(w, "lblDiff(0)"), 16711680);
    EXPECT_EQ(ValueOf(w, "lblDiff(1)"), "0");
    EXPECT_EQ(ColorOf(w, "lblDiff(1)"), 255);
    EXPECT_EQ(ValueOf(w, "lblVS(2)"), "<missing>");
    EXPECT_EQ(ValueOf(w, "prbStat.Min"), "2000");
    EXPECT_EQ(ValueOf(w, "prbStat.Max"), "4000");
}

TEST(LevelStatsWindow, OkSpaceAndTheCloseBoxCloseIt) {
    for (const char* how : {"cmdOK", "close", "Space"}) {
        LevelStatsWindow w = LevelWindow();
        EXPECT_FALSE(w.Key("Enter")) << "only Space presses the focused OK button";
        EXPECT_FALSE(w.Key("Esc"));
        EXPECT_FALSE(w.Closed());
        if (std::string(how) == "Space") EXPECT_TRUE(w.Key(how));
        else EXPECT_TRUE(w.Click(how));
        EXPECT_TRUE(w.Closed()) << how;
    }
}

TEST(FullStatWindow, PointingShowsTheColumnsExplanation) {
    FullStatWindow w = FullWindow(3);
    EXPECT_EQ(w.ToolTip(), "Point at a column");
    EXPECT_TRUE(w.Click("lblStatVal(17)"));
    EXPECT_EQ(w.ToolTip(), "column 1") << "label 17 is row 1, column 1";
    EXPECT_TRUE(w.Click("lblStatVal(159)"));
    EXPECT_EQ(w.ToolTip(), "column 15");
    EXPECT_TRUE(w.Click("lblPlace(4)"));
    EXPECT_EQ(w.ToolTip(), "Point at a column");
    EXPECT_FALSE(w.Click("lblStatVal(160)"));
    EXPECT_FALSE(w.Click("lblPlace(10)"));
    EXPECT_FALSE(w.Closed());
}

TEST(FullStatWindow, TheScrollBarExistsBeyondTenRecords) {
    FullStatWindow ten = FullWindow(10);
    EXPECT_FALSE(ten.Scroll("vscrlUpDown", 1));
    EXPECT_EQ(ValueOf(ten, "vscrlUpDown"), "<missing>");
    FullStatWindow many = FullWindow(25);
    EXPECT_EQ(ValueOf(many, "vscrlUpDown.Max"), "15");
    EXPECT_EQ(ValueOf(many, "markedRow"), "1");
    ASSERT_TRUE(many.Scroll("vscrlUpDown", 2));
    EXPECT_EQ(ValueOf(many, "vscrlUpDown"), "2");
    EXPECT_EQ(ValueOf(many, "lblStatVal(11)"), "P3");
    EXPECT_EQ(ValueOf(many, "lblPlace(0)"), "3");
    EXPECT_EQ(ValueOf(many, "markedRow"), "-1");
    EXPECT_FALSE(many.Scroll("hscrl", 2));
}

TEST(FullStatWindow, OkAndEscCloseIt) {
    FullStatWindow a = FullWindow(3);
    EXPECT_FALSE(a.Key("Enter"));
    EXPECT_TRUE(a.Key("Esc"));
    EXPECT_TRUE(a.Closed());
    FullStatWindow b = FullWindow(3);
    EXPECT_TRUE(b.Click("cmdOK"));
    EXPECT_TRUE(b.Closed());
}
