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
#include "ui/window_form.h"

namespace zembrol {

ControlMap MapControls(const std::vector<ControlValue>& controls) {
    ControlMap m;
    for (const ControlValue& c : controls) m[c.name] = c.text;
    return m;
}

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

using Text = std::function<std::string(const std::string&)>;

void SoundTab(Form& f, const SettingsView& v) {
    const Text& t = v.text;
    f.Frame(t("fraButton"));
    f.Check("chkSoundControl", t("chkSoundControl"));
    ImGui::TextUnformatted(t("lblListEvents").c_str());
    ImGui::SameLine();
    f.Combo("cmbListEvents", std::vector<std::string>(v.events.begin(), v.events.end()), 220);
    static const char* kNames[2][6] = {
        {"fraFirstVar", "chkEnFirstVar", "cmdOpenFirst", "lblFirstVar", "sldVolBut1", "sldFreqBut1"},
        {"fraSecondVar", "chkEnSecondVar", "cmdOpenSecond", "lblSecondVar", "sldVolBut2", "sldFreqBut2"}};
    for (int k = 0; k < 2; ++k) {
        const auto& n = kNames[k];
        ImGui::BeginDisabled(!f.Enabled(n[0]));
        f.Frame(t(k == 0 ? "fraFVar" : "fraSVar"));
        f.Check(n[1], t("chkEnVar"));
        ImGui::SameLine();
        f.Button(n[2], t("openbtn1cap"));
        ImGui::SameLine();
        ImGui::TextUnformatted(f.Value(n[3]).c_str());
        f.Tip(t("lblFVarTTT"));
        f.Slider(n[4], -5000, 0, t("sldVolCap"), t("sldFVarTTT"));
        f.Slider(n[5], 4000, 48000, t("sldFreqCap"), t("sldFreq1TTT"));
        ImGui::EndDisabled();
    }
}

void MusicTab(Form& f, const SettingsView& v) {
    const Text& t = v.text;
    f.Frame(t("fraBkgMusic"));
    f.Check("chkEnable", t("chkOffMainMusic"));
    f.Button("cmdOpen", t("fraBkgMusic_cmdOpen"));
    ImGui::SameLine();
    ImGui::TextUnformatted(f.Value("lblFile").c_str());
    ImGui::Spacing();
    f.Slider("sldVolBackgrnd", -5000, 0, t("fraBkgMusic_sldVolBackgrnd"));
    f.Slider("sldFreq", 4000, 48000, t("fraBkgMusic_sldFreq"));
    f.Slider("sldChange", 0, 100, t("fraBkgMusic_sldChange"));
    // txtChange: the sweep speed typed.
    int typed = std::atoi(f.Value("txtChange").c_str());
    ImGui::SetNextItemWidth(80 * f.Scale());
    if (ImGui::InputInt("##txtChange", &typed, 1, 10)) f.In().slid.emplace_back("txtChange", typed);
}

void LooksTab(Form& f, const SettingsView& v) {
    const Text& t = v.text;
    f.Frame(t("gr_fraSkin"));
    for (int k = 0; k < 3; ++k) {
        if (k > 0) ImGui::SameLine();
        f.Button(Indexed("cmdSkin", 7 + k), t("gr_cmdSkin") + " " + std::to_string(k + 1));
    }
    ImGui::SameLine();
    f.Button("cmdLoadSkin", t("gr_cmdLoadSkin"));
    ImGui::SameLine();
    ImGui::TextUnformatted(f.Value("lblSkin").c_str());
    ImGui::TextUnformatted(t("gr_Label1").c_str());
    const int playfield = std::atoi(f.Value("cmdSkin").c_str());
    for (int k = 0; k < 5; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed("cmdSkin", k);
        if (ImGui::RadioButton((std::to_string(k + 1) + "##" + id).c_str(), playfield == k)) f.In().clicked.push_back(id);
    }
    f.Frame(t("gr_Frame5"));
    const int colour = std::atoi(f.Value("cmdControlColor").c_str());
    for (int k = 0; k < 8; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed("cmdControlColor", k);
        ImGui::PushStyleColor(ImGuiCol_Button, FromBgr(ControlsColor(static_cast<int16_t>(k))));
        ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, k == colour ? 3 * f.Scale() : 0.f);
        if (ImGui::Button(("##" + id).c_str(), ImVec2(28 * f.Scale(), 20 * f.Scale()))) f.In().clicked.push_back(id);
        ImGui::PopStyleVar();
        ImGui::PopStyleColor();
    }
    f.Frame(t("gr_fraFant0"));
    f.Options("optFant", {t("gr_optFant0"), t("gr_optFant1"), t("gr_optFant2")});
    f.Frame(t("gr_fraFuture"));
    f.Options("optFuture", Numbers(0, 4));
    f.Frame(t("gr_fraSnake"));
    f.Check("chkSnake", t("gr_chkSnake"));
    f.Frame(t("gr_fraHLLstBox"));
    f.Check("chkHLLstBox(0)", t("gr_chkHLLstBox0"));
    ImGui::SameLine();
    f.Check("chkHLLstBox(1)", t("gr_chkHLLstBox1"));
    f.Check("chkAnimateChL", t("gr_chkAnimateChL"));
    ImGui::BeginDisabled(!f.Enabled("cmdSetGraph"));
    f.Button("cmdSetGraph", t("gr_fraSetGraph"));
    ImGui::EndDisabled();
}

void BonusTab(Form& f, const SettingsView& v) {
    const Text& t = v.text;
    f.Frame(t("bn_fraMiracleAll"));
    f.Check("chkEnableMiracle", t("bn_chkEnableMiracle"));
    ImGui::TextUnformatted(t("bn_fraMiracle").c_str());
    ImGui::BeginDisabled(!f.Enabled("optMiracle"));
    f.Options("optMiracle", {t("bn_optMiracle0"), t("bn_optMiracle1"), t("bn_optMiracle2")});
    ImGui::EndDisabled();
    f.Frame(t("bn_fraSvet"));
    f.Check("chkSvet", t("bn_chkSvet"));
    ImGui::TextUnformatted(t("bn_fraVerColorB").c_str());
    ImGui::BeginDisabled(!f.Enabled("optVerColorB"));
    f.Options("optVerColorB", {t("bn_optVerColorB0"), t("bn_optVerColorB1"), t("bn_optVerColorB2")});
    ImGui::EndDisabled();
    f.Frame(t("bn_fraCW"));
    f.Options("optCW", {t("bn_optCW0"), t("bn_optCW1")});
    f.Frame(t("bn_Frame3"));
    ImGui::TextUnformatted(t("bn_fraMouse").c_str());
    f.Options("optMouse", {t("bn_optMouse0"), t("bn_optMouse1")});
}

void ControlTab(Form& f, const SettingsView& v) {
    const Text& t = v.text;
    f.Frame(t("ct_fraType"));
    f.Options("optType", {"Zembrol", t("ct_optType1"), t("ct_optType2"), t("ct_optType3")});
    ImGui::BeginDisabled(!f.Enabled("cmdSeq"));
    f.Button("cmdSeq", t("ct_cmdSeq"));
    ImGui::EndDisabled();
    f.Frame(t("ct_fraSpeed"));
    f.Options("optSpeed", {t("ct_optSpeed0"), t("ct_optSpeed1"), t("ct_optSpeed2")});
    f.Frame(t("ct_fraFallSpeed"));
    f.Combo("cmbFallSpeed", Numbers(0, 15), 70);
    f.Frame(t("ct_fraDelLin0"));
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted(t("ct_lblDelLin0").c_str());
    ImGui::SameLine();
    f.Combo("cmbDelLin", Numbers(1, 7), 70);
    ImGui::SameLine();
    ImGui::TextUnformatted(t("ct_lblDelLin1").c_str());
    f.Frame(t("ct_fraWindow"));
    f.Check("chkPauseOnFocusLoss", t("ct_chkPauseOnFocusLoss"));
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
        in.clicked.emplace_back("close");
        return in;
    }
    Form f(v.values, in, scale);
    // tbs1: the six tabs in one row.
    constexpr int kTabs = 6;
    std::vector<std::string> tabs;
    for (int k = 1; k <= kTabs; ++k) tabs.push_back(v.text("tab" + std::to_string(k) + "caption"));
    const int tab = f.Tabs("tbs1", tabs, kTabs);
    const float footer = ImGui::GetFrameHeightWithSpacing() * 2 + ImGui::GetStyle().ItemSpacing.y * 2;
    ImGui::BeginChild("##tab", ImVec2(0, -footer), true);
    switch (tab) {
        case 0: SoundTab(f, v); break;
        case 1: MusicTab(f, v); break;
        case 2: LooksTab(f, v); break;
        case 3: BonusTab(f, v); break;
        case 5: DrawKeysTab(v.values, v.text, in, scale); break;
        default: ControlTab(f, v); break;
    }
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
    if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) in.clicked.emplace_back("lblINet");
    const float w = 96 * scale;
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - w - ImGui::GetStyle().WindowPadding.x);
    f.Button("cmdOK", "OK", 96);
    if (!open) in.clicked.emplace_back("close");
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
    Form f(v.values, in, scale);
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
    bool first = true;
    for (int k = 0; k < 10; ++k) {
        const std::string id = Indexed("cmdDest", k);
        const std::string& item = f.Value(id);
        if (item.empty()) continue;
        const int figure = std::atoi(item.c_str());
        if (!first) ImGui::SameLine();
        first = false;
        if (FigureButton(id, v.masks[static_cast<size_t>(std::clamp(figure, 0, 6))], small, IM_COL32(120, 200, 255, 255)))
            in.clicked.push_back(id);
    }
    if (first) ImGui::Dummy(ImVec2(small, small));
    ImGui::BeginDisabled(!f.Enabled("chkRandom"));
    f.Check("chkRandom", v.randomCaption);
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
