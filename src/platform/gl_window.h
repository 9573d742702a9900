// The main window: one borderless SDL window with an OpenGL 3.3 core context,
// the surface the 3D view is drawn on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui_regions.h"

struct SDL_Window;

namespace zembrol::platform {

struct GlInfo {
    std::string vendor, renderer, version;
    int maxTextureSize = 0;
};

class GlWindow {
public:
    GlWindow() = default;
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;
    ~GlWindow() { Destroy(); }

    // Creates the window hidden, with its context current; false with the reason.
    bool Create(const std::string& title, int width, int height, std::string* error);
    void Show();
    void Destroy();
    bool Exists() const { return window_ != nullptr; }
    GlInfo Info() const;

    // Moves the window to (x, y), kept inside the usable area of its display.
    void SetPosition(int x, int y);
    void GetPosition(int* x, int* y) const;
    // The window's size in screen pixels; a new size is kept within its display.
    void GetSize(int* w, int* h) const;
    void SetSize(int w, int h);
    void SetMinimumSize(int w, int h);
    // Fullscreen on the window's display (the desktop's own mode), and back.
    void SetFullscreen(bool on);
    bool IsFullscreen() const;
    bool IsMaximized() const;
    // False while minimised or hidden: nothing drawn then can be seen.
    bool IsShown() const;
    void DrawableSize(int* w, int* h) const;
    void Restore();  // back to the normal state (not minimised)
    void Minimize();
    void Raise();
    // Shows only a rectangle of what was drawn (window pixels, top-left origin), the
    // rest of the window staying as it was shown: where the GL can copy part of the
    // back buffer to the screen (X11 with GLX_MESA_copy_sub_buffer). Elsewhere, or
    // while the window changes size, it shows the whole back buffer.
    bool PartialPresent() const { return copySubBuffer_ != nullptr; }
    void PresentRegion(int x, int y, int w, int h);
    // Several rectangles of one frame; the whole back buffer when one of them cannot
    // be shown alone.
    void PresentRegions(const std::vector<PixelBox>& boxes);
    // The whole window.
    void Present();
    // Fills the whole drawable with one colour (the frame before the scene exists).
    void Clear(float r, float g, float b);
    uint32_t Id() const;
    SDL_Window* Handle() const { return window_; }

private:
    void FindPartialPresent();
    bool X11SizeIs(int w, int h) const;
    bool CanPresentPart(const PixelBox& box, int drawableWidth, int drawableHeight) const;

    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    void (*copySubBuffer_)(void* display, unsigned long drawable, int x, int y, int w, int h) = nullptr;
    void* x11Display_ = nullptr;
    unsigned long x11Window_ = 0;
    int shownWidth_ = 0, shownHeight_ = 0;   // the drawable's size at the last whole frame
};

}  // namespace zembrol::platform
