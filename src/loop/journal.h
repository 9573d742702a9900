// Journal: every input that reaches the rules, as Apply (command.h) hands it over
// (keys, the mouse's column and buttons, the demo's commands, the window's pause,
// demo box and camera buttons). A recorder keeps them with the pass of the game at
// which they landed; a replay feeds them back before the same passes.
#pragma once

#include <cstdint>

namespace zembrol {

class Session;

// One letter each in a replay file; the value says which way, which button, which
// preset. Which command each letter stands for is kept in command.cpp.
enum class InputKind : char {
    Move = 'm',          // CmdMove, value 0 left / 2 right
    Rotate = 'r',        // CmdRotate
    Drop = 'd',          // CmdDrop
    Inversia = 'i',      // the Inversia command
    TakeBack = 't',      // TakeBackFigure
    MouseColumn = 'c',   // the pointer reached a column (value) while a game runs
    MouseButton = 'b',   // value: 2 x right + down (0 left up, 1 left down, 2 right up, 3 right down)
    HeldKey = 'h',       // own key repeat: value 2 x right + down for a held Left/Right
    Pause = 'p',         // the pause button, value 1 pressed / 0 released
    DemoBox = 'o',       // the demo box, value 1 pressed / 0 released
    DemoCommand = 'a',   // one command of the demo timer, value = dem_GotoMove's code
    Camera = 'v',        // a camera view preset the player chose, value 1..7
    Frame = 'f',         // the scene advanced without a pass (a modal window was open)
    Setting = 's',       // a setting on record changed during the game (a "change" line with its name)
};

class Journal {
public:
    virtual ~Journal() = default;
    // An input is about to be applied, between passes.
    virtual void Input(InputKind kind, int32_t value) = 0;
    // A game is over, before EndOfGame's results touch the score: the final state.
    virtual void GameOver(const Session& s) { (void)s; }
};

}  // namespace zembrol
