// The Keys tab: a table of actions and key buttons; the action that waits for its
// key shows its button lit.
#include "ui/keys_view.h"

#include <imgui.h>

#include <cstdlib>

#include "game/key_bindings.h"

namespace zembrol {

namespace {

using Text = std::function<std::string(const std::string&)>;

const std::string& ValueOf(const ControlMap& values, const std::string& name) {
    static const std::string none;
    const auto it = values.find(name);
    return it == values.end() ? none : it->second;
}

void Title(const std::string& title) {
    ImGui::Spacing();
    ImGui::TextColored(ImVec4(0.55f, 0.75f, 1.0f, 1.0f), "%s", title.c_str());
    ImGui::Separator();
}

void Switch(const ControlMap& values, const std::string& name, const std::string& caption, WindowInput& in) {
    bool on = ValueOf(values, name) == "1";
    if (ImGui::Checkbox((caption + "##" + name).c_str(), &on)) in.clicked.push_back(name);
}

void Milliseconds(const ControlMap& values, const std::string& name, int hi, const std::string& caption,
                  WindowInput& in, float scale) {
    int value = std::atoi(ValueOf(values, name).c_str());
    ImGui::SetNextItemWidth(180 * scale);
    if (ImGui::SliderInt(("##" + name).c_str(), &value, 0, hi, "%d ms")) in.slid.emplace_back(name, value);
    ImGui::SameLine();
    ImGui::TextUnformatted(caption.c_str());
}

void KeyTable(const ControlMap& values, const Text& t, WindowInput& in, float scale) {
    const int waiting = std::atoi(ValueOf(values, "lstKeys.Waiting").c_str());
    const int rows = static_cast<int>((kKeyActions + 1) / 2);
    // Tight rows: the whole tab fits the window without a scroll bar.
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(4 * scale, 1 * scale));
    ImGui::PushStyleVar(ImGuiStyleVar_CellPadding, ImVec2(4 * scale, 1 * scale));
    if (!ImGui::BeginTable("##lstKeys", 4, ImGuiTableFlags_RowBg | ImGuiTableFlags_SizingStretchProp)) {
        ImGui::PopStyleVar(2);
        return;
    }
    for (int c = 0; c < 2; ++c) {
        ImGui::TableSetupColumn(("##caption" + std::to_string(c)).c_str(), ImGuiTableColumnFlags_WidthStretch);
        ImGui::TableSetupColumn(("##key" + std::to_string(c)).c_str(), ImGuiTableColumnFlags_WidthFixed, 92 * scale);
    }
    for (int r = 0; r < rows; ++r) {
        ImGui::TableNextRow();
        for (int c = 0; c < 2; ++c) {
            const int k = c * rows + r;
            if (k >= static_cast<int>(kKeyActions)) break;
            const std::string id = "lstKeys(" + std::to_string(k) + ")";
            ImGui::TableNextColumn();
            ImGui::AlignTextToFramePadding();
            ImGui::TextUnformatted(t(std::string("ky_") + InfoOf(static_cast<KeyAction>(k)).configKey).c_str());
            ImGui::TableNextColumn();
            const bool lit = k == waiting;
            if (lit) {
                ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0.85f, 0.55f, 0.1f, 1.0f));
                ImGui::PushStyleColor(ImGuiCol_ButtonHovered, ImVec4(0.95f, 0.65f, 0.2f, 1.0f));
            }
            const std::string shown = lit ? std::string("...") : ValueOf(values, id);
            if (ImGui::Button((shown + "##" + id).c_str(), ImVec2(-1, 0))) in.clicked.push_back(id);
            if (lit) ImGui::PopStyleColor(2);
        }
    }
    ImGui::EndTable();
    ImGui::PopStyleVar(2);
}

}  // namespace

void DrawKeysTab(const ControlMap& values, const Text& t, WindowInput& in, float scale) {
    Title(t("ky_fraKeys"));
    KeyTable(values, t, in, scale);
    if (ImGui::Button((t("ky_cmdDefault") + "##cmdKeysDefault").c_str())) in.clicked.emplace_back("cmdKeysDefault");
    ImGui::SameLine();
    const std::string& message = ValueOf(values, "lblKeysMsg");
    // A long message (the Russian ones) wraps beside the button instead of running out.
    ImGui::PushStyleColor(ImGuiCol_Text, message.empty() ? ImGui::GetStyleColorVec4(ImGuiCol_TextDisabled)
                                                         : ImVec4(1.0f, 0.8f, 0.35f, 1.0f));
    ImGui::TextWrapped("%s", message.empty() ? t("ky_lblKeysHelp").c_str() : message.c_str());
    ImGui::PopStyleColor();

    Title(t("ky_fraRepeat"));
    Switch(values, "chkOwnRepeat", t("ky_chkOwnRepeat"), in);
    ImGui::BeginDisabled(ValueOf(values, "sldRepeatDelay.Enabled") == "False");
    Milliseconds(values, "sldRepeatDelay", 1000, t("ky_sldRepeatDelay"), in, scale);
    Milliseconds(values, "sldRepeatRate", 500, t("ky_sldRepeatRate"), in, scale);
    ImGui::EndDisabled();

    Title(t("ky_fraColors"));
    Switch(values, "chkColorBlind", t("ky_chkColorBlind"), in);
    ImGui::SameLine();
    Switch(values, "chkShapeMarks", t("ky_chkShapeMarks"), in);
}

}  // namespace zembrol
