// Apply: each command leaves the journal entry a replay file has always held for it,
// and does what it stands for; commands a pass makes, or that would change nothing,
// leave no entry; commands for the program around the rules need it there.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "loop/command.h"
#include "session_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {

struct Entry {
    char letter;
    int32_t value;
    bool operator==(const Entry&) const = default;
};

class ListJournal : public Journal {
public:
    std::vector<Entry> entries;
    void Input(InputKind kind, int32_t value) override { entries.push_back({static_cast<char>(kind), value}); }
};

class ListTarget : public CommandTarget {
public:
    std::vector<std::string> calls;
    void StartNewGame() override { calls.push_back("new game"); }
    void PressPause(bool pressed) override { calls.push_back(pressed ? "pause" : "resume"); }
    void MoveCamera(int preset) override { calls.push_back("camera " + std::to_string(preset)); }
    FrameOutcome AdvanceView() override {
        calls.push_back("view frame");
        return {true};
    }
};

class CommandTest : public SessionFixture {
protected:
    ListJournal journal;
    ListTarget target;
    void SetUp() override {
        SessionFixture::SetUp();
        session.loop = LoopState{};
        journal.entries.clear();
        target.calls.clear();
        session.journal = &journal;
        session.target = &target;
        Figure(kBar, 9, 5);
        s.m_MouseCol = 9;
        s.m_FallDelay = 30000;
    }
};

}  // namespace

TEST_F(CommandTest, EachCommandIsJournaledWithItsLetterAndCarriedOut) {
    struct Case {
        const char* what;
        Command command;
        std::vector<Entry> journaled;
        std::function<bool(const Session&)> done;   // the state change it stands for
        std::vector<std::string> targetCalls;
    };
    const Case cases[] = {
        {"move right", Command::Move(2), {{'m', 2}}, [](const Session& t) { return t.state.g_FigX == 10; }, {}},
        {"rotate", Command::Rotate(), {{'r', 0}}, [](const Session& t) { return CellsToMask(t.state.g_Figs[0].Cells) != kBar; }, {}},
        {"drop", Command::Drop(), {{'d', 0}}, [](const Session& t) { return t.state.g_Dropping; }, {}},
        {"a pointer column", Command::MouseColumn(7), {{'c', 7}},
         [](const Session& t) { return t.state.g_FigX == 7 && t.state.m_MouseCol == 7; }, {}},
        {"right button down", Command::MouseButton(true, true), {{'b', 3}},
         [](const Session& t) { return t.loop.rightDown && !t.loop.leftDown; }, {}},
        {"left held", Command::HeldKey(false, true), {{'h', 1}},
         [](const Session& t) { return t.loop.keyRepeat.direction == 0 && t.state.g_FigX == 8; }, {}},
        {"demo box", Command::DemoBox(true), {{'o', 1}},
         [](const Session& t) { return t.state.chkDemo && t.state.tmrDemo && t.state.demoUsed; }, {}},
        {"demo's left", Command::DemoCommand(demo_cmd::Left), {{'a', demo_cmd::Left}},
         [](const Session& t) { return t.state.g_FigX == 8; }, {}},
        {"pause", Command::Pause(true), {{'p', 1}}, nullptr, {"pause"}},
        {"camera", Command::Camera(3), {{'v', 3}}, nullptr, {"camera 3"}},
        {"a dialog's frame", Command::Frame(), {{'f', 0}}, nullptr, {}},
        {"a window's frame", Command::WindowFrame(), {{'f', 0}}, nullptr, {"view frame"}},
        // Not in the journal: the demo's speed changes no game, a new game is on record
        // as the start of its own recording.
        {"demo speed", Command::DemoSpeed(2), {}, nullptr, {}},
        {"new game", Command::NewGame(), {}, nullptr, {"new game"}},
        // Made by a pass from buttons or a key already on record.
        {"the click latch's drop", Command::Drop().FromPass(), {}, [](const Session& t) { return t.state.g_Dropping; }, {}},
        {"a repeat move", Command::Move(0).FromPass(), {}, [](const Session& t) { return t.state.g_FigX == 8; }, {}},
        // Nothing the rules would look at: neither kept nor carried out.
        {"the same column", Command::MouseColumn(9), {}, [](const Session& t) { return t.state.g_MovesFig == 0; }, {}},
        {"a key up not held", Command::HeldKey(true, false), {}, nullptr, {}},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_TRUE(Apply(session, c.command)) << c.what;
        EXPECT_EQ(journal.entries, c.journaled) << c.what;
        if (c.done) {
            EXPECT_TRUE(c.done(session)) << c.what;
        }
        EXPECT_EQ(target.calls, c.targetCalls) << c.what;
    }
}

TEST_F(CommandTest, ThePointerWhilePausedAndAReleasedKeyAreNotKept) {
    s.g_Running = false;
    Apply(session, Command::MouseColumn(7));
    EXPECT_EQ(s.m_MouseCol, 9);
    s.g_Running = true;
    cfg.bOwnRepeat = true;
    Apply(session, Command::HeldKey(true, true));
    Apply(session, Command::HeldKey(false, false));   // the other key: Right stays held
    EXPECT_EQ(session.loop.keyRepeat.direction, 2);
    Apply(session, Command::HeldKey(true, false));
    EXPECT_EQ(session.loop.keyRepeat.direction, -1);
    EXPECT_EQ(journal.entries, (std::vector<Entry>{{'h', 3}, {'h', 2}}));
}

TEST_F(CommandTest, WithoutTheProgramAroundTheRulesItsCommandsAreRefusedAndNotKept) {
    session.target = nullptr;
    for (const Command& c : {Command::NewGame(), Command::Pause(true), Command::Camera(2), Command::WindowFrame()})
        EXPECT_FALSE(Apply(session, c)) << static_cast<int>(c.kind);
    EXPECT_TRUE(journal.entries.empty());
    EXPECT_TRUE(Apply(session, Command::Rotate()));
}

TEST(CommandJournal, EveryLetterOfAReplayFileIsTheCommandThatWritesIt) {
    // The letters replay files have always held; a setting's change is a line of its own.
    for (char letter : std::string("mrditcbhpoavf")) {
        Command c;
        ASSERT_TRUE(CommandOfJournal(static_cast<InputKind>(letter), 5, &c)) << letter;
        EXPECT_EQ(c.value, 5);
        InputKind back;
        ASSERT_TRUE(JournalKindOf(c.kind, &back)) << letter;
        EXPECT_EQ(static_cast<char>(back), letter);
    }
    Command c;
    for (char letter : std::string("sxM\0", 4)) EXPECT_FALSE(CommandOfJournal(static_cast<InputKind>(letter), 0, &c)) << letter;
}
