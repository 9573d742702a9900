// The wait on the X connection: poll its socket, pump what arrives, until SDL has
// an event or the time is up.
#include "platform/event_wait.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>

namespace zembrol::platform {

bool WaitForWindowInput(SDL_Window* window, int ms) {
    if (!window) {
        SDL_Delay(static_cast<Uint32>(std::max(ms, 0)));
        return false;
    }
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    // Other display systems wake SDL's wait on the connection the window lives on.
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return SDL_WaitEventTimeout(nullptr, ms) == 1;
    Display* display = info.info.x11.display;
    const Uint32 start = SDL_GetTicks();
    for (;;) {
        SDL_PumpEvents();
        if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return true;
        const Uint32 elapsed = SDL_GetTicks() - start;
        if (ms <= 0 || elapsed >= static_cast<Uint32>(ms)) return false;
        int slice = ms - static_cast<int>(elapsed);
        // Gamepads are read when events are pumped, not through the X connection.
        if (SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_NumJoysticks() > 0) slice = 1;
        XFlush(display);
        if (XEventsQueued(display, QueuedAlready) > 0) continue;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, slice);
    }
}

}  // namespace zembrol::platform
