// Display connection through SDL2.
#include "platform/video.h"

#include <SDL.h>

#include <cmath>

namespace zembrol::platform {

namespace {
bool g_ready = false;
int g_dpiOverride = 0;
}  // namespace

bool VideoInit(std::string* error) {
    if (g_ready) return true;
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    g_ready = true;
    return true;
}

void VideoQuit() {
    if (!g_ready) return;
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    g_ready = false;
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
    float ddpi = 0, hdpi = 0, vdpi = 0;
    if (SDL_GetDisplayDPI(0, &ddpi, &hdpi, &vdpi) != 0 || !(hdpi > 0)) return false;
    *dpi = static_cast<int>(std::lround(hdpi));
    return true;
}

}  // namespace zembrol::platform
