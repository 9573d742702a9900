// Display connection through SDL2.
#include "platform/video.h"

#include "platform/gamepad.h"
#include "platform/x_errors.h"

#include <SDL.h>

#include <X11/Xlib.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace zembrol::platform {

namespace {
bool g_ready = false;
int g_dpiOverride = 0;
// The X desktop's logical dots per inch: the Xft.dpi resource that desktop
// settings write when text is scaled, and 96 (what toolkits assume) when it is not
// set. The physical size the X server reports says nothing about the desktop's scale.
bool XDpi(int* dpi) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    *dpi = 96;
    if (const char* resources = XResourceManagerString(display)) {
        const char* at = std::strstr(resources, "Xft.dpi:");
        if (at) {
            double value = std::atof(at + std::strlen("Xft.dpi:"));
            if (value > 0) *dpi = static_cast<int>(std::lround(value));
        }
    }
    XCloseDisplay(display);
    return true;
}

}  // namespace

bool ShadeOnTheDrawingThread() {
    // Mesa's software rasteriser starts a shading thread per core. For a frame of this
    // size the hand-overs between them cost more processor time than the parallel
    // shading saves: on two cores a frame of the running game takes about a quarter
    // less CPU on one thread, for about the same time on the clock.
    if (std::getenv("LP_NUM_THREADS")) return false;
    return setenv("LP_NUM_THREADS", "0", 0) == 0;
}

bool VideoInit(std::string* error) {
    if (g_ready) return true;
    // Before the display layer starts: its own handler passes errors on to the one it
    // found, and puts that one back when it stops.
    CatchXErrors();
    ShadeOnTheDrawingThread();  // read by the GL driver when the first GL window opens
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The loading window paints a plain surface. Left to itself SDL would back it
    // with a GL renderer whose context then steals the main window's.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    g_ready = true;
    // Gamepads are welcome, never needed: without the controller layer the game plays on.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) OpenGamepads();
    return true;
}

void VideoQuit() {
    if (!g_ready) return;
    CloseGamepads();
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    g_ready = false;
    ReportXErrors();  // those of closing the windows
}

bool VideoReady() { return g_ready; }

std::string VideoError() { return SDL_GetError(); }

void OverrideDesktopDpi(int dpi) { g_dpiOverride = dpi; }

bool DesktopDpi(int* dpi) {
    if (g_dpiOverride > 0) {
        *dpi = g_dpiOverride;
        return true;
    }
    if (!g_ready) return false;
    if (XDpi(dpi)) return true;
    float ddpi = 0, hdpi = 0, vdpi = 0;
    if (SDL_GetDisplayDPI(0, &ddpi, &hdpi, &vdpi) != 0 || !(hdpi > 0)) return false;
    *dpi = static_cast<int>(std::lround(hdpi));
    return true;
}

}  // namespace zembrol::platform
