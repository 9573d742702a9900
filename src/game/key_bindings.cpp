// The key table's actions, their default keys and the rebinding rule.
#include "game/key_bindings.h"

#include <algorithm>
#include <cctype>

namespace zembrol {

namespace {
constexpr std::array<KeyActionInfo, kKeyActions> kInfo = {{
    {"kMoveLeft", "Move left", 37},
    {"kMoveRight", "Move right", 39},
    {"kRotate", "Rotate", 38},
    {"kDrop", "Drop", 40},
    {"kInversia", "Inversia", 32},
    {"kTakeBack", "Take back", 13},
    {"kPause", "Pause", 27},
    {"kView1", "View 1 (main view)", 112},
    {"kView2", "View 2", 113},
    {"kView3", "View 3", 114},
    {"kView4", "View 4", 115},
    {"kView5", "View 5", 116},
    {"kView6", "View 6", 117},
    {"kView7", "View 7", 118},
    {"kMaterialEditor", "Material editor", 120},
    {"kReloadConfig", "Read the configuration", 122},
    {"kSaveConfig", "Save the configuration", 123},
    {"kDemoSpeed1", "Demo speed 1", 49},
    {"kDemoSpeed2", "Demo speed 2", 50},
    {"kDemoSpeed3", "Demo speed 3", 51},
}};
}  // namespace

const KeyActionInfo& InfoOf(KeyAction action) { return kInfo[static_cast<size_t>(action)]; }

void KeyBindings::RestoreDefaults() {
    for (size_t i = 0; i < kKeyActions; ++i) code[i] = kInfo[i].defaultCode;
}

KeyAction KeyBindings::ActionOf(int keyCode) const {
    if (keyCode == 0) return KeyAction::Count;
    for (size_t i = 0; i < kKeyActions; ++i)
        if (code[i] == keyCode) return static_cast<KeyAction>(i);
    return KeyAction::Count;
}

std::string KeyName(int c) {
    switch (c) {
        case 8: return "Backspace";
        case 9: return "Tab";
        case 13: return "Enter";
        case 27: return "Esc";
        case 32: return "Space";
        case 33: return "PageUp";
        case 34: return "PageDown";
        case 35: return "End";
        case 36: return "Home";
        case 37: return "Left";
        case 38: return "Up";
        case 39: return "Right";
        case 40: return "Down";
        case 45: return "Insert";
        case 46: return "Delete";
        default: break;
    }
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return std::string(1, static_cast<char>(c));
    if (c >= 96 && c <= 105) return "Num" + std::to_string(c - 96);
    if (c >= 112 && c <= 123) return "F" + std::to_string(c - 111);
    return "?";
}

bool BindableKey(int keyCode) { return keyCode != 0 && KeyName(keyCode) != "?"; }

int KeyCodeOfName(const std::string& name) {
    if (name.empty() || name == "?") return 0;
    for (int c = 1; c < 256; ++c) {
        const std::string known = KeyName(c);
        if (known.size() == name.size() &&
            std::equal(known.begin(), known.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return c;
    }
    return 0;
}

bool UsableTable(const KeyBindings& keys, std::string* why) {
    for (size_t i = 0; i < kKeyActions; ++i) {
        const KeyAction action = static_cast<KeyAction>(i);
        std::string fault;
        if (!BindableKey(keys[action])) fault = " has the key " + std::to_string(keys[action]) + ", which cannot be bound";
        else if (keys.ActionOf(keys[action]) != action)
            fault = " has " + KeyName(keys[action]) + ", the key of " + InfoOf(keys.ActionOf(keys[action])).configKey;
        if (!fault.empty()) {
            if (why) *why = InfoOf(action).configKey + fault;
            return false;
        }
    }
    return true;
}

RebindResult Rebind(KeyBindings& keys, KeyAction action, int keyCode, ConflictPolicy policy, std::string* message) {
    std::string text;
    RebindResult result = RebindResult::Done;
    if (action == KeyAction::Count || !BindableKey(keyCode)) {
        text = "This key cannot be bound.";
        result = RebindResult::Refused;
    } else if (const KeyAction other = keys.ActionOf(keyCode); other != KeyAction::Count && other != action) {
        const std::string owner = InfoOf(other).caption;
        if (policy == ConflictPolicy::Refuse) {
            text = KeyName(keyCode) + " is already used by \"" + owner + "\".";
            result = RebindResult::Refused;
        } else {
            keys[other] = keys[action];
            keys[action] = static_cast<int16_t>(keyCode);
            text = KeyName(keyCode) + " was used by \"" + owner + "\", which now has " + KeyName(keys[other]) + ".";
            result = RebindResult::Swapped;
        }
    } else {
        keys[action] = static_cast<int16_t>(keyCode);
    }
    if (message) *message = text;
    return result;
}

}  // namespace zembrol
