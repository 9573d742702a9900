// The demo's place in the main window: the demo box (chkDemo), the demo timer (tmrDemo,
// one command every 5 ms while the game runs and no drop is under way), the
// demo-played flag the record entry reads, and the keys 1, 2, 3 for its speed.
//
// The rules switch the timer themselves (off at a game's end and at a fresh start, on
// again at a start while the box is down) and ask the demo to plan a new figure.
#pragma once

#include <cstdint>

#include "game/game_events.h"
#include "loop/cls_demo3.h"

namespace zembrol {

class Session;

inline constexpr int kDemoTimerMs = 5;

// The box, the timer and the demo-played flag are the game's (GameState::chkDemo,
// tmrDemo, demoUsed): a game start and a game's end set them as the rules say.
struct DemoControl {
    clsDemo3 player;
    int64_t lastFire = 0;    // clock time of the timer's last tick
};

// The demo box pressed or released: a DemoBox command.
void chkDemo_Click(Session& s, bool pressed);
// One tick of tmrDemo: one command of the plan, as a DemoCommand command.
void tmrDemo_Timer(Session& s);
// Runs tmrDemo when 5 ms have passed since its last tick; the loop calls it while it
// lets events run, as a window timer would fire.
void DemoTimerPump(Session& s);

// What the demo's commands do once Apply has journaled them (a replay feeds the
// recorded ones back through Apply instead of running the timer):
// the box pressed (timer on, game marked demo-played, plan the figure) or released (timer off);
void PressDemoBox(Session& s, bool pressed);
// the rules' command of one of dem_GotoMove's codes;
void DemoCommand(Session& s, int code);
// keys 1, 2, 3 (key = 1..3): speeds 0, 2, 5, only while the demo timer runs.
void DemoSpeedKey(Session& s, int key);

// The demo's events of the rules (DemoResume, DemoPlanFigure), handled for the session's
// demo player. False for an event that is not the demo's.
bool DemoOnGameEvent(Session& s, const GameEvent& e);

// Any GameEvents implementation (a test's recorder, a benchmark's sink) with the
// demo's events handled for the session it names, as the application routes them.
template <class Events>
class WithDemoEvents : public Events {
public:
    Session* demoSession = nullptr;
    void OnGameEvent(const GameEvent& e) override {
        if (demoSession && DemoOnGameEvent(*demoSession, e)) return;
        Events::OnGameEvent(e);
    }
};

}  // namespace zembrol
