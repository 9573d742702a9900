// frmEnterName drawn with ImGui.
#include "ui/record_entry.h"

#include <imgui.h>
#include <imgui_stdlib.h>

namespace zembrol {

namespace {
// Keeps the edited name within its letters: typing or pasting past the limit cuts the
// text after the last letter that fits.
int KeepNameLetters(ImGuiInputTextCallbackData* data) {
    const size_t maxLetters = *static_cast<const size_t*>(data->UserData);
    size_t letters = 0;
    for (int k = 0; k < data->BufTextLen; ++k) {
        if ((static_cast<unsigned char>(data->Buf[k]) & 0xC0) == 0x80) continue;   // inside a letter
        if (++letters > maxLetters) {
            data->DeleteChars(k, data->BufTextLen - k);
            break;
        }
    }
    return 0;
}
}  // namespace

RecordEntryChoice DrawRecordEntry(RecordEntryDialog& d, const std::string& title, float scale, DialogKey key) {
    const std::string name = title + "###frmEnterName";
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(360 * scale, 0));
    if (!ImGui::BeginPopupModal(name.c_str(), nullptr, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove))
        return RecordEntryChoice::Cancel;
    RecordEntryChoice choice = RecordEntryChoice::None;
    ImGui::TextWrapped("%s", d.cap1.c_str());
    ImGui::TextUnformatted(d.cap2.c_str());
    if (!d.lblNameLimit.empty()) {
        ImGui::SameLine();
        ImGui::TextDisabled("%s", d.lblNameLimit.c_str());
    }
    ImGui::SetNextItemWidth(-1);
    ImGui::BeginDisabled(d.demoPlayed);
    if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
    if (d.maxLetters > 0)
        ImGui::InputText("##txtName", &d.name, ImGuiInputTextFlags_CallbackEdit, KeepNameLetters, &d.maxLetters);
    else
        ImGui::InputText("##txtName", &d.name);
    ImGui::Checkbox((d.chkSend + "##chkSend").c_str(), &d.send);
    ImGui::EndDisabled();
    // lblGotoRecords: a link to the records page, underlined under the pointer.
    ImGui::TextColored(ImVec4(0.35f, 0.55f, 1.0f, 1.0f), "%s", d.lblGotoRecords.c_str());
    if (ImGui::IsItemHovered()) {
        ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
        const ImVec2 from = ImGui::GetItemRectMin(), to = ImGui::GetItemRectMax();
        ImGui::GetWindowDrawList()->AddLine(ImVec2(from.x, to.y), to, ImGui::GetColorU32(ImVec4(0.35f, 0.55f, 1.0f, 1.0f)),
                                            scale);
    }
    if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) choice = RecordEntryChoice::GotoRecords;
    ImGui::Spacing();
    const ImVec2 button(96 * scale, 28 * scale);
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 2 * button.x - ImGui::GetStyle().ItemSpacing.x -
                         ImGui::GetStyle().WindowPadding.x);
    if (ImGui::Button("OK##cmdOK", button) || key == DialogKey::Enter) choice = RecordEntryChoice::Ok;
    ImGui::SameLine();
    if (ImGui::Button("Cancel##cmdCancel", button) || key == DialogKey::Escape) choice = RecordEntryChoice::Cancel;
    if (choice != RecordEntryChoice::None) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return choice;
}

}  // namespace zembrol
