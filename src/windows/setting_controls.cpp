// Commands on the setting rows' controls and their dump.
#include "windows/setting_controls.h"

#include <algorithm>

namespace zembrol {

namespace {

const SettingRow* RowIn(Panel panel, const std::string& control, ControlKind kind) {
    const SettingRow* row = RowOfControl(control);
    return row && row->panel == panel && row->kind == kind ? row : nullptr;
}

RowCommand Done(const SettingRow* row, const Settings& s, int index = -1) {
    return {RowEnabled(*row, s) ? RowCommand::Applied : RowCommand::Disabled, row, index};
}

}  // namespace

RowCommand ClickRow(Panel panel, Settings& s, const std::string& control) {
    if (const SettingRow* row = RowIn(panel, control, ControlKind::Check)) {
        RowCommand done = Done(row, s);
        const bool on = !RowChecked(*row, s);
        if (done.outcome == RowCommand::Applied) SetRowNumber(*row, s, on != row->inverted ? 1 : 0);
        return done;
    }
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index) || index < 0) return {};
    const SettingRow* row = RowIn(panel, name, ControlKind::Options);
    if (!row) row = RowIn(panel, name, ControlKind::Buttons);
    if (!row || index >= row->count) return {};
    RowCommand done = Done(row, s, index);
    if (done.outcome == RowCommand::Applied) SetRowNumber(*row, s, row->first + static_cast<long long>(index) * row->stride);
    return done;
}

RowCommand SlideRow(Panel panel, Settings& s, const std::string& control, int value) {
    const SettingRow* row = RowIn(panel, control, ControlKind::Slider);
    if (!row) return {};
    RowCommand done = Done(row, s);
    if (done.outcome != RowCommand::Applied) return done;
    const int position = std::clamp(value, row->lo, row->hi);
    SetRowNumber(*row, s, row->inverted ? row->lo + row->hi - position : position);
    return done;
}

RowCommand ChooseRow(Panel panel, Settings& s, const std::string& control, const std::string& item,
                     const ListTexts& texts) {
    const SettingRow* row = RowIn(panel, control, ControlKind::List);
    if (!row) return {};
    const int k = ItemIndex(RowItems(*row, texts), item);
    if (k < 0) return {RowCommand::Refused, row, -1};
    RowCommand done = Done(row, s, k);
    if (done.outcome == RowCommand::Applied) SetRowNumber(*row, s, row->first + static_cast<long long>(k) * row->stride);
    return done;
}

void AddRowControls(Panel panel, const Settings& s, const ListTexts& texts, std::vector<ControlValue>& c) {
    for (const SettingRow& row : SettingRows()) {
        if (row.panel != panel || !row.HasControl()) continue;
        switch (row.kind) {
            case ControlKind::None: break;
            case ControlKind::Check: c.push_back({row.control, Flag(RowChecked(row, s))}); break;
            case ControlKind::Options: {
                const int item = RowItem(row, s);
                for (int k = 0; k < row.count; ++k) c.push_back({Indexed(row.control, k), Flag(item == k)});
                break;
            }
            case ControlKind::Buttons: c.push_back({row.control, std::to_string(RowNumber(row, s))}); break;
            case ControlKind::Slider: c.push_back({row.control, std::to_string(RowPosition(row, s))}); break;
            case ControlKind::List: c.push_back({row.control, RowItemText(row, s, texts)}); break;
        }
        if (row.enabledBy) c.push_back({row.control + ".Enabled", RowEnabled(row, s) ? "True" : "False"});
    }
}

}  // namespace zembrol
