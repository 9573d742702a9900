// The pass of m_GeneralLoop that the window run and the headless run share: pass
// timing on the LoopClock, the mouse buttons, the ghost, and the game step — tick,
// landing, game over and the next game.
//
// The window run calls, per pass: pump events; WaitForPass (pumping events between
// its 1 ms sleeps); then LoopPass with its frame function. A headless run calls
// HeadlessPass, which is the same without events or drawing.
#pragma once

#include <functional>

#include "loop/session.h"

namespace zembrol {

enum class PassEnd {
    Stopped,   // the loop running flag is off (before or after this pass)
    Idle,      // paused, no game, or a level flight plays: slept 20 ms
    Ticked,    // one tick, the figure fell or waited
    Landed,    // the figure landed and the game goes on
    NewGame,   // game over; the next game has started
};

// Waits in 1 ms sleeps until g_TickMs has passed since the last pass, then marks the
// pass start. pumpEvents runs before every check. False when the loop stopped meanwhile.
bool WaitForPass(Session& s, const std::function<void()>& pumpEvents = {});
// The mouse buttons as the pass reads them: 2 right (also with both), 1 left, 0 none.
int m_ReadMouse(const Session& s);
// The game step of a pass: sleep 20 ms while paused or flying, else tick, landing,
// game over and EndOfGame.
PassEnd GamePass(Session& s);
// One pass after the wait: mouse buttons, ghost and frame, game step.
PassEnd LoopPass(Session& s, const std::function<void(Session&)>& drawFrame = {});
// WaitForPass + LoopPass without events or drawing; the demo timer runs while it waits.
PassEnd HeadlessPass(Session& s);
// One frame of what the host advances besides the game (camera, effects, music), and
// what it reports applied to the game: a flight that has flown ends the game's wait.
// Without a host nothing flies, so a wait ends at once.
void AdvanceFrame(Session& s);

}  // namespace zembrol
