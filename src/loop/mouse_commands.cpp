// Mouse commands: the column rule and the one-command-per-click latch.
#include "loop/mouse_commands.h"

#include <cmath>

#include "game/moves.h"
#include "game/saturate.h"
#include "loop/command.h"

namespace zembrol {

int MouseColumn(double x, double scale) {
    if (!(scale > 0)) scale = 1.0;
    const double twips = std::nearbyint(x / scale * 15.0);
    return static_cast<int>(std::trunc(twips / 250.0)) + 1;
}

void OnMouseMove(Session& s, double x, double y, double scale) {
    s.loop.pointerX = x;
    s.loop.pointerY = y;
    OnMouseColumn(s, MouseColumn(x, scale));
}

void OnMouseColumn(Session& s, int col) { Apply(s, Command::MouseColumn(col)); }

void OnMouseButton(Session& s, bool right, bool down) { Apply(s, Command::MouseButton(right, down)); }

void m_MouseButtons(Session& s, int buttons) {
    GameState& st = s.state;
    if (buttons == 0 || !st.m_MouseLatch || !st.g_Running || s.loop.inStartUp) return;
    st.m_MouseLatch = false;
    const bool right = buttons == 2;
    // The buttons are on record: the command they make is made again by a replay's pass.
    Apply(s, (right == s.settings.bRightButton ? Command::Drop() : Command::Rotate()).FromPass());
}

void MouseColumnReached(Session& s, int col) {
    GameState& st = s.state;
    if (!EnableMoveLRForMouse(st, col)) return;
    st.m_MouseCol = static_cast<int16_t>(col);
    if (st.g_Dropping) return;
    st.g_FigX = col;
    st.g_MovesFig = SatAdd(st.g_MovesFig, 1);
}

void MouseButtonChanged(Session& s, bool right, bool down) {
    (right ? s.loop.rightDown : s.loop.leftDown) = down;
    if (!down) s.state.m_MouseLatch = true;
}

}  // namespace zembrol
