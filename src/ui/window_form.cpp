// The dialogs' controls, and the setting rows drawn by their kind.
#include "ui/window_form.h"

namespace zembrol {

void Form::Check(const std::string& name, const std::string& caption, bool on, const std::string& tip) {
    if (ImGui::Checkbox((caption + "##" + name).c_str(), &on)) in_.clicked.push_back(name);
    Note(name);
    Tip(tip);
}

void Form::Tabs(const std::string& name, const std::vector<std::string>& captions, int perRow, int current) {
    const float width = (ImGui::GetContentRegionAvail().x - (perRow - 1) * ImGui::GetStyle().ItemSpacing.x) / perRow;
    for (size_t k = 0; k < captions.size(); ++k) {
        if (k % static_cast<size_t>(perRow) != 0) ImGui::SameLine();
        const std::string id = Indexed(name, static_cast<int>(k));
        const bool lit = static_cast<int>(k) == current;
        ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetStyleColorVec4(lit ? ImGuiCol_TabActive : ImGuiCol_Tab));
        if (ImGui::Button((captions[k] + "##" + id).c_str(), ImVec2(width, 0))) in_.clicked.push_back(id);
        ImGui::PopStyleColor();
        Note(id);
    }
}

void Form::Options(const std::string& name, const std::vector<std::string>& captions, int selected, bool sameLine) {
    for (size_t k = 0; k < captions.size(); ++k) {
        if (k > 0 && sameLine) ImGui::SameLine();
        const std::string id = Indexed(name, static_cast<int>(k));
        if (ImGui::RadioButton((captions[k] + "##" + id).c_str(), static_cast<int>(k) == selected))
            in_.clicked.push_back(id);
        Note(id);
    }
}

void Form::Slider(const std::string& name, int value, int lo, int hi, const std::string& caption,
                  const std::string& tip, float width, const char* format) {
    ImGui::SetNextItemWidth(width * scale_);
    if (ImGui::SliderInt(("##" + name).c_str(), &value, lo, hi, format)) in_.slid.emplace_back(name, value);
    Note(name);
    Tip(tip);
    ImGui::SameLine();
    ImGui::TextUnformatted(caption.c_str());
}

void Form::Combo(const std::string& name, const std::string& shown, const std::vector<std::string>& items, float width) {
    ImGui::SetNextItemWidth(width * scale_);
    if (ImGui::BeginCombo(("##" + name).c_str(), shown.c_str())) {
        for (const std::string& item : items)
            if (ImGui::Selectable(item.c_str(), item == shown)) in_.chosen.emplace_back(name, item);
        ImGui::EndCombo();
    }
    Note(name);
}

bool Form::Button(const std::string& name, const std::string& caption, float width) {
    const bool clicked = ImGui::Button((caption + "##" + name).c_str(), ImVec2(width * scale_, 0));
    if (clicked) in_.clicked.push_back(name);
    Note(name);
    return clicked;
}

void Form::Frame(const std::string& title) {
    ImGui::Spacing();
    ImGui::TextColored(ImVec4(0.55f, 0.75f, 1.0f, 1.0f), "%s", title.c_str());
    ImGui::Separator();
}

// ---- setting rows ----

const SettingRow* Form::Take(const std::string& control) {
    const SettingRow* row = RowOfControl(control);
    if (row) drawn_.insert(row);
    return settings_ ? row : nullptr;
}

bool Form::Checked(const std::string& control) {
    const SettingRow* row = Take(control);
    return row && RowChecked(*row, *settings_);
}

int Form::Item(const std::string& control) {
    const SettingRow* row = Take(control);
    return row ? RowItem(*row, *settings_) : -1;
}

int Form::Position(const std::string& control) {
    const SettingRow* row = Take(control);
    return row ? RowPosition(*row, *settings_) : 0;
}

void Form::Row(const std::string& control, float width) {
    if (const SettingRow* row = Take(control)) Draw(*row, width);
}

void Form::RestOfTab(Panel panel, int tab) {
    for (const SettingRow& row : SettingRows())
        if (row.HasControl() && row.panel == panel && row.tab == tab && drawn_.insert(&row).second && settings_)
            Draw(row, 170);
}

void Form::Draw(const SettingRow& row, float width) {
    const Settings& s = *settings_;
    const bool enabled = RowEnabled(row, s);
    ImGui::BeginDisabled(!enabled);
    switch (row.kind) {
        case ControlKind::None: break;
        case ControlKind::Check: Check(row.control, T(row.caption), RowChecked(row, s)); break;
        case ControlKind::Options:
        case ControlKind::Buttons: {
            // Options without captions of their own are named by their values.
            std::vector<std::string> captions;
            for (int k = 0; k < row.count; ++k)
                captions.push_back(row.caption.empty() ? std::to_string(row.first + k * row.stride)
                                                       : T(row.caption + std::to_string(k)));
            Options(row.control, captions, RowItem(row, s));
            break;
        }
        case ControlKind::Slider: Slider(row.control, RowPosition(row, s), row.lo, row.hi, T(row.caption)); break;
        case ControlKind::List: Combo(row.control, RowItemText(row, s, lists_), RowItems(row, lists_), width); break;
    }
    ImGui::EndDisabled();
}

}  // namespace zembrol
