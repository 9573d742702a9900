// Key table. Move, rotate and drop are the rules' commands; each checks its own
// conditions (drop, pause, walls), so a key is never filtered here beyond modifiers.
#include "loop/key_commands.h"

#include <array>
#include <cctype>
#include <string>

#include "game/bonuses.h"
#include "game/moves.h"
#include "loop/demo_control.h"

namespace zembrol {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

KeyOutcome Ran(bool handled) { return handled ? KeyOutcome::Done : KeyOutcome::NotSupported; }

}  // namespace

int KeyCodeFromName(std::string_view name) {
    struct Named { std::string_view name; int code; };
    static constexpr std::array<Named, 10> kNames = {{
        {"Left", vk::Left}, {"Right", vk::Right}, {"Up", vk::Up}, {"Down", vk::Down},
        {"Space", vk::Space}, {"Enter", vk::Enter}, {"Esc", vk::Esc},
        {"1", vk::Digit1}, {"2", vk::Digit2}, {"3", vk::Digit3}}};
    for (const Named& n : kNames)
        if (SameName(name, n.name)) return n.code;
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
        int f = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            f = f * 10 + (c - '0');
        }
        if (f >= 1 && f <= 12 && name[1] != '0') return vk::F1 + f - 1;
    }
    return 0;
}

KeyOutcome OnKeyDown(Session& s, const KeyPress& key, WindowCommands& window) {
    if (key.alt && key.code == vk::F4 && !key.shift && !key.ctrl) return Ran(window.CloseMainWindow());
    if (key.shift || key.ctrl || key.alt) return KeyOutcome::Ignored;
    switch (key.code) {
        case vk::Left: CmdMove(s.game, 0); return KeyOutcome::Done;
        case vk::Right: CmdMove(s.game, 2); return KeyOutcome::Done;
        case vk::Up: CmdRotate(s.game); return KeyOutcome::Done;
        case vk::Down: CmdDrop(s.game); return KeyOutcome::Done;
        case vk::Space: CmdInversia(s.game); return KeyOutcome::Done;
        case vk::Enter: TakeBackFigure(s.game); return KeyOutcome::Done;
        case vk::Esc: return Ran(window.EscPause());
        case vk::F9: return Ran(window.OpenMaterialEditor());
        case vk::F11: return Ran(window.ReloadConfiguration());
        case vk::F12: return Ran(window.SaveConfiguration());
        case vk::Digit1: case vk::Digit2: case vk::Digit3:
            DemoSpeedKey(s, key.code - vk::Digit1 + 1);
            return KeyOutcome::Done;
        default:
            if (key.code >= vk::F1 && key.code <= vk::F7) return Ran(window.CameraPreset(key.code - vk::F1 + 1));
            return KeyOutcome::Ignored;
    }
}

}  // namespace zembrol
