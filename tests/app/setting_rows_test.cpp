// The settings table: every key and every control has one row, and each control
// kind writes and lists its setting the way the windows' scripts expect, whatever
// the window.
#include <gtest/gtest.h>

#include <strings.h>

#include <set>

#include "windows/setting_controls.h"
#include "app/setting_keys.h"

using namespace zembrol;

namespace {

std::string Listed(Panel panel, const Settings& s, const std::string& control) {
    std::vector<ControlValue> c;
    AddRowControls(panel, s, [](ListItems) { return std::vector<std::string>{"a", "b", "c"}; }, c);
    for (const ControlValue& v : c)
        if (v.name == control) return v.text;
    return "<missing>";
}

}  // namespace

// A second row of the same key or control would be written twice, or shadow the
// first in the windows.
TEST(SettingRows, KeysAndControlsAreEachOneRow) {
    std::set<std::string> keys, controls;
    for (const SettingRow& row : SettingRows()) {
        if (row.HasKey()) {
            std::string lower = row.key;
            for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            EXPECT_TRUE(keys.insert(lower).second) << "key " << row.key;
            EXPECT_NE(row.field, nullptr) << row.key;
        }
        if (!row.HasControl()) continue;
        EXPECT_TRUE(controls.insert(row.control).second) << "control " << row.control;
        EXPECT_NE(row.panel, Panel::None) << row.control;
        if (row.kind == ControlKind::Slider) {
            EXPECT_LT(row.lo, row.hi) << row.control;
        } else if (row.kind != ControlKind::Check) {
            EXPECT_GT(row.count, 0) << row.control;
        }
    }
}

TEST(SettingRows, EachKindWritesAndListsItsSetting) {
    struct Case {
        Panel panel;
        std::string command, control;   // click X, slide X V, choose X ITEM
        std::string key, value;         // the configuration key afterwards
        std::string listed;             // the control as the dump lists it
    };
    const std::vector<Case> cases = {
        // A plain check box, one whose tick means off, and one over a number.
        {Panel::Graph, "click", "chkHLNew", "bHLNew", "False", "0"},
        {Panel::Graph, "click", "chkSetka", "bDrawSetka", "False", "1"},
        {Panel::Graph, "click", "chkAlpha", "gr_Alpha", "1", "0"},
        // Options whose values count down, and options stepping by a thousand.
        {Panel::Settings, "click", "optCW(1)", "bCW", "False", "1"},
        {Panel::Settings, "click", "optVerColorB(2)", "iVerColorBonus", "3000", "1"},
        // A slider kept to its range, and one whose far end is the least value.
        {Panel::Settings, "slide", "sldFreq 99999", "freq", "48000", "48000"},
        {Panel::Graph, "slide", "sldValueDelay 8", "dq_ValueDelay", "3", "8"},
        // A list of numbers and a list of texts, by item or by position.
        {Panel::Settings, "choose", "cmbDelLin 6", "m_DelLinesInLevel", "6", "6"},
        {Panel::Graph, "choose", "cmbDeformType c", "gr_MoveBkg", "2", "c"},
        {Panel::Graph, "choose", "cmbDeformType 1", "gr_MoveBkg", "1", "b"},
    };
    const ListTexts texts = [](ListItems) { return std::vector<std::string>{"a", "b", "c"}; };
    for (const Case& c : cases) {
        Settings s;
        const std::string what = c.command + " " + c.control;
        const size_t space = c.control.find(' ');
        const std::string name = c.control.substr(0, space), arg = space == std::string::npos ? "" : c.control.substr(space + 1);
        RowCommand done;
        if (c.command == "click") done = ClickRow(c.panel, s, name);
        else if (c.command == "slide") done = SlideRow(c.panel, s, name, std::stoi(arg));
        else done = ChooseRow(c.panel, s, name, arg, texts);
        EXPECT_EQ(done.outcome, RowCommand::Applied) << what;
        std::string value = "<no key>";
        for (const auto& [k, v] : SettingValues(s))
            if (k == c.key) value = v;
        EXPECT_EQ(value, c.value) << what;
        EXPECT_EQ(Listed(c.panel, s, name), c.listed) << what;
    }
}

TEST(SettingRows, ControlsOfOtherWindowsAndSwitchedOffOnesChangeNothing) {
    Settings s;
    // The graphics window's check box is no control of the settings window.
    EXPECT_EQ(ClickRow(Panel::Settings, s, "chkHLNew").outcome, RowCommand::NotMine);
    EXPECT_EQ(ClickRow(Panel::Settings, s, "optSpeed(3)").outcome, RowCommand::NotMine);
    EXPECT_EQ(ChooseRow(Panel::Settings, s, "cmbDelLin", "8", {}).outcome, RowCommand::Refused);
    // The world's speed moves only while the world is on.
    s.m_WorldEnable = false;
    EXPECT_EQ(SlideRow(Panel::Graph, s, "sldWorldSpeed", 2).outcome, RowCommand::Disabled);
    EXPECT_EQ(s.m_WorldSpeed, Settings{}.m_WorldSpeed);
    EXPECT_EQ(Listed(Panel::Graph, s, "sldWorldSpeed.Enabled"), "False");
}
