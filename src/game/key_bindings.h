// KeyBindings: which key (virtual-key number) runs each action of the main window's
// key table. Plain data the configuration stores and the Keys tab edits; the loop's
// key handler reads it. Alt+F4 is not an action here: it always closes the window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zembrol {

enum class KeyAction : uint8_t {
    MoveLeft, MoveRight, Rotate, Drop, Inversia, TakeBack, Pause,
    View1, View2, View3, View4, View5, View6, View7,
    MaterialEditor, ReloadConfiguration, SaveConfiguration,
    DemoSpeed1, DemoSpeed2, DemoSpeed3,
    Count
};
inline constexpr size_t kKeyActions = static_cast<size_t>(KeyAction::Count);

struct KeyActionInfo {
    const char* configKey;   // the configuration key that stores its code
    const char* caption;     // what the Keys tab shows
    int16_t defaultCode;     // the key of the original table
};
const KeyActionInfo& InfoOf(KeyAction action);

struct KeyBindings {
    std::array<int16_t, kKeyActions> code{};
    KeyBindings() { RestoreDefaults(); }
    void RestoreDefaults();
    int16_t& operator[](KeyAction a) { return code[static_cast<size_t>(a)]; }
    int16_t operator[](KeyAction a) const { return code[static_cast<size_t>(a)]; }
    // The action a key runs; Count when none.
    KeyAction ActionOf(int keyCode) const;
    bool operator==(const KeyBindings&) const = default;
};

// A key that can be bound: a named key of KeyName, not Alt's F4 alone (kept for closing
// would be confusing) and not 0.
bool BindableKey(int keyCode);
// "Left", "F5", "A", "7", ... for a virtual-key number; "?" for one without a name.
std::string KeyName(int keyCode);
// The virtual-key number of a KeyName (any letter case); 0 for no such name.
int KeyCodeOfName(const std::string& name);
// A table the keys can run: every key bindable and none on two actions. False with
// the first fault found.
bool UsableTable(const KeyBindings& keys, std::string* why);

enum class RebindResult {
    Done,        // the action has the key now
    Swapped,     // the key's old action took the action's old key
    Refused,     // the key is taken (policy Refuse) or cannot be bound; nothing changed
};
enum class ConflictPolicy { Swap, Refuse };

// Binds `keyCode` to `action`; `message` tells the player what happened when it was
// not a plain change.
RebindResult Rebind(KeyBindings& keys, KeyAction action, int keyCode, ConflictPolicy policy, std::string* message);

}  // namespace zembrol
