// frmSettings, frmSeq and frmOpen drawn with ImGui over the still-drawn game.
//
//   [Sections] helpers - frmSettings (one function per tab) - frmSeq - frmOpen
#include "ui/settings_views.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/keys_view.h"
#include "ui/main_window_ui.h"
#include "settings/control_names.h"
#include "ui/window_form.h"

namespace zembrol {

namespace {

// ---- helpers ----

ImVec4 FromBgr(uint32_t bgr) {
    return ImVec4(static_cast<float>(bgr & 0xFF) / 255.f, static_cast<float>((bgr >> 8) & 0xFF) / 255.f,
                  static_cast<float>((bgr >> 16) & 0xFF) / 255.f, 1.f);
}

std::vector<std::string> Numbers(int from, int to) {
    std::vector<std::string> items;
    for (int k = from; k <= to; ++k) items.push_back(std::to_string(k));
    return items;
}

// ---- frmSettings ----

// The tabs of tbs1.
enum SettingsTab { kSoundTab, kMusicTab, kLooksTab, kBonusTab, kControlTab, kKeysTab, kTabs };

void SoundTab(Form& f, const SettingsView& v) {
    const SettingsShown& shown = v.shown;
    f.Frame(f.T("fraButton"));
    f.Row(ctl::chkSoundControl);
    ImGui::TextUnformatted(f.T("lblListEvents").c_str());
    ImGui::SameLine();
    f.Combo(ctl::cmbListEvents, v.events[static_cast<size_t>(shown.event)],
            std::vector<std::string>(v.events.begin(), v.events.end()), 220);
    static const char* kNames[2][6] = {
        {ctl::fraFirstVar, ctl::chkEnFirstVar, ctl::cmdOpenFirst, ctl::lblFirstVar, ctl::sldVolBut1, ctl::sldFreqBut1},
        {ctl::fraSecondVar, ctl::chkEnSecondVar, ctl::cmdOpenSecond, ctl::lblSecondVar, ctl::sldVolBut2, ctl::sldFreqBut2}};
    for (size_t k = 0; k < 2; ++k) {
        const auto& n = kNames[k];
        const SettingsShown::Slot& slot = shown.slots[k];
        ImGui::BeginDisabled(!slot.usable);
        f.Frame(f.T(k == 0 ? "fraFVar" : "fraSVar"));
        f.Check(n[1], f.T("chkEnVar"), slot.on);
        ImGui::SameLine();
        f.Button(n[2], f.T("openbtn1cap"));
        ImGui::SameLine();
        ImGui::TextUnformatted(slot.label.c_str());
        f.Tip(f.T("lblFVarTTT"));
        f.Slider(n[4], slot.volume, -5000, 0, f.T("sldVolCap"), f.T("sldFVarTTT"));
        f.Slider(n[5], slot.freq, 4000, 48000, f.T("sldFreqCap"), f.T("sldFreq1TTT"));
        ImGui::EndDisabled();
    }
}

void MusicTab(Form& f, const SettingsView& v) {
    f.Frame(f.T("fraBkgMusic"));
    f.Row(ctl::chkEnable);
    f.Button(ctl::cmdOpen, f.T("fraBkgMusic_cmdOpen"));
    ImGui::SameLine();
    ImGui::TextUnformatted(v.shown.musicLabel.c_str());
    ImGui::Spacing();
    f.Row(ctl::sldVolBackgrnd);
    f.Row(ctl::sldFreq);
    f.Row(ctl::sldChange);
    // txtChange: the sweep speed typed.
    int typed = f.Position(ctl::txtChange);
    ImGui::SetNextItemWidth(80 * f.Scale());
    if (ImGui::InputInt("##txtChange", &typed, 1, 10)) f.In().slid.emplace_back(ctl::txtChange, typed);
}

void LooksTab(Form& f, const SettingsView& v) {
    f.Frame(f.T("gr_fraSkin"));
    for (int k = 0; k < 3; ++k) {
        if (k > 0) ImGui::SameLine();
        f.Button(Indexed(ctl::cmdSkin, 7 + k), f.T("gr_cmdSkin") + " " + std::to_string(k + 1));
    }
    ImGui::SameLine();
    f.Button(ctl::cmdLoadSkin, f.T("gr_cmdLoadSkin"));
    ImGui::SameLine();
    ImGui::TextUnformatted(v.shown.skinLabel.c_str());
    ImGui::TextUnformatted(f.T("gr_Label1").c_str());
    const int playfield = f.Item(ctl::cmdSkin);
    for (int k = 0; k < 5; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed(ctl::cmdSkin, k);
        if (ImGui::RadioButton((std::to_string(k + 1) + "##" + id).c_str(), playfield == k)) f.In().clicked.push_back(id);
    }
    f.Frame(f.T("gr_Frame5"));
    const int colour = f.Item(ctl::cmdControlColor);
    for (int k = 0; k < 8; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed(ctl::cmdControlColor, k);
        ImGui::PushStyleColor(ImGuiCol_Button, FromBgr(ControlsColor(static_cast<int16_t>(k))));
        ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, k == colour ? 3 * f.Scale() : 0.f);
        if (ImGui::Button(("##" + id).c_str(), ImVec2(28 * f.Scale(), 20 * f.Scale()))) f.In().clicked.push_back(id);
        ImGui::PopStyleVar();
        ImGui::PopStyleColor();
    }
    f.Frame(f.T("gr_fraFant0"));
    f.Row(ctl::optFant);
    f.Frame(f.T("gr_fraFuture"));
    f.Row(ctl::optFuture);
    f.Frame(f.T("gr_fraSnake"));
    f.Row(ctl::chkSnake);
    f.Frame(f.T("gr_fraHLLstBox"));
    f.Row(ctl::chkHLLstBox0);
    ImGui::SameLine();
    f.Row(ctl::chkHLLstBox1);
    f.Row(ctl::chkAnimateChL);
    ImGui::BeginDisabled(!v.shown.graphEnabled);
    f.Button(ctl::cmdSetGraph, f.T("gr_fraSetGraph"));
    ImGui::EndDisabled();
}

void BonusTab(Form& f) {
    f.Frame(f.T("bn_fraMiracleAll"));
    f.Row(ctl::chkEnableMiracle);
    ImGui::TextUnformatted(f.T("bn_fraMiracle").c_str());
    f.Row(ctl::optMiracle);
    f.Frame(f.T("bn_fraSvet"));
    f.Row(ctl::chkSvet);
    ImGui::TextUnformatted(f.T("bn_fraVerColorB").c_str());
    f.Row(ctl::optVerColorB);
    f.Frame(f.T("bn_fraCW"));
    f.Row(ctl::optCW);
    f.Frame(f.T("bn_Frame3"));
    ImGui::TextUnformatted(f.T("bn_fraMouse").c_str());
    f.Row(ctl::optMouse);
}

void ControlTab(Form& f, const SettingsView& v) {
    const SettingsShown& shown = v.shown;
    f.Frame(f.T("ct_fraType"));
    f.Options(ctl::optType, {"Zembrol", f.T("ct_optType1"), f.T("ct_optType2"), f.T("ct_optType3")}, shown.type - 1);
    ImGui::BeginDisabled(!shown.seqEnabled);
    f.Button(ctl::cmdSeq, f.T("ct_cmdSeq"));
    ImGui::EndDisabled();
    f.Frame(f.T("ct_fraSpeed"));
    f.Row(ctl::optSpeed);
    f.Frame(f.T("ct_fraFallSpeed"));
    f.Combo(ctl::cmbFallSpeed, std::to_string(shown.fallSpeed), Numbers(0, 15), 70);
    f.Frame(f.T("ct_fraDelLin0"));
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(f.T("ct_lblDelLin0").c_str());
    ImGui::SameLine();
    f.Row(ctl::cmbDelLin, 70);
    ImGui::SameLine();
    ImGui::TextUnformatted(f.T("ct_lblDelLin1").c_str());
    f.Frame(f.T("ct_fraWindow"));
    f.Row(ctl::chkPauseOnFocusLoss);
}

}  // namespace

WindowInput DrawSettings(const SettingsView& v, float scale) {
    WindowInput in;
    const std::string name = v.caption + "###frmSettings";
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    if (v.placeKnown) ImGui::SetNextWindowPos(ImVec2(v.x, v.y), ImGuiCond_Appearing);
    else ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Appearing, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(std::min(600 * scale, size.x - 8), std::min(560 * scale, size.y - 8)));
    bool open = true;
    if (!ImGui::BeginPopupModal(name.c_str(), &open, ImGuiWindowFlags_NoResize)) {
        in.clicked.emplace_back(ctl::close);
        return in;
    }
    Form f(in, scale, v.settings, v.text);
    // tbs1: the six tabs in one row.
    std::vector<std::string> tabs;
    for (int k = 1; k <= kTabs; ++k) tabs.push_back(v.text("tab" + std::to_string(k) + "caption"));
    const int tab = v.shown.tab;
    f.Tabs(ctl::tbs1, tabs, kTabs, tab);
    const float footer = ImGui::GetFrameHeightWithSpacing() * 2 + ImGui::GetStyle().ItemSpacing.y * 2;
    ImGui::BeginChild("##tab", ImVec2(0, -footer), true);
    switch (tab) {
        case kSoundTab: SoundTab(f, v); break;
        case kMusicTab: MusicTab(f, v); break;
        case kLooksTab: LooksTab(f, v); break;
        case kBonusTab: BonusTab(f); break;
        case kKeysTab: DrawKeysTab(f, v.shown); break;
        default: ControlTab(f, v); break;
    }
    // A setting the tab's layout does not place yet follows at the tab's end.
    f.RestOfTab(Panel::Settings, tab);
    f.RestOfTab(Panel::Keys, tab);
    ImGui::EndChild();
    // fraINet: the records page, its link pulsing while the window is shown (tmrINet).
    ImGui::TextUnformatted(v.text("fraInetCap").c_str());
    ImGui::SameLine();
    const float pulse = 0.75f + 0.25f * std::sin(static_cast<float>(v.frame) * 0.15f);
    const ImVec4 link(0.35f * pulse, 0.6f * pulse, 1.0f * pulse, 1.0f);
    ImGui::TextColored(link, "%s", v.text("lblInet0").c_str());
    if (ImGui::IsItemHovered()) {
        ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
        const ImVec2 from = ImGui::GetItemRectMin(), to = ImGui::GetItemRectMax();
        ImGui::GetWindowDrawList()->AddLine(ImVec2(from.x, to.y), to, ImGui::GetColorU32(link), scale);
    }
    if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) in.clicked.emplace_back(ctl::lblINet);
    const float w = 96 * scale;
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - w - ImGui::GetStyle().WindowPadding.x);
    f.Button(ctl::cmdOK, "OK", 96);
    if (!open) in.clicked.emplace_back(ctl::close);
    const ImVec2 pos = ImGui::GetWindowPos();
    in.x = pos.x;
    in.y = pos.y;
    ImGui::EndPopup();
    return in;
}

// ---- frmSeq ----

namespace {

// A figure's picture from its mask: character k is cell ((k-1) div 4, (k-1) mod 4),
// a column of four from the top row down.
void FigurePicture(ImDrawList* dl, ImVec2 at, float cell, const char* mask, ImU32 color) {
    for (int k = 0; k < 16 && mask[k]; ++k) {
        if (mask[k] != '1') continue;
        const float x = at.x + static_cast<float>(k / 4) * cell, y = at.y + static_cast<float>(k % 4) * cell;
        dl->AddRectFilled(ImVec2(x + 1, y + 1), ImVec2(x + cell - 1, y + cell - 1), color, 2);
    }
}

bool FigureButton(const std::string& id, const char* mask, float side, ImU32 color) {
    const ImVec2 at = ImGui::GetCursorScreenPos();
    const bool clicked = ImGui::Button(("##" + id).c_str(), ImVec2(side, side));
    const float cell = (side - 8) / 4;
    FigurePicture(ImGui::GetWindowDrawList(), ImVec2(at.x + 4, at.y + 4), cell, mask, color);
    return clicked;
}

}  // namespace

WindowInput DrawSeq(const SeqView& v, float scale) {
    WindowInput in;
    const std::string name = v.caption + "###frmSeq";
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(std::min(560 * scale, size.x - 8), 0));
    bool open = true;
    if (!ImGui::BeginPopupModal(name.c_str(), &open, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove)) {
        in.clicked.emplace_back("close");
        return in;
    }
    Form f(in, scale);
    const float side = 44 * scale;
    // cmdBase: the seven figures.
    for (int k = 0; k < 7; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed("cmdBase", k);
        if (FigureButton(id, v.masks[static_cast<size_t>(k)], side, IM_COL32(250, 200, 90, 255))) in.clicked.push_back(id);
    }
    ImGui::Separator();
    // cmdDest: the sequence in order; buttons beyond it are hidden.
    const float small = 40 * scale;
    for (size_t k = 0; k < v.items.size(); ++k) {
        const std::string id = Indexed("cmdDest", static_cast<int>(k));
        if (k > 0) ImGui::SameLine();
        if (FigureButton(id, v.masks[static_cast<size_t>(std::clamp(v.items[k], 0, 6))], small, IM_COL32(120, 200, 255, 255)))
            in.clicked.push_back(id);
    }
    if (v.items.empty()) ImGui::Dummy(ImVec2(small, small));
    ImGui::BeginDisabled(!v.randomEnabled);
    f.Check("chkRandom", v.randomCaption, v.random);
    ImGui::EndDisabled();
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 96 * scale - ImGui::GetStyle().WindowPadding.x);
    f.Button("cmdOk1", "OK", 96);
    if (!open) in.clicked.emplace_back("close");
    ImGui::EndPopup();
    return in;
}

// ---- frmOpen ----

WindowInput DrawOpen(const OpenView& v, float scale) {
    WindowInput in;
    const std::string name = v.caption + "###frmOpen";
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(size.x / 2, size.y / 2), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(std::min(560 * scale, size.x - 8), std::min(420 * scale, size.y - 8)));
    bool open = true;
    if (!ImGui::BeginPopupModal(name.c_str(), &open, ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove)) {
        in.clicked.emplace_back("close");
        return in;
    }
    // drvOpen: the places.
    ImGui::SetNextItemWidth(-1);
    const std::string shown = v.place >= 0 ? v.places[static_cast<size_t>(v.place)] : v.folder;
    if (ImGui::BeginCombo("##drvOpen", shown.c_str())) {
        for (size_t k = 0; k < v.places.size(); ++k)
            if (ImGui::Selectable((v.places[k] + "##drv" + std::to_string(k)).c_str(), static_cast<int>(k) == v.place))
                in.clicked.push_back(Indexed("drvOpen", static_cast<int>(k)));
        ImGui::EndCombo();
    }
    ImGui::TextUnformatted(v.folder.c_str());
    if (!v.message.empty()) ImGui::TextColored(ImVec4(1.0f, 0.55f, 0.45f, 1.0f), "%s", v.message.c_str());
    const float listHeight = ImGui::GetContentRegionAvail().y - ImGui::GetFrameHeightWithSpacing() - 4 * scale;
    const float half = (ImGui::GetContentRegionAvail().x - ImGui::GetStyle().ItemSpacing.x) / 2;
    // dirOpen: the folders; filOpen: the files of the pattern. One click acts.
    ImGui::BeginChild("##dirOpen", ImVec2(half, listHeight), true);
    for (size_t k = 0; k < v.folders.size(); ++k)
        if (ImGui::Selectable(("[" + v.folders[k] + "]##dir" + std::to_string(k)).c_str(), false))
            in.clicked.push_back(Indexed("dirOpen", static_cast<int>(k)));
    ImGui::EndChild();
    ImGui::SameLine();
    ImGui::BeginChild("##filOpen", ImVec2(half, listHeight), true);
    for (size_t k = 0; k < v.files.size(); ++k)
        if (ImGui::Selectable((v.files[k] + "##fil" + std::to_string(k)).c_str(), false))
            in.clicked.push_back(Indexed("filOpen", static_cast<int>(k)));
    ImGui::EndChild();
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 96 * scale - ImGui::GetStyle().WindowPadding.x);
    if (ImGui::Button((v.cancel + "##cmdCancel").c_str(), ImVec2(96 * scale, 0))) in.clicked.emplace_back("cmdCancel");
    if (!open) in.clicked.emplace_back("close");
    ImGui::EndPopup();
    return in;
}

}  // namespace zembrol
