// Command: one input that reaches the game, whoever gave it — a key, the mouse, a
// gamepad, the demo's timer, a window button or a replay — and Apply, the one way an
// input is journaled and carried out. The letter each command has in the journal (and
// so in a replay file) is kept here, beside the command, and nowhere else.
#pragma once

#include <cstdint>

#include "game/frame_outcome.h"
#include "loop/journal.h"

namespace zembrol {

class Session;

enum class CommandKind : uint8_t {
    Move,          // value 0 left, 2 right
    Rotate,
    Drop,
    Inversia,
    TakeBack,
    MouseColumn,   // the pointer reached a column (value) while a game runs
    MouseButton,   // value 2 x right + down
    HeldKey,       // the game's own repeat: value 2 x right + down for Left/Right
    Pause,         // the pause button, value 1 pressed / 0 released
    DemoBox,       // the demo box, value 1 pressed / 0 released
    DemoCommand,   // one command of the demo's plan, value = dem_GotoMove's code
    DemoSpeed,     // keys 1, 2, 3: the demo's speed (value 1..3)
    Camera,        // a camera view preset, value 1..7
    Frame,         // the scene advanced without a pass (a modal dialog is open)
    WindowFrame,   // the same under one of the game's own windows: the music's fade holds
    NewGame,       // a new game (or series) starts
};

struct Command {
    CommandKind kind = CommandKind::Rotate;
    int32_t value = 0;
    // Made by a pass from input already on record (the click latch, the own key
    // repeat): the journal has its cause, and a replay makes it again the same way.
    bool fromPass = false;

    static Command Move(int direction) { return {CommandKind::Move, direction}; }
    static Command Rotate() { return {CommandKind::Rotate}; }
    static Command Drop() { return {CommandKind::Drop}; }
    static Command Inversia() { return {CommandKind::Inversia}; }
    static Command TakeBack() { return {CommandKind::TakeBack}; }
    static Command MouseColumn(int column) { return {CommandKind::MouseColumn, column}; }
    static Command MouseButton(bool right, bool down) { return {CommandKind::MouseButton, (right ? 2 : 0) + (down ? 1 : 0)}; }
    static Command HeldKey(bool right, bool down) { return {CommandKind::HeldKey, (right ? 2 : 0) + (down ? 1 : 0)}; }
    static Command Pause(bool pressed) { return {CommandKind::Pause, pressed ? 1 : 0}; }
    static Command DemoBox(bool pressed) { return {CommandKind::DemoBox, pressed ? 1 : 0}; }
    static Command DemoCommand(int code) { return {CommandKind::DemoCommand, code}; }
    static Command DemoSpeed(int key) { return {CommandKind::DemoSpeed, key}; }
    static Command Camera(int preset) { return {CommandKind::Camera, preset}; }
    static Command Frame() { return {CommandKind::Frame}; }
    static Command WindowFrame() { return {CommandKind::WindowFrame}; }
    static Command NewGame() { return {CommandKind::NewGame}; }
    Command FromPass() const {
        Command c = *this;
        c.fromPass = true;
        return c;
    }
    bool operator==(const Command&) const = default;
};

// What some commands need of the program around the rules: the game start with its
// one-time set-up, the pause button with its sound and window, the camera, and the
// scene under a window. A session without one cannot carry those commands out.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual void StartNewGame() = 0;
    virtual void PressPause(bool pressed) { (void)pressed; }
    virtual void MoveCamera(int preset) { (void)preset; }
    // The camera, the effects and the music's fade-in advance one frame under a window;
    // what the game must hear of it.
    // Nothing flies without a view, so a flight's wait ends at once.
    virtual FrameOutcome AdvanceView() { return {true}; }
};

// Journals the command (unless a pass made it) through the session's Journal, then
// carries it out. A pointer column the rules would not look at, and the release of a
// key that is not held, are neither journaled nor carried out. False when the command
// needs a CommandTarget and the session has none: nothing happened.
bool Apply(Session& s, const Command& c);

// The journal's letter of a command; false for one the journal does not keep (the
// demo's speed, a new game).
bool JournalKindOf(CommandKind kind, InputKind* journalKind);
// The command a journal entry stands for; false for a letter that is no command
// (a setting's change, or a letter no version wrote).
bool CommandOfJournal(InputKind journalKind, int32_t value, Command* out);

}  // namespace zembrol
