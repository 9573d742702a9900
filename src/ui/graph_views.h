// The graphics window (frmGraph, modal) and the material window (frmPaint, beside the
// game) drawn with ImGui. Thin views like the settings dialogs: they read the
// settings through the rows of the settings table and the rest from typed structs,
// and report what the player did.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ui/main_window_ui.h"
#include "ui/settings_views.h"

namespace zembrol {

// What frmGraph shows beside its setting rows (the window keeps it).
struct GraphShown {
    int tab = 0;               // tbsMain
    bool modulate2x = false;   // optModulate(0)
    int lights = 0;            // sldNumLights: the count, or where it is dragged
    int texture = 0;           // cmbTex
    std::string texturePath;   // lblTexPath
    std::string help;          // lblHelp
};

struct GraphView {
    const Settings* settings = nullptr;
    GraphShown shown;
    std::function<std::string(const std::string&)> text;   // a text of section "fGraph"
    std::vector<std::string> deformTypes, textures;          // cmbDeformType, cmbTex
    std::vector<std::string> blendNames;                     // cmbSource, cmbDest
    std::string caption;
};

struct GraphInput {
    WindowInput in;
    std::string hovered;   // the control under the pointer; empty: the window itself
    bool overWindow = false;
};

// One frame of frmGraph: beside the 3D view, which it leaves to be seen.
GraphInput DrawGraph(const GraphView& v, float scale);

// While it lives, a modal window does not darken the game under it: the scene must
// show every change the graphics window makes.
class UndimmedScene {
public:
    UndimmedScene();
    ~UndimmedScene();
    UndimmedScene(const UndimmedScene&) = delete;
    UndimmedScene& operator=(const UndimmedScene&) = delete;

private:
    float saved_[4] = {0, 0, 0, 0};
    bool active_ = false;
};

struct PaintView {
    int part = 0;                        // cmbType
    std::array<int, 4> bars{};           // VScroll1(0..3): alpha, red, green, blue
    std::string power;                   // txtPower
    std::string caption, powerCaption;
    std::vector<std::string> parts;   // cmbType's items
};

struct PaintInput {
    WindowInput in;                                        // chosen: cmbType; slid: VScroll1(k)
    bool typed = false;
    std::string power;                                     // txtPower, when typed
    bool closed = false;
    UiRect place;                                          // where the window lies, in window pixels
};

// One frame of frmPaint, a window of its own beside the game.
PaintInput DrawPaint(const PaintView& v, float scale);

}  // namespace zembrol
