// The controls of the settings dialogs drawn with ImGui, gathering what the player
// did. A control shows the state it is given; a setting row's control reads its
// setting through the row (settings/setting_rows.h) and is drawn as the row's kind
// says. The rows of a tab that the tab's layout does not place are drawn at its end.
#pragma once

#include <imgui.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "settings/setting_rows.h"
#include "ui/settings_views.h"

namespace zembrol {

class Form {
public:
    using Text = std::function<std::string(const std::string&)>;

    // `settings`, `text` and `lists` serve the setting rows: their values, captions
    // and list items.
    Form(WindowInput& in, float scale, const Settings* settings = nullptr, Text text = {}, ListTexts lists = {})
        : in_(in), scale_(scale), settings_(settings), text_(std::move(text)), lists_(std::move(lists)) {}

    // Names the control under the pointer in `*hovered` from now on (help texts).
    void TrackHover(std::string* hovered) { hovered_ = hovered; }
    void Note(const std::string& name) {
        if (hovered_ && ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled)) *hovered_ = name;
    }

    void Tip(const std::string& tip) {
        if (!tip.empty() && ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled)) ImGui::SetTooltip("%s", tip.c_str());
    }

    void Check(const std::string& name, const std::string& caption, bool on, const std::string& tip = {});
    // The window's tabs as a strip of buttons, `perRow` to a row, the current one lit;
    // a click gives "name(k)".
    void Tabs(const std::string& name, const std::vector<std::string>& captions, int perRow, int current);
    // An option array: one radio button per caption, on one line or one per line.
    void Options(const std::string& name, const std::vector<std::string>& captions, int selected, bool sameLine = true);
    void Slider(const std::string& name, int value, int lo, int hi, const std::string& caption,
                const std::string& tip = {}, float width = 230, const char* format = "%d");
    void Combo(const std::string& name, const std::string& shown, const std::vector<std::string>& items, float width);
    bool Button(const std::string& name, const std::string& caption, float width = 0);
    // A titled group of controls: a caption over a thin border around them.
    void Frame(const std::string& title);

    // ---- setting rows ----
    // The row's control as its kind draws it (a list `width` wide), disabled while its
    // switch is off.
    void Row(const std::string& control, float width = 170);
    // A row's state for a layout that draws it in its own way; the row counts as drawn.
    bool Checked(const std::string& control);
    int Item(const std::string& control);
    int Position(const std::string& control);
    // The rows of the panel's tab that nothing above drew, in the table's order.
    void RestOfTab(Panel panel, int tab);

    const Settings* Values() const { return settings_; }
    WindowInput& In() { return in_; }
    float Scale() const { return scale_; }
    std::string T(const std::string& key) const { return text_ ? text_(key) : key; }

private:
    const SettingRow* Take(const std::string& control);
    void Draw(const SettingRow& row, float width);

    WindowInput& in_;
    float scale_;
    const Settings* settings_;
    Text text_;
    ListTexts lists_;
    std::string* hovered_ = nullptr;
    std::set<const SettingRow*> drawn_;
};

}  // namespace zembrol
