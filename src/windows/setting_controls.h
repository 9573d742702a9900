// The controls of the setting rows in a window: what a click, a slide or a choice on
// them writes, and how the dump lists them. A window hands its commands here first;
// what no row of its panel has is the window's own (tabs, files, OK ...).
#pragma once

#include <string>
#include <vector>

#include "loop/script_window.h"
#include "settings/setting_rows.h"

namespace zembrol {

struct RowCommand {
    enum Outcome {
        NotMine,    // no row of the panel has the control
        Refused,    // the row's, but no item of its list is that
        Disabled,   // the row's, but its switch is off: nothing changes
        Applied,    // the variable took the value
    };
    Outcome outcome = NotMine;
    const SettingRow* row = nullptr;
    int index = -1;   // the option or button clicked

    bool Handled() const { return outcome == Disabled || outcome == Applied; }
};

RowCommand ClickRow(Panel panel, Settings& s, const std::string& control);
RowCommand SlideRow(Panel panel, Settings& s, const std::string& control, int value);
RowCommand ChooseRow(Panel panel, Settings& s, const std::string& control, const std::string& item,
                     const ListTexts& texts);

// Every control of the panel's rows with its text as the dump shows it, in the table's order.
void AddRowControls(Panel panel, const Settings& s, const ListTexts& texts, std::vector<ControlValue>& c);

}  // namespace zembrol
