// Event pump over SDL's queue.
#include "platform/events.h"

#include <SDL.h>

namespace zembrol::platform {

PumpResult PumpEvents(uint32_t mainWindowId) {
    PumpResult result;
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        switch (ev.type) {
            case SDL_QUIT: result.closeRequested = true; break;
            case SDL_WINDOWEVENT:
                if (ev.window.windowID == mainWindowId && ev.window.event == SDL_WINDOWEVENT_CLOSE)
                    result.closeRequested = true;
                break;
            case SDL_KEYDOWN:
                // Alt+F4 closes the window even where no window manager does it for us.
                if (ev.key.keysym.sym == SDLK_F4 && (ev.key.keysym.mod & KMOD_ALT)) result.closeRequested = true;
                break;
            default: break;
        }
    }
    return result;
}

}  // namespace zembrol::platform
