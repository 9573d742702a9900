// The demo box, its timer and the command table of dem_GotoMove's codes.
#include "loop/demo_control.h"

#include "game/bonuses.h"
#include "game/moves.h"
#include "loop/command.h"
#include "loop/session.h"

namespace zembrol {

namespace {
void TimerOn(Session& s) {
    s.state.tmrDemo = true;
    s.demo.lastFire = s.clock.NowMs();
}
}  // namespace

void chkDemo_Click(Session& s, bool pressed) { Apply(s, Command::DemoBox(pressed)); }

void PressDemoBox(Session& s, bool pressed) {
    s.state.chkDemo = pressed;
    if (!pressed) {
        s.state.tmrDemo = false;
        return;
    }
    TimerOn(s);
    s.state.demoUsed = true;
    s.demo.player.dem_Init(s.game);
}

void tmrDemo_Timer(Session& s) {
    GameState& st = s.state;
    if (!st.g_Running || st.g_Dropping) return;
    const int code = s.demo.player.dem_GotoMove(st);
    if (code != 0) Apply(s, Command::DemoCommand(code));
}

void DemoCommand(Session& s, int code) {
    GameState& st = s.state;
    switch (code) {
        case demo_cmd::Drop:
            // A figure in place waits out a losing colour bonus instead of taking it.
            if (st.g_ColorState != -1) CmdDrop(s.game);
            break;
        case demo_cmd::Rotate: CmdRotate(s.game); break;
        case demo_cmd::Left: CmdMove(s.game, 0); break;
        case demo_cmd::Right: CmdMove(s.game, 2); break;
        case demo_cmd::Invert: CmdInversia(s.game); break;
        case demo_cmd::TakeBack:
            TakeBackFigure(s.game);
            s.demo.player.dem_Init(s.game);
            break;
        default:
            // A tick withheld by the throttle issues nothing; taking it for a drop
            // would drop new figures before they reach their column.
            break;
    }
}

void DemoTimerPump(Session& s) {
    if (!s.state.tmrDemo) return;
    const int64_t now = s.clock.NowMs();
    if (now - s.demo.lastFire < kDemoTimerMs) return;
    // A late timer ticks once, however late: ticks never pile up.
    s.demo.lastFire = now;
    tmrDemo_Timer(s);
}

void DemoSpeedKey(Session& s, int key) {
    if (!s.state.tmrDemo || key < 1 || key > 3) return;
    static constexpr int16_t kSpeeds[] = {0, 2, 5};
    s.demo.player.dem1_SetSpeed(kSpeeds[key - 1]);
    s.state.lblScore = "Demo" + std::to_string(key);
}

bool DemoOnGameEvent(Session& s, const GameEvent& e) {
    switch (e.kind) {
        case EventKind::DemoResume:
            // The rules ran the timer again: its ticks count from now.
            if (s.state.tmrDemo) s.demo.lastFire = s.clock.NowMs();
            return true;
        case EventKind::DemoPlanFigure:
            if (s.state.chkDemo) s.demo.player.dem_Init(s.game);
            return true;
        default:
            return false;
    }
}

}  // namespace zembrol
