// frmGraph and frmPaint drawn with ImGui.
//
//   [Sections] helpers - frmGraph (one function per tab) - frmPaint
#include "ui/graph_views.h"

#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/window_form.h"

namespace zembrol {

namespace {

// ---- helpers ----

using Text = std::function<std::string(const std::string&)>;

// "r g b" of 0..255 as a colour.
ImVec4 ColorOf(const std::string& rgb) {
    int r = 0, g = 0, b = 0;
    std::sscanf(rgb.c_str(), "%d %d %d", &r, &g, &b);
    return ImVec4(static_cast<float>(r) / 255.f, static_cast<float>(g) / 255.f, static_cast<float>(b) / 255.f, 1.f);
}

void Preview(Form& f, const std::string& name) {
    ImGui::ColorButton(("##" + name).c_str(), ColorOf(f.Value(name)),
                       ImGuiColorEditFlags_NoTooltip | ImGuiColorEditFlags_NoDragDrop,
                       ImVec2(120 * f.Scale(), 36 * f.Scale()));
    f.Note(name);
}

// ---- frmGraph ----

void TransparencyTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("fraAlpha"));
    f.Check("chkAlpha", t("chkAlpha"));
    ImGui::BeginDisabled(f.On("chkAlpha"));
    for (const char* name : {"cmbSource", "cmbDest"}) {
        ImGui::AlignTextToFramePadding();
        ImGui::TextUnformatted(t(std::string(name) == "cmbSource" ? "lblSource" : "lblDest").c_str());
        ImGui::SameLine(210 * f.Scale());
        f.Combo(name, v.blendNames, 170);
    }
    ImGui::EndDisabled();
    f.Frame(t("fraModulate"));
    f.Options("optModulate", {t("optModulate0"), t("optModulate1")});
}

void CellsTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("frmDif"));
    f.Options("optDetal", {t("optDetal0"), t("optDetal1")});
    ImGui::Spacing();
    f.Check("chkColorQuads", t("chkColorQuads"));
}

void LightColoursTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    static const char* kParts[3] = {"lblRed", "lblGreen", "lblBlue"};
    for (int row = 0; row < 2; ++row) {
        f.Frame(t(row == 0 ? "fraMainLight" : "fraNextLight"));
        ImGui::BeginGroup();
        for (int k = 0; k < 3; ++k) f.Slider(Indexed("sldMainLight", row * 3 + k), 0, 255, t(kParts[k]));
        ImGui::EndGroup();
        ImGui::SameLine();
        Preview(f, row == 0 ? "picMainLight" : "picNextLight");
    }
}

void FlyingTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("Frame2"));
    f.Check("chkFlyingBonus", t("chkFlyingBonus"));
    f.Check("chkWalkText", t("chkWalkText"));
}

void BackdropTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("Frame1"));
    f.Check("chkSetka", t("chkSetka"));
    f.Frame(t("fraAnim"));
    f.Combo("cmbDeformType", v.deformTypes, 260);
    f.Slider("sldValueDelay", 1, 10, t("lblSpeedBkg"));
    f.Frame(t("Frame4"));
    f.Check("chkHideGrid", t("chkHideGrid"));
}

void LightsTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("frmLights"));
    // The lights follow the slider while it is dragged; the count is kept on release.
    int lights = std::atoi(f.Value("sldNumLights").c_str());
    ImGui::SetNextItemWidth(230 * f.Scale());
    if (ImGui::SliderInt("##sldNumLights", &lights, 0, 16)) f.In().slid.emplace_back("sldNumLights.Scroll", lights);
    if (ImGui::IsItemDeactivatedAfterEdit()) f.In().slid.emplace_back("sldNumLights", lights);
    f.Note("sldNumLights");
    ImGui::SameLine();
    ImGui::TextUnformatted(t("lblNumLights").c_str());
    f.Slider("sldSpeedLights", 0, 5, t("lblSpeedLights"));
    f.Check("chkVisibleLights", t("chkVisibleLights"));
    f.Check("chkHLNew", t("chkHLNew"));
}

void TexturesTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("fraTex"));
    f.Combo("cmbTex", v.textures, 260);
    ImGui::SameLine();
    f.Button("cmdChoiseFile", t("cmdChoiseFile"));
    ImGui::TextWrapped("%s", f.Value("lblTexPath").c_str());
    f.Note("lblTexPath");
}

void WorldTab(Form& f, const GraphView& v) {
    const Text& t = v.text;
    f.Frame(t("Frame6"));
    f.Check("chkWorldEnable", t("chkWorldEnable"));
    ImGui::BeginDisabled(!f.Enabled("sldWorldSpeed"));
    f.Slider("sldWorldSpeed", 0, 10, t("lblWorldSpeed"));
    ImGui::EndDisabled();
}

}  // namespace

GraphInput DrawGraph(const GraphView& v, float scale) {
    GraphInput out;
    WindowInput& in = out.in;
    const std::string name = v.caption + "###frmGraph";
    if (!ImGui::IsPopupOpen(name.c_str())) ImGui::OpenPopup(name.c_str());
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    // On the right of the main window, over the record lists: the field stays in sight.
    const ImVec2 wanted(std::min(420 * scale, size.x - 8), std::min(540 * scale, size.y - 8));
    ImGui::SetNextWindowPos(ImVec2(size.x - 8 * scale, size.y / 2), ImGuiCond_Appearing, ImVec2(1, 0.5f));
    ImGui::SetNextWindowSize(wanted);
    // Opaque: the main window's lists beneath would show through the controls.
    ImGui::SetNextWindowBgAlpha(1.0f);
    bool open = true;
    if (!ImGui::BeginPopupModal(name.c_str(), &open, ImGuiWindowFlags_NoResize)) {
        in.clicked.emplace_back("close");
        return out;
    }
    Form f(v.values, in, scale);
    f.TrackHover(&out.hovered);
    // tbsMain: eight tabs in two rows of four. The captions of four tabs share the
    // window's width: a smaller face fits them.
    std::vector<std::string> tabs;
    for (int k = 1; k <= 8; ++k) tabs.push_back(v.text("g_tbs" + std::to_string(k)));
    ImGui::SetWindowFontScale(0.85f);
    const int tab = f.Tabs("tbsMain", tabs, 4);
    ImGui::SetWindowFontScale(1.0f);
    const float help = ImGui::GetTextLineHeightWithSpacing() * 4 + ImGui::GetFrameHeightWithSpacing() * 2;
    ImGui::BeginChild("##tab", ImVec2(0, -help), true);
    switch (tab) {
        case 0: TransparencyTab(f, v); break;
        case 1: CellsTab(f, v); break;
        case 2: LightColoursTab(f, v); break;
        case 3: FlyingTab(f, v); break;
        case 4: BackdropTab(f, v); break;
        case 5: LightsTab(f, v); break;
        case 6: TexturesTab(f, v); break;
        default: WorldTab(f, v); break;
    }
    ImGui::EndChild();
    // fraHelp: the text of the control under the pointer.
    f.Frame(v.text("fraHelp"));
    ImGui::TextWrapped("%s", f.Value("lblHelp").c_str());
    ImGui::SetCursorPosY(ImGui::GetWindowHeight() - ImGui::GetFrameHeightWithSpacing() - ImGui::GetStyle().WindowPadding.y);
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 96 * scale - ImGui::GetStyle().WindowPadding.x);
    f.Button("cmOK", "OK", 96);
    out.overWindow = ImGui::IsWindowHovered(ImGuiHoveredFlags_ChildWindows);
    if (!open) in.clicked.emplace_back("close");
    ImGui::EndPopup();
    return out;
}

UndimmedScene::UndimmedScene() {
    if (!ImGui::GetCurrentContext()) return;
    ImVec4& dim = ImGui::GetStyle().Colors[ImGuiCol_ModalWindowDimBg];
    saved_[0] = dim.x, saved_[1] = dim.y, saved_[2] = dim.z, saved_[3] = dim.w;
    dim.w = 0;
    active_ = true;
}

UndimmedScene::~UndimmedScene() {
    if (active_ && ImGui::GetCurrentContext())
        ImGui::GetStyle().Colors[ImGuiCol_ModalWindowDimBg] = ImVec4(saved_[0], saved_[1], saved_[2], saved_[3]);
}

// ---- frmPaint ----

PaintInput DrawPaint(const PaintView& v, float scale) {
    PaintInput out;
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x - 8 * scale, 40 * scale), ImGuiCond_FirstUseEver, ImVec2(1, 0));
    bool open = true;
    if (!ImGui::Begin((v.caption + "###frmPaint").c_str(), &open,
                      ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings)) {
        ImGui::End();
        out.closed = !open;
        return out;
    }
    // The window sizes itself to its controls: it is kept wide enough for its caption
    // and the close box, so a longer translation is not cut.
    ImGui::Dummy(ImVec2(ImGui::CalcTextSize(v.caption.c_str()).x + 2 * ImGui::GetFrameHeight(), 0));
    Form f(v.values, out.in, scale);
    f.Combo("cmbType", v.parts, 150);
    // VScroll1(0..3): alpha, red, green, blue of the chosen component.
    static const char* kBars[4] = {"A", "R", "G", "B"};
    for (int k = 0; k < 4; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed("VScroll1", k);
        int value = std::atoi(f.Value(id).c_str());
        ImGui::BeginGroup();
        if (ImGui::VSliderInt(("##" + id).c_str(), ImVec2(30 * scale, 140 * scale), &value, 0, 255))
            out.in.slid.emplace_back(id, value);
        ImGui::TextUnformatted(kBars[k]);
        ImGui::EndGroup();
    }
    ImGui::SameLine();
    // The picture box: the component's colour.
    ImGui::ColorButton("##picColor", ColorOf(f.Value("picColor")), ImGuiColorEditFlags_NoTooltip,
                       ImVec2(60 * scale, 140 * scale));
    char power[32];
    std::snprintf(power, sizeof power, "%s", f.Value("txtPower").c_str());
    ImGui::SetNextItemWidth(90 * scale);
    if (ImGui::InputText(("##txtPower"), power, sizeof power, ImGuiInputTextFlags_CharsDecimal)) {
        out.typed = true;
        out.power = power;
    }
    ImGui::SameLine();
    ImGui::TextUnformatted(v.powerCaption.c_str());
    const ImVec2 at = ImGui::GetWindowPos(), size = ImGui::GetWindowSize();
    out.place = UiRect{at.x, at.y, size.x, size.y};
    ImGui::End();
    out.closed = !open;
    return out;
}

}  // namespace zembrol
