// Session: one running game with everything the loop, the input commands and the
// script runner need — the rules' state, settings, generator and events, the loop
// clock, and the loop's own state (pass timing, mouse buttons, running flags).
// Input reaches it as Commands (command.h).
//
// Who builds it: the app (window run and `--headless`) and the tests. The state is
// owned here; everything else is borrowed and must outlive the session.
#pragma once

#include <cstdint>
#include <functional>

#include "game/frame_outcome.h"
#include "game/end_of_game.h"
#include "game/game.h"
#include "loop/command.h"
#include "loop/demo_control.h"
#include "loop/journal.h"
#include "loop/key_repeat.h"
#include "loop/loop_clock.h"

namespace zembrol {

// State of m_GeneralLoop itself.
struct LoopState {
    bool running = true;        // the loop running flag; cleared when a new game cannot start
    bool loopAgain = true;      // result of the last EndOfGame
    int32_t gamesOver = 0;      // games ended in this session (headless runs report it)
    int64_t m_LastPass = 0;     // clock time at the start of the last pass
    bool inStartUp = false;     // start-up or closing is under way: mouse commands are blocked
    bool leftDown = false;      // mouse buttons as the next pass reads them
    bool rightDown = false;
    double pointerX = 0, pointerY = 0;  // last pointer position over the 3D view, in view pixels
    int64_t gamePass = 0;       // passes since the game (or series) on record began; inputs are stamped with it
    bool tickAhead = false;     // within a pass, before its game tick: a game started now ticks in this pass
    KeyRepeat keyRepeat;        // the game's own repeat of a held Left/Right, counted in passes
};

class Session {
public:
    Session(GameSettings& settings, Rng& rng, GameEvents& events, LoopClock& clock)
        : state(), settings(settings), rng(rng), events(events), clock(clock),
          game{state, settings, rng, events} {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    GameState state;
    GameSettings& settings;
    Rng& rng;
    GameEvents& events;
    LoopClock& clock;
    LoopState loop;
    DemoControl demo;
    // The records and result windows EndOfGame works with; none: every score misses the table.
    ResultSteps* results = nullptr;
    // What one pass advances besides the game, drawn or not: the camera move, the
    // effects, the music's fade (the application's effects and sound). None in the
    // rules' own tests. It reports what the game must hear of it; the loop applies that
    // between passes (AdvanceFrame in general_loop.h).
    std::function<FrameOutcome(const GameState&)> advanceFrame;
    Game game;   // the rules' handles onto the members above
    // Where Apply reports every input it carries out; none: nothing is recorded.
    Journal* journal = nullptr;
    // The program around the rules, for the commands that reach it (command.h); none:
    // those commands are refused.
    CommandTarget* target = nullptr;
};

}  // namespace zembrol
