// Keyboard: the key-down table of the main window. Game keys (moves, rotation, drop,
// Inversia, take-back, the camera views, keys 1-3 for the demo's speed) become
// Commands (command.h); window keys (pause, configuration, material editor, close)
// go to the WindowCommands the host implements. Key codes are the virtual-key numbers the key
// table uses; the platform layer maps its own key symbols onto them.
#pragma once

#include <string_view>

#include "loop/session.h"

namespace zembrol {

namespace vk {
inline constexpr int Enter = 13, Esc = 27, Space = 32;
inline constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
inline constexpr int Digit1 = 49, Digit2 = 50, Digit3 = 51;
inline constexpr int F1 = 112, F4 = 115, F7 = 118, F9 = 120, F11 = 122, F12 = 123;
}  // namespace vk

struct KeyPress {
    int code = 0;
    bool shift = false, ctrl = false, alt = false;
    bool repeat = false;   // the system's auto-repeat of a held key
};

// "Left", "F5", "1", "W", ... (any letter case, the names of KeyName) to a key code;
// 0 for an unknown name.
int KeyCodeFromName(std::string_view name);

// Window actions reached from the key table. Each returns false when the host has
// no such action (yet).
class WindowCommands {
public:
    virtual ~WindowCommands() = default;
    // Esc: set the Esc-pause flag and toggle the pause button (a Pause command).
    virtual bool EscPause() { return false; }
    // F9: the material editor (not modal).
    virtual bool OpenMaterialEditor() { return false; }
    // F11 / F12: read / save the whole configuration.
    virtual bool ReloadConfiguration() { return false; }
    virtual bool SaveConfiguration() { return false; }
    // Alt+F4: close the main window.
    virtual bool CloseMainWindow() { return false; }
};

enum class KeyOutcome {
    Done,          // the key's action ran (or the command refused itself, as the rules say)
    Ignored,       // a modifier was held, or the key has no action
    NotSupported,  // the action belongs to a part of the game that is not there yet
};

// Dispatches through the player's key bindings (settings.keys).
KeyOutcome OnKeyDown(Session& s, const KeyPress& key, WindowCommands& window);
// A key went up: ends the game's own repeat of a held Left/Right.
void OnKeyUp(Session& s, int code);

// Once per pass, before the pass's other input: the own repeat's moves that came due.
void KeyRepeatPass(Session& s);

// What the HeldKey command does once Apply has journaled it: with the game's own
// repeat (settings.bOwnRepeat), a held Left/Right pressed (one move at once) or released.
void HeldKeyChanged(Session& s, bool right, bool down);

}  // namespace zembrol
