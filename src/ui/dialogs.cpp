// Modal windows drawn with ImGui, centred over the main window.
#include "ui/dialogs.h"

#include <imgui.h>

namespace zembrol {

namespace {
bool BeginModal(const std::string& title, const char* id, float width, float scale) {
    const std::string name = title + "###" + id;
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(width * scale, 0));
    return ImGui::BeginPopupModal(name.c_str(), nullptr, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove);
}
}  // namespace

ConfigChoice DrawConfigDialog(const ConfigDialogTexts& t, float scale, DialogKey key) {
    ConfigChoice choice = ConfigChoice::None;
    if (!BeginModal(t.caption, "frmConfig", 330, scale)) return ConfigChoice::Cancel;
    const ImVec2 button(96 * scale, 28 * scale);
    ImGui::BeginDisabled(!t.loadEnabled);
    if (ImGui::Button((t.load + "##cmdLoad").c_str(), button)) choice = ConfigChoice::Load;
    ImGui::EndDisabled();
    ImGui::SameLine();
    if (ImGui::Button((t.save + "##cmdSave").c_str(), button)) choice = ConfigChoice::Save;
    ImGui::SameLine();
    if (ImGui::Button((t.cancel + "##cmdCancel").c_str(), button) || key == DialogKey::Escape)
        choice = ConfigChoice::Cancel;
    if (choice != ConfigChoice::None) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return choice;
}

bool DrawLanguageDialog(LanguageDialog& d, float scale, DialogKey key) {
    bool closed = false;
    if (!BeginModal(d.title, "frmLang", 300, scale)) return true;
    ImGui::SetNextItemWidth(-1);
    // Each entry shows its language's name; a file without one shows its file name.
    auto shown = [&](size_t i) { return (i < d.names.size() ? d.names[i] : d.files[i]).c_str(); };
    const char* current = d.files.empty() ? "" : shown(static_cast<size_t>(d.selected));
    if (ImGui::BeginCombo("##cmbLang", current)) {
        for (size_t i = 0; i < d.files.size(); ++i) {
            // The file name keeps two files with one language name apart.
            const std::string label = std::string(shown(i)) + "##" + d.files[i];
            if (ImGui::Selectable(label.c_str(), static_cast<int>(i) == d.selected)) d.selected = static_cast<int>(i);
        }
        ImGui::EndCombo();
    }
    ImGui::Spacing();
    const float w = 96 * scale;
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - w - ImGui::GetStyle().WindowPadding.x);
    if (ImGui::Button("OK##cmdOK", ImVec2(w, 28 * scale)) || key != DialogKey::None)
        closed = true;
    if (closed) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return closed;
}

}  // namespace zembrol
