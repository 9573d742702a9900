// Apply: the journal entry of each command and what the command does — the rules'
// commands, the mouse and key state the passes read, the demo, and the host's part.
#include "loop/command.h"

#include "game/bonuses.h"
#include "game/moves.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "loop/key_commands.h"
#include "loop/mouse_commands.h"
#include "loop/session.h"

namespace zembrol {

namespace {

// The journal's letters. Both kinds of frame are one letter: what the rules see of
// them is the same, and a replay advances the whole scene.
struct JournalRow {
    CommandKind kind;
    InputKind letter;
};
constexpr JournalRow kJournal[] = {
    {CommandKind::Move, InputKind::Move},
    {CommandKind::Rotate, InputKind::Rotate},
    {CommandKind::Drop, InputKind::Drop},
    {CommandKind::Inversia, InputKind::Inversia},
    {CommandKind::TakeBack, InputKind::TakeBack},
    {CommandKind::MouseColumn, InputKind::MouseColumn},
    {CommandKind::MouseButton, InputKind::MouseButton},
    {CommandKind::HeldKey, InputKind::HeldKey},
    {CommandKind::Pause, InputKind::Pause},
    {CommandKind::DemoBox, InputKind::DemoBox},
    {CommandKind::DemoCommand, InputKind::DemoCommand},
    {CommandKind::Camera, InputKind::Camera},
    {CommandKind::Frame, InputKind::Frame},
    {CommandKind::WindowFrame, InputKind::Frame},
};

bool NeedsTarget(CommandKind kind) {
    return kind == CommandKind::NewGame || kind == CommandKind::Pause || kind == CommandKind::Camera ||
           kind == CommandKind::WindowFrame;
}

// False for a command that would change nothing the rules look at: it is not kept.
bool Takes(const Session& s, const Command& c) {
    switch (c.kind) {
        case CommandKind::MouseColumn:
            // The pointer's every pixel is not kept, only a column the rules would look at.
            return s.state.g_Running && c.value != s.state.m_MouseCol;
        case CommandKind::HeldKey:
            return (c.value & 1) != 0 || s.loop.keyRepeat.direction == (c.value >= 2 ? 2 : 0);
        default:
            return true;
    }
}

void CarryOut(Session& s, const Command& c) {
    switch (c.kind) {
        case CommandKind::Move: CmdMove(s.game, c.value == 0 ? 0 : 2); break;
        case CommandKind::Rotate: CmdRotate(s.game); break;
        case CommandKind::Drop: CmdDrop(s.game); break;
        case CommandKind::Inversia: CmdInversia(s.game); break;
        case CommandKind::TakeBack: TakeBackFigure(s.game); break;
        case CommandKind::MouseColumn: MouseColumnReached(s, c.value); break;
        case CommandKind::MouseButton: MouseButtonChanged(s, c.value >= 2, (c.value & 1) != 0); break;
        case CommandKind::HeldKey: HeldKeyChanged(s, c.value >= 2, (c.value & 1) != 0); break;
        case CommandKind::Pause: s.target->PressPause(c.value != 0); break;
        case CommandKind::DemoBox: PressDemoBox(s, c.value != 0); break;
        case CommandKind::DemoCommand: DemoCommand(s, c.value); break;
        case CommandKind::DemoSpeed: DemoSpeedKey(s, c.value); break;
        case CommandKind::Camera: s.target->MoveCamera(c.value); break;
        case CommandKind::Frame: AdvanceFrame(s); break;
        case CommandKind::WindowFrame: ApplyFrameOutcome(s.state, s.target->AdvanceView()); break;
        case CommandKind::NewGame: s.target->StartNewGame(); break;
    }
}

}  // namespace

bool JournalKindOf(CommandKind kind, InputKind* journalKind) {
    for (const JournalRow& row : kJournal)
        if (row.kind == kind) {
            *journalKind = row.letter;
            return true;
        }
    return false;
}

bool CommandOfJournal(InputKind journalKind, int32_t value, Command* out) {
    for (const JournalRow& row : kJournal)
        if (row.letter == journalKind) {
            *out = Command{row.kind, value};
            return true;
        }
    return false;
}

bool Apply(Session& s, const Command& c) {
    if (NeedsTarget(c.kind) && !s.target) return false;
    if (!Takes(s, c)) return true;
    InputKind letter;
    if (s.journal && !c.fromPass && JournalKindOf(c.kind, &letter)) s.journal->Input(letter, c.value);
    CarryOut(s, c);
    return true;
}

}  // namespace zembrol
