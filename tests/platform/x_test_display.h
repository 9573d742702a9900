// The test display for tests that need X. Xvfb turns away a few of many quick
// connections (reset by peer), so a test tries again before it gives up and skips.
#pragma once

#include <SDL.h>

#include <cstring>
#include <string>

#include "platform/video.h"

// After the test framework: Xlib's macros (None, Bool) would clash with its names.
#include <X11/Xlib.h>

namespace zembrol::testing {

inline Display* OpenTestDisplay() {
    for (int attempt = 0; attempt < 50; ++attempt)
        if (Display* display = XOpenDisplay(nullptr)) return display;
    return nullptr;
}

// Starts the display layer on X (not on another display system it falls back to).
inline bool StartVideoOnX() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::string error;
        if (platform::VideoInit(&error)) {
            const char* driver = SDL_GetCurrentVideoDriver();
            if (driver && std::strcmp(driver, "x11") == 0) return true;
            platform::VideoQuit();
        }
    }
    return false;
}

}  // namespace zembrol::testing
