// The shared loop pass. No allocation per pass: the tick works on fixed arrays.
#include "loop/general_loop.h"

#include <algorithm>

#include "game/end_of_game.h"
#include "game/f_init.h"
#include "game/landing.h"
#include "game/log_kinds.h"
#include "game/moves.h"
#include "game/tick.h"
#include "loop/demo_control.h"
#include "loop/key_commands.h"
#include "loop/mouse_commands.h"

namespace zembrol {

bool WaitForPass(Session& s, const std::function<void()>& pumpEvents) {
    for (;;) {
        if (pumpEvents) pumpEvents();
        if (!s.loop.running) return false;
        const int64_t now = s.clock.NowMs();
        const int64_t due = s.loop.m_LastPass + s.settings.g_TickMs;
        if (now >= due) break;
        // Sleep until the pass is due, or the demo timer's next tick: the window's
        // clock wakes at once for an event, so input is still handled as it comes.
        int64_t wait = due - now;
        if (s.state.tmrDemo) wait = std::min(wait, std::max<int64_t>(1, s.demo.lastFire + kDemoTimerMs - now));
        s.clock.SleepMs(static_cast<int>(wait));
    }
    s.loop.m_LastPass = s.clock.NowMs();
    return true;
}

int m_ReadMouse(const Session& s) {
    if (s.loop.rightDown) return 2;
    if (s.loop.leftDown) return 1;
    return 0;
}

PassEnd GamePass(Session& s) {
    if (!s.loop.running) return PassEnd::Stopped;
    if (s.state.cl_Busy || !s.state.g_Running) {
        s.clock.SleepMs(20);
        return PassEnd::Idle;
    }
    if (!GameTick(s.game)) return PassEnd::Ticked;
    if (!Landing(s.game)) return PassEnd::Landed;
    ++s.loop.gamesOver;
    if (s.journal) s.journal->GameOver(s);
    // The finished game stays on show unless the series goes on with its next game.
    s.state.m_EndOfGameDisplay = !g_SeriesOn(s.game);
    NullResultSteps none([&s](const char* line) {
        s.game.Raise({.kind = EventKind::Log, .value = kLogPlain, .flag = false, .text = line});
    });
    s.loop.loopAgain = EndOfGame(s.game, s.results ? *s.results : none, s.loop.running);
    if (!s.loop.loopAgain) {
        s.loop.running = false;
        return PassEnd::Stopped;
    }
    return PassEnd::NewGame;
}

PassEnd LoopPass(Session& s, const std::function<void(Session&)>& drawFrame) {
    if (!s.loop.running) return PassEnd::Stopped;
    // Inputs that landed before this pass are stamped with the passes done so far.
    ++s.loop.gamePass;
    s.loop.tickAhead = true;
    KeyRepeatPass(s);
    m_MouseButtons(s, m_ReadMouse(s));
    // The frame computes the ghost it draws, and the pass advances what the frame
    // shows (the camera move that drops wait for, the effects) whether it draws or not.
    // The window's buttons act after the frame: one may start a game in this pass.
    CalcFantom(s.state);
    AdvanceFrame(s);
    if (drawFrame) drawFrame(s);
    s.loop.tickAhead = false;
    return GamePass(s);
}

void AdvanceFrame(Session& s) {
    ApplyFrameOutcome(s.state, s.advanceFrame ? s.advanceFrame(s.state) : FrameOutcome{s.state.cl_Busy});
}


PassEnd HeadlessPass(Session& s) {
    // The demo timer is the one window timer a headless run has.
    if (!WaitForPass(s, [&s] { DemoTimerPump(s); })) return PassEnd::Stopped;
    return LoopPass(s);
}

}  // namespace zembrol
