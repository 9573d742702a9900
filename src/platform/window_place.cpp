// Placement of a window inside the usable area of its display.
#include "platform/window_place.h"

#include <algorithm>

namespace zembrol::platform {

namespace {
bool Holds(const ScreenRect& r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h; }

int Place(int wanted, int size, int areaStart, int areaSize) {
    if (size >= areaSize) return areaStart;
    return std::clamp(wanted, areaStart, areaStart + areaSize - size);
}
}  // namespace

ScreenPoint KeepOnDisplay(ScreenPoint wanted, int w, int h, const std::vector<DisplayArea>& displays) {
    if (displays.empty()) return wanted;
    const int cx = wanted.x + w / 2, cy = wanted.y + h / 2;
    const auto it = std::find_if(displays.begin(), displays.end(),
                                 [&](const DisplayArea& d) { return Holds(d.bounds, cx, cy); });
    const DisplayArea& display = it != displays.end() ? *it : displays.front();
    // A display that reports no usable area is used whole.
    const ScreenRect& area = display.usable.w > 0 && display.usable.h > 0 ? display.usable : display.bounds;
    return {Place(wanted.x, w, area.x, area.w), Place(wanted.y, h, area.y, area.h)};
}

}  // namespace zembrol::platform
