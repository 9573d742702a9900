// Keyboard and mouse: the key table with its modifier rule, the mouse column, and one
// command per click.
#include <gtest/gtest.h>

#include "loop/general_loop.h"
#include "loop/key_commands.h"
#include "loop/mouse_commands.h"
#include "session_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {

class RecordingWindow : public WindowCommands {
public:
    std::vector<std::string> calls;
    bool EscPause() override { return Add("EscPause"); }
    bool OpenMaterialEditor() override { return Add("OpenMaterialEditor"); }
    bool ReloadConfiguration() override { return Add("ReloadConfiguration"); }
    bool SaveConfiguration() override { return Add("SaveConfiguration"); }
    bool CloseMainWindow() override { return Add("CloseMainWindow"); }

private:
    bool Add(std::string c) {
        calls.push_back(std::move(c));
        return true;
    }
};

}  // namespace

// The camera keys are game input: they reach the program as Camera commands.
class CameraTarget : public CommandTarget {
public:
    std::vector<int> presets;
    void StartNewGame() override {}
    void MoveCamera(int preset) override { presets.push_back(preset); }
};

class KeyTest : public SessionFixture {
protected:
    RecordingWindow window;
    CameraTarget target;
    void SetUp() override {
        SessionFixture::SetUp();
        session.target = &target;
    }
    KeyOutcome Press(const char* name, bool shift = false, bool ctrl = false, bool alt = false) {
        KeyPress k{KeyCodeFromName(name), shift, ctrl, alt};
        EXPECT_NE(k.code, 0) << name;
        return OnKeyDown(session, k, window);
    }
};

TEST_F(KeyTest, GameKeysRunTheirCommands) {
    Figure(kBar, 9, 5);
    EXPECT_EQ(Press("Left"), KeyOutcome::Done);
    EXPECT_EQ(s.g_FigX, 8);
    Press("Right");
    Press("Right");
    EXPECT_EQ(s.g_FigX, 10);
    Press("Up");
    EXPECT_EQ(Mask(), "0100010001000100");
    Press("Down");
    EXPECT_TRUE(s.g_Dropping);
    Press("Down");
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_EQ(s.g_MovesFig, 5);  // three moves, a rotation, a drop; the cancel is not counted
    EXPECT_TRUE(window.calls.empty());
}

TEST_F(KeyTest, HoldingLeftMovesOncePerRepeatUntilTheWall) {
    Figure(kBar, 9, 5);
    for (int k = 0; k < 12; ++k) Press("Left");
    EXPECT_EQ(s.g_FigX, 3);  // the bar's cells stand in column 4
    EXPECT_EQ(s.g_MovesFig, 6);
}

TEST_F(KeyTest, AnyModifierIgnoresTheKeyExceptAltF4) {
    Figure(kBar, 9, 5);
    struct Case { const char* key; bool shift, ctrl, alt; };
    for (const Case& c : {Case{"Left", true, false, false}, Case{"Right", false, true, false},
                          Case{"Down", false, false, true}, Case{"F1", true, false, false},
                          Case{"F4", true, false, true}, Case{"Esc", false, true, false}})
        EXPECT_EQ(Press(c.key, c.shift, c.ctrl, c.alt), KeyOutcome::Ignored) << c.key;
    EXPECT_EQ(s.g_FigX, 9);
    EXPECT_FALSE(s.g_Dropping);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(Press("F4", false, false, true), KeyOutcome::Done);
    EXPECT_EQ(window.calls, std::vector<std::string>{"CloseMainWindow"});
}

TEST_F(KeyTest, WindowKeysGoToTheWindowAndCameraKeysToTheCamera) {
    for (const char* k : {"Esc", "F1", "F4", "F7", "F8", "F9", "F10", "F11", "F12", "1", "2", "3"}) Press(k);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"EscPause", "OpenMaterialEditor", "ReloadConfiguration",
                                                      "SaveConfiguration"}));
    EXPECT_EQ(target.presets, (std::vector<int>{1, 4, 7}));
    EXPECT_EQ(Press("F8"), KeyOutcome::Ignored);
    WindowCommands none;
    EXPECT_EQ(OnKeyDown(session, KeyPress{vk::Esc}, none), KeyOutcome::NotSupported);
    session.target = nullptr;
    EXPECT_EQ(Press("F2"), KeyOutcome::NotSupported);
}

TEST(KeyNames, NamesToCodes) {
    struct Case { const char* name; int code; };
    for (const Case& c : {Case{"Left", 37}, Case{"right", 39}, Case{"UP", 38}, Case{"Down", 40}, Case{"Space", 32},
                          Case{"Enter", 13}, Case{"Esc", 27}, Case{"F1", 112}, Case{"F12", 123}, Case{"1", 49},
                          Case{"3", 51}, Case{"F13", 0}, Case{"F0", 0}, Case{"F01", 0}, Case{"", 0},
                          // Every key a player can bind has a name a script can press.
                          Case{"4", 52}, Case{"Tab", 9}, Case{"w", 87}, Case{"Num4", 100}, Case{"PrintScreen", 0}})
        EXPECT_EQ(KeyCodeFromName(c.name), c.code) << c.name;
}

TEST(MouseColumnRule, PixelsToColumns) {
    struct Case { double x, scale; int col; };
    // 15 twips per pixel, 250 twips per column: a column is 16.67 base pixels wide.
    for (const Case& c : {Case{0, 1, 1}, Case{16.6, 1, 1}, Case{16.7, 1, 2}, Case{100, 1, 7}, Case{300, 1, 19},
                          Case{33.4, 2, 2}, Case{33.2, 2, 1}, Case{200, 2, 7}})
        EXPECT_EQ(MouseColumn(c.x, c.scale), c.col) << c.x << " at scale " << c.scale;
}

class MouseTest : public SessionFixture {};

TEST_F(MouseTest, MovingThePointerMovesTheFigureToAnAllowedColumn) {
    Figure(kBar, 9, 5);
    s.m_MouseCol = 9;
    OnMouseMove(session, 100, 40);  // column 7
    EXPECT_EQ(s.g_FigX, 7);
    EXPECT_EQ(s.m_MouseCol, 7);
    EXPECT_EQ(s.g_MovesFig, 1);
    OnMouseMove(session, 105, 40);  // still column 7
    EXPECT_EQ(s.g_MovesFig, 1);
    for (int r = 0; r <= 30; ++r) s.g_Pole[12][r] = true;
    OnMouseMove(session, 250, 40);  // column 16: the path crosses column 12
    EXPECT_EQ(s.g_FigX, 7);
    EXPECT_EQ(s.m_MouseCol, 7);
}

TEST_F(MouseTest, DuringADropThePointerOnlyRecordsTheColumn) {
    Figure(kBar, 9, 5);
    s.g_Dropping = true;
    OnMouseMove(session, 200, 40);  // column 13
    EXPECT_EQ(s.m_MouseCol, 13);
    EXPECT_EQ(s.g_FigX, 9);
    EXPECT_EQ(s.g_MovesFig, 0);
}

TEST_F(MouseTest, WhilePausedThePointerDoesNothing) {
    Figure(kBar, 9, 5);
    s.g_Running = false;
    OnMouseMove(session, 100, 40);
    EXPECT_EQ(s.g_FigX, 9);
    EXPECT_EQ(s.m_MouseCol, 9);
}

TEST_F(MouseTest, OneClickGivesOneCommand) {
    struct Case { bool rightButtonSetting; bool right; bool wantDrop; };
    for (const Case& c : {Case{true, false, false}, Case{true, true, true}, Case{false, false, true},
                          Case{false, true, false}}) {
        Figure(kBar, 9, 5);
        s.g_MovesFig = 0;
        s.g_Dropping = false;
        s.g_DropArmed = true;
        cfg.bRightButton = c.rightButtonSetting;
        OnMouseButton(session, c.right, true);
        for (int k = 0; k < 3; ++k) LoopPass(session);  // held down: still one command
        EXPECT_EQ(s.g_Dropping, c.wantDrop);
        EXPECT_EQ(Mask() != kBar, !c.wantDrop);
        EXPECT_EQ(s.g_MovesFig, 1);
        OnMouseButton(session, c.right, false);
        OnMouseButton(session, c.right, true);
        LoopPass(session);
        EXPECT_EQ(s.g_MovesFig, c.wantDrop ? 1 : 2);  // a second drop click cancels (not counted)
        if (c.wantDrop) {
            EXPECT_FALSE(s.g_Dropping);
        }
        OnMouseButton(session, c.right, false);
    }
}

TEST_F(MouseTest, BothButtonsGiveTheRightButtonCommandOnce) {
    Figure(kBar, 9, 5);
    cfg.bRightButton = true;
    OnMouseButton(session, false, true);
    OnMouseButton(session, true, true);
    LoopPass(session);
    LoopPass(session);
    EXPECT_TRUE(s.g_Dropping);
    EXPECT_EQ(Mask(), kBar);
    EXPECT_EQ(s.g_MovesFig, 1);
}

TEST_F(MouseTest, ClicksWaitWhilePaused) {
    Figure(kBar, 9, 5);
    s.g_Running = false;
    OnMouseButton(session, true, true);
    LoopPass(session);
    EXPECT_FALSE(s.g_Dropping);
    s.g_Running = true;
    LoopPass(session);  // the latch was kept: the held button acts now
    EXPECT_TRUE(s.g_Dropping);
}
