// The demo's place in the main window: the demo box (chkDemo), the demo timer (tmrDemo,
// one command every 5 ms while the game runs and no drop is under way), the
// demo-played flag the record entry reads, and the keys 1, 2, 3 for its speed.
//
// The rules reach it through GameEvents (DemoStop, DemoResume, DemoRunning,
// DemoPlanFigure, DemoTimerOff); whoever implements GameEvents forwards those to the
// Demo* functions below.
#pragma once

#include <cstdint>

#include "loop/cls_demo3.h"

namespace zembrol {

class Session;

inline constexpr int kDemoTimerMs = 5;

struct DemoControl {
    clsDemo3 player;
    bool chkDemo = false;    // the demo box is pressed
    bool tmrDemo = false;    // the demo timer runs
    bool demoUsed = false;   // the demo played in this game: records go under "Computer"
    int64_t lastFire = 0;    // clock time of the timer's last tick
};

// The demo box pressed (timer on, game marked demo-played, plan the figure) or released (timer off).
void chkDemo_Click(Session& s, bool pressed);
// One tick of tmrDemo: one command of the plan.
void tmrDemo_Timer(Session& s);
// Runs tmrDemo when 5 ms have passed since its last tick; the loop calls it while it
// lets events run, as a window timer would fire.
void DemoTimerPump(Session& s);
// Keys 1, 2, 3 (key = 1..3): speeds 0, 2, 5, only while the demo timer runs.
void DemoSpeedKey(Session& s, int key);

// GameEvents forwarding.
void DemoOnFreshGame(Session& s);     // DemoStop
void DemoOnGameStart(Session& s);     // DemoResume
bool DemoTimerRunning(const Session& s);   // DemoRunning
void DemoOnNewFigure(Session& s);     // DemoPlanFigure
void DemoOnGameOver(Session& s);      // DemoTimerOff

// Any GameEvents implementation (the application's, a test's) with the demo's
// hooks forwarded to the session it names.
template <class Events>
class ForwardDemoEvents : public Events {
public:
    void DemoStop() override { DemoOnFreshGame(DemoSession()); }
    void DemoResume() override { DemoOnGameStart(DemoSession()); }
    bool DemoRunning() override { return DemoTimerRunning(DemoSession()); }
    void DemoPlanFigure() override { DemoOnNewFigure(DemoSession()); }
    void DemoTimerOff() override { DemoOnGameOver(DemoSession()); }

protected:
    virtual Session& DemoSession() = 0;
};

}  // namespace zembrol
