// The settings dialogs drawn with ImGui: the settings window (frmSettings), the
// sequence editor (frmSeq) and the file-open window (frmOpen). Thin views: they read
// the windows' controls as the windows list them (name -> text, the same the dump
// shows) and report what the player clicked, chose or slid; the application turns
// that into the windows' commands.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "loop/script_window.h"

namespace zembrol {

// What the player did in one frame of a window.
struct WindowInput {
    std::vector<std::string> clicked;                            // "optSpeed(2)", "cmdOK"
    std::vector<std::pair<std::string, std::string>> chosen;     // list -> item text
    std::vector<std::pair<std::string, int>> slid;               // slider -> value
    float x = 0, y = 0;                                          // the window's place
};

using ControlMap = std::map<std::string, std::string>;
ControlMap MapControls(const std::vector<ControlValue>& controls);

struct SettingsView {
    ControlMap values;                                    // the window's controls
    std::function<std::string(const std::string&)> text; // a text of section "fSettings"
    std::array<std::string, 8> events;                    // cmbListEvents
    std::string caption;
    bool placeKnown = false;                              // the window's last place
    float x = 0, y = 0;
    int frame = 0;                                        // tmrINet's pace
};

// One frame of frmSettings.
WindowInput DrawSettings(const SettingsView& v, float scale);

struct SeqView {
    ControlMap values;
    std::string caption, randomCaption;
    std::array<const char*, 7> masks{};   // the figures' 16-character masks
};

// One frame of frmSeq.
WindowInput DrawSeq(const SeqView& v, float scale);

struct OpenView {
    std::string caption, folder, message, cancel;
    std::vector<std::string> places, folders, files;
    int place = -1;
};

// One frame of frmOpen.
WindowInput DrawOpen(const OpenView& v, float scale);

}  // namespace zembrol
