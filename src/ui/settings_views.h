// The settings dialogs drawn with ImGui: the settings window (frmSettings), the
// sequence editor (frmSeq) and the file-open window (frmOpen). Thin views: they read
// the settings through the rows of the settings table and the rest of what a window
// shows from a typed struct the window fills, and report what the player clicked,
// chose or slid by the controls' names; the application turns that into the windows'
// commands.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "loop/script_window.h"
#include "settings/settings.h"

namespace zembrol {

// What the player did in one frame of a window.
struct WindowInput {
    std::vector<std::string> clicked;                            // "optSpeed(2)", "cmdOK"
    std::vector<std::pair<std::string, std::string>> chosen;     // list -> item text
    std::vector<std::pair<std::string, int>> slid;               // slider -> value
    float x = 0, y = 0;                                          // the window's place
};

// What frmSettings shows beside its setting rows (the window keeps it).
struct SettingsShown {
    int tab = 0;                    // tbs1
    int type = 1;                   // optType(type - 1) is on; 4 while a series is the variant
    bool seqEnabled = false;        // cmdSeq
    int fallSpeed = 0;              // cmbFallSpeed
    std::string musicLabel;         // lblFile
    std::string skinLabel;          // lblSkin
    bool graphEnabled = false;      // cmdSetGraph
    int event = 0;                  // cmbListEvents
    struct Slot {                   // fraFirstVar, fraSecondVar: the event's slots
        bool usable = false;
        bool on = false;
        int volume = 0, freq = 0;
        std::string label;
    };
    std::array<Slot, 2> slots;
    int keyWaiting = -1;            // the action of lstKeys waiting for its key
    std::string keysMessage;        // lblKeysMsg
    bool gameChanged = false;
};

struct SettingsView {
    const Settings* settings = nullptr;                   // the rows' values
    SettingsShown shown;
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
    std::vector<int> items;                // cmdDest: the sequence's figures in order
    bool random = false, randomEnabled = false;   // chkRandom
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
