// frmGraph: what each control writes, what the scene is told, the texture files and
// the help label.
//
//   [Sections] opening and closing - clicks - lists and sliders - textures - controls
#include "windows/graph_window.h"

#include <algorithm>

#include "platform/files.h"
#include "render/scene_tables.h"
#include "windows/setting_controls.h"
#include "windows/short_text.h"

namespace zembrol {

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
    if (const RowCommand done = ClickRow(Panel::Graph, s_, control); done.Handled()) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row, done.index);
        return true;
    }
    if (index >= 0) return ClickIndexed(name, index);
    if (name == ctl::cmOK || name == ctl::close) {
        Close();
    } else if (name == ctl::cmdChoiseFile) {
        ChooseTextureFile();
    } else {
        return false;
    }
    return true;
}

bool GraphWindow::ClickIndexed(const std::string& name, int i) {
    if (name == ctl::tbsMain && i < kGraphTabs) {
        tab_ = i;
        SetHelp("startHelp");
    } else if (name == ctl::optModulate && i < 2) {
        modulate2x_ = i == 0;
        targets_.ModulateChanged(modulate2x_);
    } else {
        return false;
    }
    return true;
}

void GraphWindow::Apply(const SettingRow& row, int index) {
    if (row.restarts & restart::kBanner) targets_.BannerSwitched();
    if (row.restarts & restart::kBlend) targets_.BlendChanged();
    if (row.restarts & restart::kDeform) targets_.DeformTypeChanged();
    if (row.restarts & restart::kDeformSpeed) targets_.DeformSpeedChanged();
    if (row.restarts & restart::kWorld) targets_.WorldSpeedChanged();
    if (row.restarts & restart::kHelp) {
        // An option tells what it chose, a slider what it does.
        SetHelp(row.kind == ControlKind::Options ? row.control + "_MouseMove" + std::to_string(index + 1)
                                                 : row.control + "_Click");
    }
}

std::vector<std::string> GraphWindow::ListText(ListItems items) const {
    if (items == ListItems::DeformTypes) return {texts_.deformTypes.begin(), texts_.deformTypes.end()};
    if (items == ListItems::BlendNames) return {kBlendNames.begin(), kBlendNames.end()};
    return {};
}

// ---- lists and sliders ----

bool GraphWindow::Choose(const std::string& control, const std::string& item) {
    const ListTexts texts = [this](ListItems items) { return ListText(items); };
    if (const RowCommand done = ChooseRow(Panel::Graph, s_, control, item, texts); done.outcome != RowCommand::NotMine) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row, done.index);
        return done.outcome != RowCommand::Refused;
    }
    if (control != ctl::cmbTex) return false;
    const int k = ItemIndex(texts_.textures, item);
    if (k < 0) return false;
    texture_ = k;
    return true;
}

bool GraphWindow::Slide(const std::string& control, int value) {
    if (const RowCommand done = SlideRow(Panel::Graph, s_, control, value); done.Handled()) {
        if (done.outcome == RowCommand::Applied) Apply(*done.row, -1);
        return true;
    }
    // The lights follow the slider while it is dragged; the count is kept on release.
    if (control == ctl::sldNumLightsScroll) {
        lightsShown_ = std::clamp(value, 0, kLightsMax);
        targets_.ShowLights(lightsShown_);
    } else if (control == ctl::sldNumLights) {
        s_.gr_NumLights = static_cast<int16_t>(std::clamp(value, 0, kLightsMax));
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

GraphShown GraphWindow::Shown() const {
    GraphShown v;
    v.tab = tab_;
    v.modulate2x = modulate2x_;
    v.lights = lightsShown_ >= 0 ? lightsShown_ : s_.gr_NumLights;
    v.texture = texture_;
    const std::string& path = s_.gr_arTex[static_cast<size_t>(texture_)];
    v.texturePath = path.empty() ? "" : g_ShortText(path, 45);
    v.help = texts_.help ? texts_.help(helpKey_) : helpKey_;
    return v;
}

std::vector<ControlValue> GraphWindow::Controls() const {
    const Settings& s = s_;
    const GraphShown v = Shown();
    std::vector<ControlValue> c{{ctl::tbsMain, std::to_string(v.tab)}};
    AddRowControls(Panel::Graph, s, [this](ListItems items) { return ListText(items); }, c);
    // The blend factors the two lists stand for.
    c.push_back({std::string(ctl::cmbSource) + ".Factor", std::to_string(render::BlendFactorForIndex(s.gr_AlphaSource))});
    c.push_back({std::string(ctl::cmbDest) + ".Factor", std::to_string(render::BlendFactorForIndex(s.gr_AlphaDest))});
    for (int k = 0; k < 2; ++k) c.push_back({Indexed(ctl::optModulate, k), Flag(v.modulate2x == (k == 0))});
    auto preview = [&c](const char* name, int16_t r, int16_t g, int16_t b) {
        c.push_back({name, std::to_string(r) + " " + std::to_string(g) + " " + std::to_string(b), ControlColor(r, g, b)});
    };
    preview(ctl::picMainLight, s.btMRed, s.btMGreen, s.btMBlue);
    preview(ctl::picNextLight, s.btMRedNext, s.btMGreenNext, s.btMBlueNext);
    c.push_back({ctl::sldNumLights, std::to_string(v.lights)});
    c.push_back({ctl::cmbTex, texts_.textures[static_cast<size_t>(v.texture)]});
    c.push_back({ctl::lblTexPath, v.texturePath});
    c.push_back({ctl::lblHelp, v.help});
    c.push_back({ctl::cmOK, "OK"});
    return c;
}

}  // namespace zembrol
