// frmGraph: what each control writes, what the scene is told, the texture files and
// the help label.
//
//   [Sections] opening and closing - clicks - lists and sliders - textures - controls
#include "app/graph_window.h"

#include <algorithm>

#include "app/configuration.h"
#include "app/result_windows.h"
#include "platform/files.h"
#include "render/scene_tables.h"

namespace zembrol {

namespace {

// The six sldMainLight sliders: main light red, green, blue, then the grid light's.
template <class S>   // Settings, or const Settings for reading
auto LightSliders(S& s) {
    return std::array{&s.btMRed, &s.btMGreen, &s.btMBlue, &s.btMRedNext, &s.btMGreenNext, &s.btMBlueNext};
}

int16_t Clamped(int value, int lo, int hi) { return static_cast<int16_t>(std::clamp(value, lo, hi)); }

}  // namespace

GraphWindow::GraphWindow(Settings& settings, bool& modulate2x, GraphTargets& targets, GraphTexts texts)
    : s_(settings), modulate2x_(modulate2x), targets_(targets), texts_(std::move(texts)) {}

// ---- opening and closing ----

void GraphWindow::Load() {
    tab_ = 0;
    texture_ = 0;
    lightsShown_ = -1;
    helpKey_ = "startHelp";
    closed_ = false;
}

void GraphWindow::Close() {
    if (closed_) return;
    // A drag that never ended leaves the stored count in force.
    if (lightsShown_ >= 0) targets_.ShowLights(-1);
    lightsShown_ = -1;
    closed_ = true;
}

bool GraphWindow::Key(const std::string& key) {
    if (key != "Esc") return false;
    Close();
    return true;
}

void GraphWindow::Hover(const std::string& control) {
    std::string name;
    int index = -1;
    if (control.empty() || !SplitControl(control, &name, &index)) {
        SetHelp("startHelp");
    } else if (name == "optDetal" && index >= 0) {
        SetHelp("optDetal_MouseMove" + std::to_string(index + 1));
    } else if (name == "sldMainLight" && index >= 0) {
        SetHelp("sldMainLight_MouseMove" + std::to_string(index));
    } else if (name == "tbsMain") {
        SetHelp("startHelp");
    } else {
        SetHelp(name + "_MouseMove");
    }
}

// ---- clicks ----

bool GraphWindow::Click(const std::string& control) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if (index >= 0) return ClickIndexed(name, index);
    if (name == "cmOK" || name == "close") {
        Close();
    } else if (name == "chkSetka") {
        s_.bDrawSetka = !s_.bDrawSetka;
    } else if (name == "chkWorldEnable") {
        s_.m_WorldEnable = !s_.m_WorldEnable;
    } else if (name == "chkColorQuads") {
        s_.bColorQuads = !s_.bColorQuads;
    } else if (name == "chkVisibleLights") {
        s_.gr_VisibleLights = s_.gr_VisibleLights == 1 ? 0 : 1;
    } else if (name == "chkHLNew") {
        s_.bHLNew = !s_.bHLNew;
    } else if (name == "chkFlyingBonus") {
        s_.bFlyingBonus = !s_.bFlyingBonus;
    } else if (name == "chkWalkText") {
        s_.bWalkText = !s_.bWalkText;
        targets_.BannerSwitched();
    } else if (name == "chkHideGrid") {
        s_.bHideGrids = !s_.bHideGrids;
    } else if (name == "chkAlpha") {
        s_.gr_Alpha = s_.gr_Alpha == 0 ? 1 : 0;
        targets_.BlendChanged();
    } else if (name == "cmdChoiseFile") {
        ChooseTextureFile();
    } else {
        return false;
    }
    return true;
}

bool GraphWindow::ClickIndexed(const std::string& name, int i) {
    if (name == "tbsMain" && i < kGraphTabs) {
        tab_ = i;
        SetHelp("startHelp");
    } else if (name == "optDetal" && i < 2) {
        s_.bDetLevel = i == 1;
        SetHelp("optDetal_MouseMove" + std::to_string(i + 1));
    } else if (name == "optModulate" && i < 2) {
        modulate2x_ = i == 0;
        targets_.ModulateChanged(modulate2x_);
    } else {
        return false;
    }
    return true;
}

// ---- lists and sliders ----

bool GraphWindow::Choose(const std::string& control, const std::string& item) {
    if (control == "cmbDeformType") {
        const int k = ItemIndex(texts_.deformTypes, item);
        if (k < 0) return false;
        s_.gr_MoveBkg = static_cast<int16_t>(k);
        targets_.DeformTypeChanged();
    } else if (control == "cmbTex") {
        const int k = ItemIndex(texts_.textures, item);
        if (k < 0) return false;
        texture_ = k;
    } else if (control == "cmbSource" || control == "cmbDest") {
        const int k = ItemIndex(kBlendNames, item);
        if (k < 0) return false;
        (control == "cmbSource" ? s_.gr_AlphaSource : s_.gr_AlphaDest) = static_cast<int16_t>(k);
        targets_.BlendChanged();
    } else {
        return false;
    }
    return true;
}

bool GraphWindow::Slide(const std::string& control, int value) {
    std::string name;
    int index = -1;
    if (!SplitControl(control, &name, &index)) return false;
    if (name == "sldMainLight" && index >= 0 && index < 6) {
        // Any of the six reads all six: the two colours are made anew from them.
        *LightSliders(s_)[static_cast<size_t>(index)] = Clamped(value, 0, 255);
        return true;
    }
    if (index >= 0) return false;
    if (name == "sldValueDelay") {
        // A higher slider value is a shorter delay.
        s_.dq_ValueDelay = static_cast<int16_t>(11 - Clamped(value, kValueDelayMin, kValueDelayMax));
        targets_.DeformSpeedChanged();
    } else if (name == "sldWorldSpeed") {
        if (!s_.m_WorldEnable) return true;   // disabled: it does not move
        s_.m_WorldSpeed = Clamped(value, 0, kWorldSpeedMax);
        targets_.WorldSpeedChanged();
    } else if (name == "sldSpeedLights") {
        s_.gr_LightsSpeed = Clamped(value, 0, kLightsSpeedMax);
        SetHelp("sldSpeedLights_Click");
    } else if (name == "sldNumLights.Scroll") {
        lightsShown_ = Clamped(value, 0, kLightsMax);
        targets_.ShowLights(lightsShown_);
    } else if (name == "sldNumLights") {
        s_.gr_NumLights = Clamped(value, 0, kLightsMax);
        lightsShown_ = -1;
        targets_.ShowLights(-1);
    } else {
        return false;
    }
    return true;
}

// ---- textures ----

void GraphWindow::ChooseTextureFile() {
    std::string& path = s_.gr_arTex[static_cast<size_t>(texture_)];
    std::string folder = textureFolder;
    if (path.find('/') != std::string::npos) folder = platform::ParentFolder(path);
    if (folder.empty()) folder = "/";
    std::string chosen;
    if (!chooseFile || !chooseFile(kTexturePattern, folder, &chosen)) return;
    // The new path is kept even when the file does not load: the player sees why.
    path = chosen;
    if (!targets_.ReloadTexture(texture_) && infoBox) infoBox(kTextureNotLoaded + chosen);
}

// ---- controls ----

std::vector<ControlValue> GraphWindow::Controls() const {
    const Settings& s = s_;
    std::vector<ControlValue> c{{"tbsMain", std::to_string(tab_)}};
    // Transparency.
    c.push_back({"chkAlpha", Flag(s.gr_Alpha == 0)});
    auto blend = [&c](const char* name, int16_t index) {
        const bool listed = index >= 0 && index < kBlendItems;
        c.push_back({name, listed ? kBlendNames[static_cast<size_t>(index)] : ""});
        c.push_back({std::string(name) + ".Factor", std::to_string(render::BlendFactorForIndex(index))});
    };
    blend("cmbSource", s.gr_AlphaSource);
    blend("cmbDest", s.gr_AlphaDest);
    for (int k = 0; k < 2; ++k) c.push_back({Indexed("optModulate", k), Flag(modulate2x_ == (k == 0))});
    // Cells.
    for (int k = 0; k < 2; ++k) c.push_back({Indexed("optDetal", k), Flag(s.bDetLevel == (k == 1))});
    c.push_back({"chkColorQuads", Flag(s.bColorQuads)});
    // Light colours.
    const auto sliders = LightSliders(s);
    for (int k = 0; k < 6; ++k) c.push_back({Indexed("sldMainLight", k), std::to_string(*sliders[static_cast<size_t>(k)])});
    auto preview = [&c](const char* name, int16_t r, int16_t g, int16_t b) {
        c.push_back({name, std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b), ControlColor(r, g, b)});
    };
    preview("picMainLight", s.btMRed, s.btMGreen, s.btMBlue);
    preview("picNextLight", s.btMRedNext, s.btMGreenNext, s.btMBlueNext);
    // Flying texts.
    c.push_back({"chkFlyingBonus", Flag(s.bFlyingBonus)});
    c.push_back({"chkWalkText", Flag(s.bWalkText)});
    // Backdrop and grid.
    c.push_back({"chkSetka", Flag(!s.bDrawSetka)});
    const bool deformListed = s.gr_MoveBkg >= 0 && s.gr_MoveBkg < kDeformTypes;
    c.push_back({"cmbDeformType", deformListed ? texts_.deformTypes[static_cast<size_t>(s.gr_MoveBkg)] : ""});
    c.push_back({"sldValueDelay", std::to_string(std::clamp(11 - s.dq_ValueDelay, kValueDelayMin, kValueDelayMax))});
    c.push_back({"chkHideGrid", Flag(s.bHideGrids)});
    // Field lights.
    c.push_back({"sldNumLights", std::to_string(lightsShown_ >= 0 ? lightsShown_ : s.gr_NumLights)});
    c.push_back({"sldSpeedLights", std::to_string(s.gr_LightsSpeed)});
    c.push_back({"chkVisibleLights", Flag(s.gr_VisibleLights == 1)});
    c.push_back({"chkHLNew", Flag(s.bHLNew)});
    // Textures.
    c.push_back({"cmbTex", texts_.textures[static_cast<size_t>(texture_)]});
    const std::string& path = s.gr_arTex[static_cast<size_t>(texture_)];
    c.push_back({"lblTexPath", path.empty() ? "" : g_ShortText(path, 45)});
    // World.
    c.push_back({"chkWorldEnable", Flag(!s.m_WorldEnable)});
    c.push_back({"sldWorldSpeed", std::to_string(s.m_WorldSpeed)});
    c.push_back({"sldWorldSpeed.Enabled", s.m_WorldEnable ? "True" : "False"});
    c.push_back({"lblHelp", texts_.help ? texts_.help(helpKey_) : helpKey_});
    c.push_back({"cmOK", "OK"});
    return c;
}

}  // namespace zembrol
