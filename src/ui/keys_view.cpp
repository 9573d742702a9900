// The Keys tab: a table of actions and key buttons; the action that waits for its
// key shows its button lit.
#include "ui/keys_view.h"

#include <imgui.h>

#include "game/key_bindings.h"
#include "loop/key_repeat.h"
#include "settings/control_names.h"

namespace zembrol {

namespace {

void Title(const std::string& title) {
    ImGui::Spacing();
    ImGui::TextColored(ImVec4(0.55f, 0.75f, 1.0f, 1.0f), "%s", title.c_str());
    ImGui::Separator();
}

void KeyTable(Form& f, const KeyBindings& keys, int waiting) {
    const float scale = f.Scale();
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
            const std::string id = Indexed(ctl::lstKeys, k);
            ImGui::TableNextColumn();
            ImGui::AlignTextToFramePadding();
            ImGui::TextUnformatted(f.T(std::string("ky_") + InfoOf(static_cast<KeyAction>(k)).configKey).c_str());
            ImGui::TableNextColumn();
            const bool lit = k == waiting;
            if (lit) {
                ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0.85f, 0.55f, 0.1f, 1.0f));
                ImGui::PushStyleColor(ImGuiCol_ButtonHovered, ImVec4(0.95f, 0.65f, 0.2f, 1.0f));
            }
            const std::string shown = lit ? std::string("...") : KeyName(keys.code[static_cast<size_t>(k)]);
            if (ImGui::Button((shown + "##" + id).c_str(), ImVec2(-1, 0))) f.In().clicked.push_back(id);
            if (lit) ImGui::PopStyleColor(2);
        }
    }
    ImGui::EndTable();
    ImGui::PopStyleVar(2);
}

// A repeat slider in milliseconds, narrower than the other tabs' sliders.
void Milliseconds(Form& f, const char* control, int hi, const std::string& caption) {
    f.Slider(control, f.Position(control), 0, hi, caption, {}, 180, "%d ms");
}

}  // namespace

void DrawKeysTab(Form& f, const SettingsShown& shown) {
    Title(f.T("ky_fraKeys"));
    if (f.Values()) KeyTable(f, f.Values()->game.keys, shown.keyWaiting);
    if (ImGui::Button((f.T("ky_cmdDefault") + "##" + ctl::cmdKeysDefault).c_str()))
        f.In().clicked.emplace_back(ctl::cmdKeysDefault);
    ImGui::SameLine();
    const std::string& message = shown.keysMessage;
    // A long message (the Russian ones) wraps beside the button instead of running out.
    ImGui::PushStyleColor(ImGuiCol_Text, message.empty() ? ImGui::GetStyleColorVec4(ImGuiCol_TextDisabled)
                                                         : ImVec4(1.0f, 0.8f, 0.35f, 1.0f));
    ImGui::TextWrapped("%s", message.empty() ? f.T("ky_lblKeysHelp").c_str() : message.c_str());
    ImGui::PopStyleColor();

    Title(f.T("ky_fraRepeat"));
    f.Row(ctl::chkOwnRepeat);
    ImGui::BeginDisabled(!f.Checked(ctl::chkOwnRepeat));
    Milliseconds(f, ctl::sldRepeatDelay, kRepeatDelayMax, f.T("ky_sldRepeatDelay"));
    Milliseconds(f, ctl::sldRepeatRate, kRepeatRateMax, f.T("ky_sldRepeatRate"));
    ImGui::EndDisabled();

    Title(f.T("ky_fraColors"));
    f.Row(ctl::chkColorBlind);
    ImGui::SameLine();
    f.Row(ctl::chkShapeMarks);
}

}  // namespace zembrol
