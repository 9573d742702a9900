// The controls of the settings dialogs drawn with ImGui from a window's control
// values (name -> text, as the dump shows them), gathering what the player did.
#pragma once

#include <imgui.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/settings_views.h"

namespace zembrol {

// Draws the controls of one window and gathers what the player did.
class Form {
public:
    Form(const ControlMap& values, WindowInput& in, float scale) : v_(values), in_(in), scale_(scale) {}

    const std::string& Value(const std::string& name) const {
        static const std::string none;
        const auto it = v_.find(name);
        return it == v_.end() ? none : it->second;
    }
    bool On(const std::string& name) const { return Value(name) == "1"; }
    bool Enabled(const std::string& name) const { return Value(name + ".Enabled") != "False"; }

    // Names the control under the pointer in `*hovered` from now on (help texts).
    void TrackHover(std::string* hovered) { hovered_ = hovered; }
    void Note(const std::string& name) {
        if (hovered_ && ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled)) *hovered_ = name;
    }

    void Tip(const std::string& tip) {
        if (!tip.empty() && ImGui::IsItemHovered(ImGuiHoveredFlags_AllowWhenDisabled)) ImGui::SetTooltip("%s", tip.c_str());
    }

    void Check(const std::string& name, const std::string& caption, const std::string& tip = {}) {
        bool on = On(name);
        if (ImGui::Checkbox((caption + "##" + name).c_str(), &on)) in_.clicked.push_back(name);
        Note(name);
        Tip(tip);
    }

    // The window's tabs as a strip of buttons, `perRow` to a row, the current one (the
    // control's value, kept by the window's model) lit; a click gives "name(k)".
    int Tabs(const std::string& name, const std::vector<std::string>& captions, int perRow) {
        const int tab = std::atoi(Value(name).c_str());
        const float width = (ImGui::GetContentRegionAvail().x - (perRow - 1) * ImGui::GetStyle().ItemSpacing.x) / perRow;
        for (size_t k = 0; k < captions.size(); ++k) {
            if (k % static_cast<size_t>(perRow) != 0) ImGui::SameLine();
            const std::string id = Indexed(name, static_cast<int>(k));
            const bool current = static_cast<int>(k) == tab;
            ImGui::PushStyleColor(ImGuiCol_Button, ImGui::GetStyleColorVec4(current ? ImGuiCol_TabActive : ImGuiCol_Tab));
            if (ImGui::Button((captions[k] + "##" + id).c_str(), ImVec2(width, 0))) in_.clicked.push_back(id);
            ImGui::PopStyleColor();
            Note(id);
        }
        return tab;
    }

    // An option array: one radio button per caption, on one line or one per line.
    void Options(const std::string& name, const std::vector<std::string>& captions, bool sameLine = true) {
        for (size_t k = 0; k < captions.size(); ++k) {
            if (k > 0 && sameLine) ImGui::SameLine();
            const std::string id = Indexed(name, static_cast<int>(k));
            if (ImGui::RadioButton((captions[k] + "##" + id).c_str(), On(id))) in_.clicked.push_back(id);
            Note(id);
        }
    }

    void Slider(const std::string& name, int lo, int hi, const std::string& caption, const std::string& tip = {}) {
        int value = std::atoi(Value(name).c_str());
        ImGui::SetNextItemWidth(230 * scale_);
        if (ImGui::SliderInt(("##" + name).c_str(), &value, lo, hi)) in_.slid.emplace_back(name, value);
        Note(name);
        Tip(tip);
        ImGui::SameLine();
        ImGui::TextUnformatted(caption.c_str());
    }

    void Combo(const std::string& name, const std::vector<std::string>& items, float width) {
        const std::string& shown = Value(name);
        ImGui::SetNextItemWidth(width * scale_);
        if (ImGui::BeginCombo(("##" + name).c_str(), shown.c_str())) {
            for (const std::string& item : items)
                if (ImGui::Selectable(item.c_str(), item == shown)) in_.chosen.emplace_back(name, item);
            ImGui::EndCombo();
        }
        Note(name);
    }

    bool Button(const std::string& name, const std::string& caption, float width = 0) {
        const bool clicked = ImGui::Button((caption + "##" + name).c_str(), ImVec2(width * scale_, 0));
        if (clicked) in_.clicked.push_back(name);
        Note(name);
        return clicked;
    }

    // A titled group of controls: a caption over a thin border around them.
    void Frame(const std::string& title) {
        ImGui::Spacing();
        ImGui::TextColored(ImVec4(0.55f, 0.75f, 1.0f, 1.0f), "%s", title.c_str());
        ImGui::Separator();
    }

    WindowInput& In() { return in_; }
    float Scale() const { return scale_; }

protected:
    const ControlMap& v_;
    WindowInput& in_;
    float scale_;
    std::string* hovered_ = nullptr;
};

}  // namespace zembrol
