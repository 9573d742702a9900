// Rounded outline through the X shape extension; drag through SDL's hit test.
#include "platform/window_shape.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <cmath>
#include <vector>

#include "platform/gl_window.h"

namespace zembrol::platform {

bool SetRoundedShape(GlWindow& window, int width, int height, int ellipse) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window.Handle() || !SDL_GetWindowWMInfo(window.Handle(), &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    Display* display = info.info.x11.display;
    int eventBase, errorBase;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) return false;
    // One rectangle per row: full width in the middle, narrowed by the corner
    // ellipses in the top and bottom rows.
    const double r = ellipse / 2.0;
    std::vector<XRectangle> rows;
    rows.reserve(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        double dy = 0;
        if (y < r) dy = r - y - 0.5;
        else if (y >= height - r) dy = y - (height - r) + 0.5;
        int inset = 0;
        if (dy > 0) inset = static_cast<int>(std::lround(r - std::sqrt(std::max(0.0, r * r - dy * dy))));
        rows.push_back(XRectangle{static_cast<short>(inset), static_cast<short>(y),
                                  static_cast<unsigned short>(std::max(0, width - 2 * inset)), 1});
    }
    XShapeCombineRectangles(display, info.info.x11.window, ShapeBounding, 0, 0, rows.data(),
                            static_cast<int>(rows.size()), ShapeSet, YXBanded);
    XFlush(display);
    return true;
}

namespace {
// The window has no frame of its own: its outermost pixels resize it (a free
// window only), the rest of what the game calls draggable moves it.
SDL_HitTestResult HitTest(SDL_Window* win, const SDL_Point* p, void* data) {
    constexpr int kEdge = 6;
    if (!(SDL_GetWindowFlags(win) & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED))) {
        int w = 0, h = 0;
        SDL_GetWindowSize(win, &w, &h);
        const bool left = p->x < kEdge, right = p->x >= w - kEdge, top = p->y < kEdge, bottom = p->y >= h - kEdge;
        if (top && left) return SDL_HITTEST_RESIZE_TOPLEFT;
        if (top && right) return SDL_HITTEST_RESIZE_TOPRIGHT;
        if (bottom && left) return SDL_HITTEST_RESIZE_BOTTOMLEFT;
        if (bottom && right) return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
        if (top) return SDL_HITTEST_RESIZE_TOP;
        if (bottom) return SDL_HITTEST_RESIZE_BOTTOM;
        if (left) return SDL_HITTEST_RESIZE_LEFT;
        if (right) return SDL_HITTEST_RESIZE_RIGHT;
    }
    auto* draggable = static_cast<std::function<bool(int, int)>*>(data);
    return (*draggable && (*draggable)(p->x, p->y)) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}
}  // namespace

void SetDragArea(GlWindow& window, std::function<bool(int x, int y)>* draggable) {
    if (window.Handle()) SDL_SetWindowHitTest(window.Handle(), draggable ? HitTest : nullptr, draggable);
}

}  // namespace zembrol::platform
