// The loading window's surface: a small undecorated-content window with a title
// and a progress bar, painted in software so it can show before any GL exists.
#pragma once

#include <string>

struct SDL_Window;

namespace zembrol::platform {

class SplashWindow {
public:
    SplashWindow() = default;
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;
    ~SplashWindow() { Close(); }

    bool Open(const std::string& caption, int width, int height);
    // Paints the bar at value / maximum and shows it at once.
    void Paint(int value, int maximum);
    // True when the player asked to close the window (its close button).
    bool CloseRequested() const { return closeRequested_; }
    void Close();
    bool IsOpen() const { return window_ != nullptr; }

private:
    SDL_Window* window_ = nullptr;
    bool closeRequested_ = false;
};

}  // namespace zembrol::platform
