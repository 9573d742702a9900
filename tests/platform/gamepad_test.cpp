// Gamepads: a virtual pad plugged in through SDL drives the game's keys and window
// commands; a held direction repeats at the keyboard's pace and stops on release.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/events.h"
#include "platform/gamepad.h"

using namespace zembrol::platform;

TEST(PadRepeat, FirstRepeatAfterTheDelayThenAtTheInterval) {
    PadRepeat r;
    r.Press(37, 1000);
    EXPECT_TRUE(r.Due(1000 + PadRepeat::kDelayMs - 1).empty());
    EXPECT_EQ(r.Due(1000 + PadRepeat::kDelayMs), std::vector<int>{37});
    EXPECT_TRUE(r.Due(1000 + PadRepeat::kDelayMs + 10).empty());
    // A late look repeats once, never a pile of repeats.
    EXPECT_EQ(r.Due(1000 + PadRepeat::kDelayMs + 5 * PadRepeat::kIntervalMs), std::vector<int>{37});
    r.Release(37);
    EXPECT_TRUE(r.Due(100000).empty());
}

class VirtualPad : public ::testing::Test {
protected:
    void SetUp() override {
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) != 0) GTEST_SKIP() << SDL_GetError();
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        if (index < 0) GTEST_SKIP() << "no virtual joystick: " << SDL_GetError();
        joystick_ = SDL_JoystickOpen(index);
        ASSERT_NE(joystick_, nullptr) << SDL_GetError();
        Pump();   // the pad plugged in is opened as a game controller
    }
    void TearDown() override {
        if (joystick_) SDL_JoystickClose(joystick_);
        CloseGamepads();
        SDL_JoystickDetachVirtual(0);
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS);
    }
    std::vector<InputEvent> Pump() {
        std::vector<InputEvent> got;
        SDL_JoystickUpdate();
        PumpEvents(0, [&](const InputEvent& e) { got.push_back(e); });
        return got;
    }
    std::vector<InputEvent> Press(SDL_GameControllerButton b) {
        SDL_JoystickSetVirtualButton(joystick_, b, 1);
        std::vector<InputEvent> got = Pump();
        SDL_JoystickSetVirtualButton(joystick_, b, 0);
        Pump();
        return got;
    }
    SDL_Joystick* joystick_ = nullptr;
};

TEST_F(VirtualPad, ButtonsBecomeTheGamesKeysAndCommands) {
    struct Case { SDL_GameControllerButton button; int vk; const char* control; };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 37, ""}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 39, ""},
        {SDL_CONTROLLER_BUTTON_A, 38, ""},         {SDL_CONTROLLER_BUTTON_B, 40, ""},
        {SDL_CONTROLLER_BUTTON_X, 32, ""},         {SDL_CONTROLLER_BUTTON_Y, 13, ""},
        {SDL_CONTROLLER_BUTTON_START, 0, "chkPause"}, {SDL_CONTROLLER_BUTTON_BACK, 0, "chkSet"},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0, "view+"},
    };
    for (const Case& c : cases) {
        const std::vector<InputEvent> got = Press(c.button);
        ASSERT_EQ(got.size(), 1u) << SDL_GameControllerGetStringForButton(c.button);
        EXPECT_EQ(got[0].vkCode, c.vk) << SDL_GameControllerGetStringForButton(c.button);
        EXPECT_EQ(got[0].control, c.control) << SDL_GameControllerGetStringForButton(c.button);
    }
}

TEST_F(VirtualPad, TheStickMovesOncePerPushAndRepeatsWhileHeld) {
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    std::vector<InputEvent> got = Pump();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].vkCode, 37);
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, -31000);
    EXPECT_TRUE(Pump().empty()) << "a stick held still does not move again at once";
    SDL_Delay(PadRepeat::kDelayMs + 20);
    got = Pump();
    ASSERT_EQ(got.size(), 1u) << "the held stick repeats";
    EXPECT_TRUE(got[0].repeat) << "as a held key does: the game's own key repeat leaves it out";
    SDL_JoystickSetVirtualAxis(joystick_, 0 + SDL_CONTROLLER_AXIS_LEFTX, 0);
    got = Pump();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].type, InputEvent::Type::KeyUp) << "let go, its key goes up: the own repeat ends";
    EXPECT_EQ(got[0].vkCode, 37);
    SDL_Delay(PadRepeat::kDelayMs + 20);
    EXPECT_TRUE(Pump().empty()) << "released, it stops";
}

TEST_F(VirtualPad, ADirectionGoesUpWhenLetGoAsAKeyDoes) {
    auto kinds = [](const std::vector<InputEvent>& events) {
        std::vector<std::pair<bool, int>> out;   // (up, key)
        for (const InputEvent& e : events) out.emplace_back(e.type == InputEvent::Type::KeyUp, e.vkCode);
        return out;
    };
    using Keys = std::vector<std::pair<bool, int>>;
    SDL_JoystickSetVirtualButton(joystick_, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    EXPECT_EQ(kinds(Pump()), (Keys{{false, 39}}));
    SDL_JoystickSetVirtualButton(joystick_, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0);
    EXPECT_EQ(kinds(Pump()), (Keys{{true, 39}}));
    // A button that is no direction has no key to let go.
    SDL_JoystickSetVirtualButton(joystick_, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(kinds(Pump()), (Keys{{false, 38}}));
    SDL_JoystickSetVirtualButton(joystick_, SDL_CONTROLLER_BUTTON_A, 0);
    EXPECT_TRUE(Pump().empty());
    // The stick pushed from one side straight to the other lets the first key go.
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, -30000);
    EXPECT_EQ(kinds(Pump()), (Keys{{false, 37}}));
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, 30000);
    EXPECT_EQ(kinds(Pump()), (Keys{{true, 37}, {false, 39}}));
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, 0);
    EXPECT_EQ(kinds(Pump()), (Keys{{true, 39}}));
}
