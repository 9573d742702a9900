// Where a window may stand: inside the usable area (the desktop less its panels) of
// the display it opens on, so that a position saved on another desktop, or a window
// grown with the desktop's dots per inch, never hides its edges off the screen.
#pragma once

#include <vector>

namespace zembrol::platform {

struct ScreenRect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct DisplayArea {
    ScreenRect bounds;  // the whole display
    ScreenRect usable;  // less the desktop's panels
};

struct ScreenPoint {
    int x = 0, y = 0;
};

// The top-left corner for a window of size w x h asked at `wanted`. The display is the
// one whose bounds hold the window's centre, else the first one; the window is moved
// into that display's usable area, and where it is larger than the area on an axis its
// edge goes to the area's edge. With no display the position is kept.
ScreenPoint KeepOnDisplay(ScreenPoint wanted, int w, int h, const std::vector<DisplayArea>& displays);

}  // namespace zembrol::platform
