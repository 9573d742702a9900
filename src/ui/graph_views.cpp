// frmGraph and frmPaint drawn with ImGui.
//
//   [Sections] helpers - frmGraph (one function per tab) - frmPaint
#include "ui/graph_views.h"

#include <imgui.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "settings/control_names.h"
#include "ui/window_form.h"

namespace zembrol {

namespace {

// ---- helpers ----

ImVec4 ColorOf(int r, int g, int b) {
    return ImVec4(static_cast<float>(r) / 255.f, static_cast<float>(g) / 255.f, static_cast<float>(b) / 255.f, 1.f);
}

void Preview(Form& f, const std::string& name, const ImVec4& colour) {
    ImGui::ColorButton(("##" + name).c_str(), colour, ImGuiColorEditFlags_NoTooltip | ImGuiColorEditFlags_NoDragDrop,
                       ImVec2(120 * f.Scale(), 36 * f.Scale()));
    f.Note(name);
}

// ---- frmGraph ----

enum GraphTab { kBlendTab, kCellsTab, kLightColoursTab, kFlyingTab, kBackdropTab, kLightsTab, kTexturesTab, kWorldTab };

void TransparencyTab(Form& f, const GraphView& v) {
    f.Frame(f.T("fraAlpha"));
    f.Row(ctl::chkAlpha);
    ImGui::BeginDisabled(f.Checked(ctl::chkAlpha));
    for (const char* name : {ctl::cmbSource, ctl::cmbDest}) {
        ImGui::AlignTextToFramePadding();
        ImGui::TextUnformatted(f.T(std::string_view(name) == ctl::cmbSource ? "lblSource" : "lblDest").c_str());
        ImGui::SameLine(210 * f.Scale());
        f.Row(name, 170);
    }
    ImGui::EndDisabled();
    f.Frame(f.T("fraModulate"));
    f.Options(ctl::optModulate, {f.T("optModulate0"), f.T("optModulate1")}, v.shown.modulate2x ? 0 : 1);
}

void CellsTab(Form& f) {
    f.Frame(f.T("frmDif"));
    f.Row(ctl::optDetal);
    ImGui::Spacing();
    f.Row(ctl::chkColorQuads);
}

void LightColoursTab(Form& f, const Settings& s) {
    for (int row = 0; row < 2; ++row) {
        f.Frame(f.T(row == 0 ? "fraMainLight" : "fraNextLight"));
        ImGui::BeginGroup();
        for (int k = 0; k < 3; ++k) f.Row(Indexed(ctl::sldMainLight, row * 3 + k));
        ImGui::EndGroup();
        ImGui::SameLine();
        if (row == 0) Preview(f, ctl::picMainLight, ColorOf(s.btMRed, s.btMGreen, s.btMBlue));
        else Preview(f, ctl::picNextLight, ColorOf(s.btMRedNext, s.btMGreenNext, s.btMBlueNext));
    }
}

void FlyingTab(Form& f) {
    f.Frame(f.T("Frame2"));
    f.Row(ctl::chkFlyingBonus);
    f.Row(ctl::chkWalkText);
}

void BackdropTab(Form& f) {
    f.Frame(f.T("Frame1"));
    f.Row(ctl::chkSetka);
    f.Frame(f.T("fraAnim"));
    f.Row(ctl::cmbDeformType, 260);
    f.Row(ctl::sldValueDelay);
    f.Frame(f.T("Frame4"));
    f.Row(ctl::chkHideGrid);
}

void LightsTab(Form& f, const GraphView& v) {
    f.Frame(f.T("frmLights"));
    // The lights follow the slider while it is dragged; the count is kept on release.
    int lights = v.shown.lights;
    ImGui::SetNextItemWidth(230 * f.Scale());
    if (ImGui::SliderInt("##sldNumLights", &lights, 0, 16)) f.In().slid.emplace_back(ctl::sldNumLightsScroll, lights);
    if (ImGui::IsItemDeactivatedAfterEdit()) f.In().slid.emplace_back(ctl::sldNumLights, lights);
    f.Note(ctl::sldNumLights);
    ImGui::SameLine();
    ImGui::TextUnformatted(f.T("lblNumLights").c_str());
    f.Row(ctl::sldSpeedLights);
    f.Row(ctl::chkVisibleLights);
    f.Row(ctl::chkHLNew);
}

void TexturesTab(Form& f, const GraphView& v) {
    f.Frame(f.T("fraTex"));
    f.Combo(ctl::cmbTex, v.textures[static_cast<size_t>(v.shown.texture)], v.textures, 260);
    ImGui::SameLine();
    f.Button(ctl::cmdChoiseFile, f.T("cmdChoiseFile"));
    ImGui::TextWrapped("%s", v.shown.texturePath.c_str());
    f.Note(ctl::lblTexPath);
}

void WorldTab(Form& f) {
    f.Frame(f.T("Frame6"));
    f.Row(ctl::chkWorldEnable);
    f.Row(ctl::sldWorldSpeed);
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
        in.clicked.emplace_back(ctl::close);
        return out;
    }
    const ListTexts lists = [&v](ListItems items) {
        return items == ListItems::DeformTypes ? v.deformTypes : items == ListItems::BlendNames ? v.blendNames
                                                                                                : std::vector<std::string>{};
    };
    Form f(in, scale, v.settings, v.text, lists);
    f.TrackHover(&out.hovered);
    // tbsMain: eight tabs in two rows of four. The captions of four tabs share the
    // window's width: a smaller face fits them.
    std::vector<std::string> tabs;
    for (int k = 1; k <= 8; ++k) tabs.push_back(v.text("g_tbs" + std::to_string(k)));
    ImGui::SetWindowFontScale(0.85f);
    const int tab = v.shown.tab;
    f.Tabs(ctl::tbsMain, tabs, 4, tab);
    ImGui::SetWindowFontScale(1.0f);
    const float help = ImGui::GetTextLineHeightWithSpacing() * 4 + ImGui::GetFrameHeightWithSpacing() * 2;
    ImGui::BeginChild("##tab", ImVec2(0, -help), true);
    switch (tab) {
        case kBlendTab: TransparencyTab(f, v); break;
        case kCellsTab: CellsTab(f); break;
        case kLightColoursTab: LightColoursTab(f, *v.settings); break;
        case kFlyingTab: FlyingTab(f); break;
        case kBackdropTab: BackdropTab(f); break;
        case kLightsTab: LightsTab(f, v); break;
        case kTexturesTab: TexturesTab(f, v); break;
        default: WorldTab(f); break;
    }
    // A setting the tab's layout does not place yet follows at the tab's end.
    f.RestOfTab(Panel::Graph, tab);
    ImGui::EndChild();
    // fraHelp: the text of the control under the pointer.
    f.Frame(v.text("fraHelp"));
    ImGui::TextWrapped("%s", v.shown.help.c_str());
    ImGui::SetCursorPosY(ImGui::GetWindowHeight() - ImGui::GetFrameHeightWithSpacing() - ImGui::GetStyle().WindowPadding.y);
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 96 * scale - ImGui::GetStyle().WindowPadding.x);
    f.Button(ctl::cmOK, "OK", 96);
    out.overWindow = ImGui::IsWindowHovered(ImGuiHoveredFlags_ChildWindows);
    if (!open) in.clicked.emplace_back(ctl::close);
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
    Form f(out.in, scale);
    f.Combo("cmbType", v.parts[static_cast<size_t>(v.part)], v.parts, 150);
    // VScroll1(0..3): alpha, red, green, blue of the chosen component.
    static const char* kBars[4] = {"A", "R", "G", "B"};
    for (int k = 0; k < 4; ++k) {
        if (k > 0) ImGui::SameLine();
        const std::string id = Indexed("VScroll1", k);
        int value = v.bars[static_cast<size_t>(k)];
        ImGui::BeginGroup();
        if (ImGui::VSliderInt(("##" + id).c_str(), ImVec2(30 * scale, 140 * scale), &value, 0, 255))
            out.in.slid.emplace_back(id, value);
        ImGui::TextUnformatted(kBars[k]);
        ImGui::EndGroup();
    }
    ImGui::SameLine();
    // The picture box: the component's colour.
    ImGui::ColorButton("##picColor", ColorOf(v.bars[1], v.bars[2], v.bars[3]), ImGuiColorEditFlags_NoTooltip,
                       ImVec2(60 * scale, 140 * scale));
    char power[32];
    std::snprintf(power, sizeof power, "%s", v.power.c_str());
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
