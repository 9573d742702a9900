// Mouse commands: column rule and the one-command-per-click latch.
#include "loop/mouse_commands.h"

#include <cmath>

#include "game/moves.h"
#include "game/saturate.h"

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

void OnMouseColumn(Session& s, int col) {
    GameState& st = s.state;
    if (!st.g_Running || col == st.m_MouseCol) return;
    // Only a column the rules would look at is kept: the pointer's every pixel is not.
    s.Note(InputKind::MouseColumn, col);
    if (!EnableMoveLRForMouse(st, col)) return;
    st.m_MouseCol = static_cast<int16_t>(col);
    if (st.g_Dropping) return;
    st.g_FigX = col;
    st.g_MovesFig = SatAdd(st.g_MovesFig, 1);
}

void OnMouseButton(Session& s, bool right, bool down) {
    s.Note(InputKind::MouseButton, (right ? 2 : 0) + (down ? 1 : 0));
    (right ? s.loop.rightDown : s.loop.leftDown) = down;
    if (!down) s.state.m_MouseLatch = true;
}

void m_MouseButtons(Session& s, int buttons) {
    GameState& st = s.state;
    if (buttons == 0 || !st.m_MouseLatch || !st.g_Running || s.loop.inStartUp) return;
    st.m_MouseLatch = false;
    const bool right = buttons == 2;
    if (right == s.settings.bRightButton)
        CmdDrop(s.game);
    else
        CmdRotate(s.game);
}

}  // namespace zembrol
