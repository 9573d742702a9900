// The main window's controls around the 3D view: score, level and bonus labels,
// the row counters, the take-back indicators, the FPS label, the buttons and the
// record lists, on the skin's background. A thin view: it reads the game and the
// settings, and reports the buttons pressed; the application acts on them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct ImFont;

namespace zembrol {

struct GameState;
struct MainCaptions;

struct UiRect {
    float x = 0, y = 0, w = 0, h = 0;
    bool Contains(float px, float py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// What the controls show that is not game state.
struct MainWindowView {
    const GameState* state = nullptr;
    const MainCaptions* captions = nullptr;
    std::string fpsText;
    bool pausePressed = false, demoPressed = false;
    int viewPressed = 0;                   // the chkView item shown pressed (0..5)
    int blinkLabel = -1;                   // lblCountLines index hidden by the blink, or -1
    std::string highlighted;               // control under the mouse-over highlight
    int skin = 1;                          // 1..3: the palette of the controls
    uintptr_t skinPicture = 0;             // the skin's picture (a UI texture), 0 for none
    // The still backdrop (skin, frames, panel) is drawn into the UI's background
    // list only when its kept picture is missing or stale.
    bool drawBackdrop = true;
    int16_t controlsColor = 0;             // iControlsColor
    std::span<const std::string> recordRows;   // lstTable
    std::span<const std::string> levelRows;    // lstLevel
    ImFont* listFont = nullptr;            // monospaced rows of the lists; null: the controls' font
    // The lists' selected rows (-1: none) and the rows they are to show at their top;
    // a list scrolls only when its top row changes.
    int tableSelected = -1, tableTop = 0, levelSelected = -1, levelTop = 0;
    // lblLevelPlace(0..5): even for the level table, odd for the record table (distance,
    // place, first-place name).
    std::array<std::string, 6> lblLevelPlace;
    // The two label sweeps: the height of the highlight behind the level's (0) and the
    // record table's (1) place labels, 0..615 twips.
    std::array<int, 2> labelHeights{};
    UiRect view;                           // the 3D view in window pixels
    float scale = 1;                       // window pixels per pixel of the 800 x 600 base layout
    float originX = 0, originY = 0;        // where the base layout's top-left lies in the window
};

struct MainWindowInput {
    std::vector<std::string> clicked;      // control names, e.g. "chkNew", "chkView3", "lblMin0"
    std::string hovered;                   // control the pointer moved over this frame, or empty
};

// Draws the controls (between the UI layer's NewFrame and Render).
MainWindowInput DrawMainWindow(const MainWindowView& v);

// Text colours of the main window's controls, iControlsColor 0..7 (0x00BBGGRR).
uint32_t ControlsColor(int16_t index);

// Screen rectangles of every control, for the window drag: a drag starts anywhere
// outside the 3D view and these.
const std::vector<UiRect>& ControlRects();

}  // namespace zembrol
