// The main window on the desktop: fullscreen and back (Alt+Enter), resizing and
// maximising with the layout scaled to fit, the pause when another window takes the
// focus, and the mode and size kept in the configuration.
#include <algorithm>
#include <cmath>

#include "app/app.h"
#include "platform/window_shape.h"
#include "render/view_layout.h"

namespace zembrol {

void App::OnWindowEvents(const platform::PumpResult& r) {
    if (r.toggleFullscreen && mainWindow_.Exists()) {
        mainWindow_.SetFullscreen(!mainWindow_.IsFullscreen());
        settings_.bFullScreen = mainWindow_.IsFullscreen();
    }
    if (r.resized) Relayout();
    if (r.resized || r.exposed || r.toggleFullscreen) window_.redrawWhole = true;
    // Switching to another window pauses a running game, as the Pause button does;
    // only the player resumes it.
    if (r.focusLost && settings_.bPauseOnFocusLoss && session_->state.g_Running && !window_.pausePressed &&
        session_->loop.running && !session_->loop.inStartUp)
        SetPause(true);
}

void App::Relayout() {
    if (!mainWindow_.Exists() || !ui_.Active()) return;
    int w = 0, h = 0;
    mainWindow_.DrawableSize(&w, &h);
    if (w <= 0 || h <= 0) return;
    const float scale = render::LayoutView(w, h).scale;
    ui_.SetFontSize(15 * scale);
    // Rounded corners belong to a free window; fullscreen and maximised fill a rectangle.
    int ww = 0, wh = 0;
    mainWindow_.GetSize(&ww, &wh);
    const bool plain = mainWindow_.IsFullscreen() || mainWindow_.IsMaximized();
    platform::SetRoundedShape(mainWindow_, ww, wh, plain ? 0 : static_cast<int>(37 * scale));
}

bool App::Targets::GetWindowMode(bool* fullscreen, int16_t* width, int16_t* height) {
    platform::GlWindow& win = app_.mainWindow_;
    if (!win.Exists()) return false;
    *fullscreen = win.IsFullscreen();
    // The size of the free window is kept; fullscreen and maximised keep the last one.
    if (!*fullscreen && !win.IsMaximized()) {
        int w = 0, h = 0;
        win.GetSize(&w, &h);
        *width = static_cast<int16_t>(std::clamp(w, 0, 32767));
        *height = static_cast<int16_t>(std::clamp(h, 0, 32767));
    }
    return true;
}

void App::Targets::WindowModeLoaded() {
    platform::GlWindow& win = app_.mainWindow_;
    if (!win.Exists()) return;
    const Settings& s = app_.settings_;
    if (s.iWindowWidth > 0 && s.iWindowHeight > 0) win.SetSize(s.iWindowWidth, s.iWindowHeight);
    if (s.bFullScreen != win.IsFullscreen()) win.SetFullscreen(s.bFullScreen);
    app_.Relayout();
}

}  // namespace zembrol
