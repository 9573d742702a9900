// Key table. Move, rotate and drop are the rules' commands; each checks its own
// conditions (drop, pause, walls), so a key is never filtered here beyond modifiers.
#include "loop/key_commands.h"

#include <string>

#include "game/moves.h"
#include "loop/command.h"

namespace zembrol {

namespace {

KeyOutcome Ran(bool handled) { return handled ? KeyOutcome::Done : KeyOutcome::NotSupported; }

}  // namespace

int KeyCodeFromName(std::string_view name) { return KeyCodeOfName(std::string(name)); }

KeyOutcome OnKeyDown(Session& s, const KeyPress& key, WindowCommands& window) {
    if (key.alt && key.code == vk::F4 && !key.shift && !key.ctrl) return Ran(window.CloseMainWindow());
    if (key.shift || key.ctrl || key.alt) return KeyOutcome::Ignored;
    const KeyAction action = s.settings.keys.ActionOf(key.code);
    switch (action) {
        case KeyAction::MoveLeft:
        case KeyAction::MoveRight: {
            const bool right = action == KeyAction::MoveRight;
            if (!s.settings.bOwnRepeat) Apply(s, Command::Move(right ? 2 : 0));
            // The system's repeat is ignored: the passes repeat the key.
            else if (!key.repeat) Apply(s, Command::HeldKey(right, true));
            return KeyOutcome::Done;
        }
        case KeyAction::Rotate: Apply(s, Command::Rotate()); return KeyOutcome::Done;
        case KeyAction::Drop: Apply(s, Command::Drop()); return KeyOutcome::Done;
        case KeyAction::Inversia: Apply(s, Command::Inversia()); return KeyOutcome::Done;
        case KeyAction::TakeBack: Apply(s, Command::TakeBack()); return KeyOutcome::Done;
        case KeyAction::Pause: return Ran(window.EscPause());
        case KeyAction::MaterialEditor: return Ran(window.OpenMaterialEditor());
        case KeyAction::ReloadConfiguration: return Ran(window.ReloadConfiguration());
        case KeyAction::SaveConfiguration: return Ran(window.SaveConfiguration());
        case KeyAction::DemoSpeed1: case KeyAction::DemoSpeed2: case KeyAction::DemoSpeed3:
            Apply(s, Command::DemoSpeed(static_cast<int>(action) - static_cast<int>(KeyAction::DemoSpeed1) + 1));
            return KeyOutcome::Done;
        case KeyAction::Count: return KeyOutcome::Ignored;
        default:
            return Ran(Apply(s, Command::Camera(static_cast<int>(action) - static_cast<int>(KeyAction::View1) + 1)));
    }
}

void OnKeyUp(Session& s, int code) {
    const KeyAction action = s.settings.keys.ActionOf(code);
    if (action == KeyAction::MoveLeft) Apply(s, Command::HeldKey(false, false));
    if (action == KeyAction::MoveRight) Apply(s, Command::HeldKey(true, false));
}

void HeldKeyChanged(Session& s, bool right, bool down) {
    if (!down) {
        s.loop.keyRepeat = KeyRepeat{};
        return;
    }
    const int direction = right ? 2 : 0;
    s.loop.keyRepeat = KeyRepeat{direction, 0, 0};
    CmdMove(s.game, direction);
}

void KeyRepeatPass(Session& s) {
    KeyRepeat& r = s.loop.keyRepeat;
    if (r.direction < 0) return;
    if (!s.settings.bOwnRepeat) {
        r = KeyRepeat{};
        return;
    }
    r.heldMs += s.settings.g_TickMs;
    const int32_t due = RepeatsDue(r.heldMs, s.settings.iRepeatDelay, s.settings.iRepeatRate);
    // The key's down is on record: a replay's passes repeat it the same.
    for (; r.fired < due; ++r.fired) Apply(s, Command::Move(r.direction).FromPass());
}

}  // namespace zembrol
