// The game tick, in the order its steps must run.
#include "game/tick.h"

#include <limits>

#include "game/bonus_ticks.h"
#include "game/moves.h"
#include "game/saturate.h"

namespace zembrol {

bool GameTick(Game& g) {
    GameState& s = g.s;
    if (g.cfg.EnableSvet) ColorBonusTick(g);
    if (s.m_FallCounter < std::numeric_limits<int16_t>::max()) ++s.m_FallCounter;
    if (!s.g_Dropping) {
        s.g_TimeBonusNow = RoundEven((250.0 - s.m_FigTicks) / 5);
        s.m_FigTicks = SatAdd(s.m_FigTicks, 1);
    }
    if (g.cfg.bEnableMiracle) MiracleTick(g);
    g.Raise({.kind = EventKind::MusicPanSweep});
    if (!s.g_Dropping && s.m_FallCounter < s.m_FallDelay) return false;
    if (s.m_DropWait < s.g_FallSpeed) {
        ++s.m_DropWait;
        return false;
    }
    s.m_DropWait = 0;
    if (CanMoveDown(s)) {
        s.m_FallCounter = 0;
        ++s.g_FigY;
        return false;
    }
    return true;
}

}  // namespace zembrol
