// Key table. Move, rotate and drop are the rules' commands; each checks its own
// conditions (drop, pause, walls), so a key is never filtered here beyond modifiers.
#include "loop/key_commands.h"

#include <string>

#include "game/bonuses.h"
#include "game/moves.h"
#include "loop/demo_control.h"

namespace zembrol {

namespace {

KeyOutcome Ran(bool handled) { return handled ? KeyOutcome::Done : KeyOutcome::NotSupported; }

}  // namespace

int KeyCodeFromName(std::string_view name) { return KeyCodeOfName(std::string(name)); }

KeyOutcome OnKeyDown(Session& s, const KeyPress& key, WindowCommands& window) {
    if (key.alt && key.code == vk::F4 && !key.shift && !key.ctrl) return Ran(window.CloseMainWindow());
    if (key.shift || key.ctrl || key.alt) return KeyOutcome::Ignored;
    const KeyAction action = s.settings.keys.ActionOf(key.code);
    const bool ownRepeat = s.settings.bOwnRepeat;
    switch (action) {
        case KeyAction::MoveLeft:
        case KeyAction::MoveRight: {
            const int direction = action == KeyAction::MoveLeft ? 0 : 2;
            if (!ownRepeat) {
                s.Note(InputKind::Move, direction);
                CmdMove(s.game, direction);
            } else if (!key.repeat) {
                // The system's repeat is ignored: the passes repeat the key.
                HeldKeyDown(s, direction);
            }
            return KeyOutcome::Done;
        }
        case KeyAction::Rotate: s.Note(InputKind::Rotate); CmdRotate(s.game); return KeyOutcome::Done;
        case KeyAction::Drop: s.Note(InputKind::Drop); CmdDrop(s.game); return KeyOutcome::Done;
        case KeyAction::Inversia: s.Note(InputKind::Inversia); CmdInversia(s.game); return KeyOutcome::Done;
        case KeyAction::TakeBack: s.Note(InputKind::TakeBack); TakeBackFigure(s.game); return KeyOutcome::Done;
        case KeyAction::Pause: return Ran(window.EscPause());
        case KeyAction::MaterialEditor: return Ran(window.OpenMaterialEditor());
        case KeyAction::ReloadConfiguration: return Ran(window.ReloadConfiguration());
        case KeyAction::SaveConfiguration: return Ran(window.SaveConfiguration());
        case KeyAction::DemoSpeed1: case KeyAction::DemoSpeed2: case KeyAction::DemoSpeed3:
            DemoSpeedKey(s, static_cast<int>(action) - static_cast<int>(KeyAction::DemoSpeed1) + 1);
            return KeyOutcome::Done;
        case KeyAction::Count: return KeyOutcome::Ignored;
        default:
            return Ran(window.CameraPreset(static_cast<int>(action) - static_cast<int>(KeyAction::View1) + 1));
    }
}

void OnKeyUp(Session& s, int code) {
    const KeyAction action = s.settings.keys.ActionOf(code);
    if (action == KeyAction::MoveLeft) HeldKeyUp(s, 0);
    if (action == KeyAction::MoveRight) HeldKeyUp(s, 2);
}

void HeldKeyDown(Session& s, int direction) {
    s.Note(InputKind::HeldKey, direction + 1);
    s.loop.keyRepeat = KeyRepeat{direction, 0, 0};
    CmdMove(s.game, direction);
}

void HeldKeyUp(Session& s, int direction) {
    if (s.loop.keyRepeat.direction != direction) return;
    s.Note(InputKind::HeldKey, direction);
    s.loop.keyRepeat = KeyRepeat{};
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
    for (; r.fired < due; ++r.fired) CmdMove(s.game, r.direction);
}

}  // namespace zembrol
