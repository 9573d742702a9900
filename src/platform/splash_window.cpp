// Loading window painted with SDL surface fills: a stack of coloured blocks as the
// game's mark and a progress bar below it.
#include "platform/splash_window.h"

#include <SDL.h>

#include <algorithm>

namespace zembrol::platform {

bool SplashWindow::Open(const std::string& caption, int width, int height) {
    Close();
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_SHOWN | SDL_WINDOW_ALWAYS_ON_TOP);
    closeRequested_ = false;
    if (window_) Paint(0, 1);
    return window_ != nullptr;
}

void SplashWindow::Paint(int value, int maximum) {
    if (!window_) return;
    // Peek for this window's close button without taking events from the queue:
    // painting must not run anyone else's handlers.
    SDL_PumpEvents();
    SDL_Event events[32];
    int n = SDL_PeepEvents(events, 32, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
    for (int i = 0; i < n; ++i)
        if (events[i].window.windowID == SDL_GetWindowID(window_) && events[i].window.event == SDL_WINDOWEVENT_CLOSE)
            closeRequested_ = true;
    SDL_Surface* s = SDL_GetWindowSurface(window_);
    if (!s) return;
    auto rgb = [s](int r, int g, int b) { return SDL_MapRGB(s->format, r, g, b); };
    SDL_FillRect(s, nullptr, rgb(18, 22, 38));
    const int cell = std::max(6, s->h / 10);
    static const int kColours[][3] = {{220, 70, 70}, {240, 190, 60}, {80, 200, 110}, {70, 140, 230}, {170, 90, 220}};
    // A T, an L and a bar resting in a little well, centred above the bar.
    static const int kCells[][3] = {{0, 2, 0}, {1, 2, 0}, {2, 2, 0}, {1, 1, 0}, {3, 2, 1}, {3, 1, 1}, {3, 0, 1},
                                    {4, 2, 1}, {5, 2, 2}, {6, 2, 2}, {7, 2, 2}, {8, 2, 2}, {6, 1, 3}, {7, 1, 3},
                                    {7, 0, 3}, {8, 1, 4}};
    const int left = (s->w - 9 * cell) / 2, top = s->h / 8;
    for (const auto& c : kCells) {
        SDL_Rect r{left + c[0] * cell + 1, top + c[1] * cell + 1, cell - 2, cell - 2};
        const int* col = kColours[c[2]];
        SDL_FillRect(s, &r, rgb(col[0], col[1], col[2]));
    }
    const int barTop = top + 3 * cell + cell, barH = std::max(8, cell);
    SDL_Rect frame{s->w / 10, barTop, s->w * 8 / 10, barH};
    SDL_FillRect(s, &frame, rgb(60, 66, 90));
    SDL_Rect inner{frame.x + 2, frame.y + 2, frame.w - 4, frame.h - 4};
    SDL_FillRect(s, &inner, rgb(30, 34, 52));
    if (maximum > 0 && value > 0) {
        inner.w = inner.w * std::min(value, maximum) / maximum;
        SDL_FillRect(s, &inner, rgb(90, 200, 240));
    }
    SDL_UpdateWindowSurface(window_);
}

void SplashWindow::Close() {
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

}  // namespace zembrol::platform
