// Window events of one loop pass, taken from the system queue.
#pragma once

#include <cstdint>

namespace zembrol::platform {

struct PumpResult {
    bool closeRequested = false;  // the window manager, Alt+F4 or the session asked to close
};

// Runs the pending events of the main window and reports what the loop must act on.
PumpResult PumpEvents(uint32_t mainWindowId);

}  // namespace zembrol::platform
