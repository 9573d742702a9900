// The main window's outline and its drag: a rounded rectangle where the X server
// can shape windows, and a left-button drag that moves the window from anywhere
// the game says is not a control.
#pragma once

#include <functional>

namespace zembrol::platform {

class GlWindow;

// Gives the window a rounded-rectangle outline with corners of `ellipse` pixels
// (the corner ellipse's width and height). False where shaping is not available.
bool SetRoundedShape(GlWindow& window, int width, int height, int ellipse);
// Points for which `draggable(x, y)` is true (window pixels) move the window when
// dragged with the left button. The function must outlive the window.
void SetDragArea(GlWindow& window, std::function<bool(int x, int y)>* draggable);

}  // namespace zembrol::platform
