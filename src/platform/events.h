// Window events of one loop pass, taken from the system queue and handed over in
// the game's own terms: keys as virtual-key numbers, the pointer in window pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace zembrol::platform {

struct InputEvent {
    enum class Type { KeyDown, KeyUp, MouseMove, MouseButton, Control };
    Type type = Type::KeyDown;
    std::string control;                       // Control: a window command from a gamepad ("chkPause", ...)
    int vkCode = 0;                            // KeyDown: virtual-key number (Left 37, F1 112, ...)
    bool shift = false, ctrl = false, alt = false;
    bool repeat = false;                       // KeyDown: the system's auto-repeat of a held key
    double x = 0, y = 0;                       // MouseMove, MouseButton: window pixels
    bool right = false, down = false;          // MouseButton
};

struct PumpResult {
    bool closeRequested = false;  // the window manager, Alt+F4 or the session asked to close
    bool minimized = false;       // the main window was minimised
    bool resized = false;         // its drawable changed size (a resize, maximise or fullscreen)
    bool exposed = false;         // part of it was uncovered and must be shown again
    bool focusLost = false;       // another window took the keyboard focus
    bool toggleFullscreen = false;   // Alt+Enter
};

// Sleeps up to `ms` milliseconds, returning as soon as a window event is waiting
// (without taking it from the queue). A plain sleep where there is no window.
void WaitForEvents(uint32_t ms);

// Runs the pending events of the main window: input goes to `onInput`, and what the
// loop itself must act on is returned.
PumpResult PumpEvents(uint32_t mainWindowId, const std::function<void(const InputEvent&)>& onInput = {});

}  // namespace zembrol::platform
