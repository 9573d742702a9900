// Mouse over the 3D view: the pointer picks the column (m_MouseCol), and a click of
// either button gives exactly one command per press (the click latch). Each becomes
// a Command (command.h).
#pragma once

#include "loop/session.h"

namespace zembrol {

// Field column under a pointer at x view pixels. The view's base layout is 15 twips
// per pixel and a column is 250 twips wide; scale is view pixels per base pixel
// (1 at the base size), so a scaled window keeps the same columns under the pointer.
int MouseColumn(double x, double scale = 1.0);
// Pointer moved over the view: while a game runs, a new allowed column moves the
// figure there (during a drop it only records the column).
void OnMouseMove(Session& s, double x, double y, double scale = 1.0);
// The column part of a pointer move: what the rules see of the mouse's position.
void OnMouseColumn(Session& s, int column);
// Button state for the next pass; a release over the view re-arms the click latch.
void OnMouseButton(Session& s, bool right, bool down);
// The pass's button value (2 right, 1 left, 0 none) to one command: with bRightButton
// the left button rotates and the right drops; without it they swap.
void m_MouseButtons(Session& s, int buttons);

// What the MouseColumn and MouseButton commands do, once Apply has journaled them.
void MouseColumnReached(Session& s, int column);
void MouseButtonChanged(Session& s, bool right, bool down);

}  // namespace zembrol
