// Main window and GL context through SDL2; GL calls through libepoxy.
#include "platform/gl_window.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_syswm.h>
#include <epoxy/gl.h>
#include <epoxy/glx.h>

#include <vector>

#include "platform/image.h"
#include "platform/window_place.h"

namespace zembrol::platform {

bool GlWindow::Create(const std::string& title, int width, int height, std::string* error) {
    Destroy();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS |
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
        if (error) *error = SDL_GetError();
        return false;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        if (error) *error = SDL_GetError();
        Destroy();
        return false;
    }
    SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_));
    SDL_GL_SetSwapInterval(0);  // the game paces its own passes
    FindPartialPresent();
    return true;
}

void GlWindow::FindPartialPresent() {
    copySubBuffer_ = nullptr;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    // Only a GLX context can copy part of its back buffer (an EGL one has no such call).
    if (!epoxy_has_glx(display) || !glXGetCurrentContext()) return;
    if (!epoxy_has_glx_extension(display, DefaultScreen(display), "GLX_MESA_copy_sub_buffer")) return;
    x11Display_ = display;
    x11Window_ = info.info.x11.window;
    copySubBuffer_ = [](void* d, unsigned long w, int x, int y, int cw, int ch) {
        glXCopySubBufferMESA(static_cast<Display*>(d), static_cast<GLXDrawable>(w), x, y, cw, ch);
    };
}

bool GlWindow::X11SizeIs(int w, int h) const {
    // The window manager may have given the window another size than the one asked
    // for; the GL's buffers follow the window the X server has.
    ::Window root;
    int x, y;
    unsigned int rw = 0, rh = 0, border, depth;
    if (!XGetGeometry(static_cast<Display*>(x11Display_), x11Window_, &root, &x, &y, &rw, &rh, &border, &depth))
        return false;
    return static_cast<int>(rw) == w && static_cast<int>(rh) == h;
}

bool GlWindow::CanPresentPart(const PixelBox& box, int drawableWidth, int drawableHeight) const {
    // A part is copied only at the size the last whole frame was shown at: while the
    // window changes size the GL's buffers may not have followed yet.
    return copySubBuffer_ && drawableWidth == shownWidth_ && drawableHeight == shownHeight_ && box.x >= 0 &&
           box.y >= 0 && box.x + box.width <= drawableWidth && box.y + box.height <= drawableHeight;
}

void GlWindow::PresentRegion(int x, int y, int w, int h) { PresentRegions({PixelBox{x, y, w, h}}); }

void GlWindow::PresentRegions(const std::vector<PixelBox>& boxes) {
    if (!window_) return;
    int dw = 0, dh = 0;
    DrawableSize(&dw, &dh);
    bool parts = copySubBuffer_ && X11SizeIs(dw, dh);
    for (const PixelBox& b : boxes) parts = parts && CanPresentPart(b, dw, dh);
    if (!parts) {
        Present();
        return;
    }
    // GL counts rows from the bottom.
    for (const PixelBox& b : boxes)
        if (!b.Empty()) copySubBuffer_(x11Display_, x11Window_, b.x, dh - (b.y + b.height), b.width, b.height);
}

void GlWindow::Present() {
    if (!window_) return;
    DrawableSize(&shownWidth_, &shownHeight_);
    SDL_GL_SwapWindow(window_);
}

void GlWindow::Show() {
    if (window_) SDL_ShowWindow(window_);
}

void GlWindow::Destroy() {
    if (context_) SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
    context_ = nullptr;
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

GlInfo GlWindow::Info() const {
    GlInfo info;
    if (!context_) return info;
    auto str = [](GLenum name) {
        const GLubyte* s = glGetString(name);
        return s ? std::string(reinterpret_cast<const char*>(s)) : std::string();
    };
    info.vendor = str(GL_VENDOR);
    info.renderer = str(GL_RENDERER);
    info.version = str(GL_VERSION);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &info.maxTextureSize);
    SetImageSideLimit(info.maxTextureSize);
    return info;
}

namespace {
std::vector<DisplayArea> Displays() {
    std::vector<DisplayArea> displays;
    const int n = SDL_GetNumVideoDisplays();
    for (int i = 0; i < n; ++i) {
        SDL_Rect b, u;
        if (SDL_GetDisplayBounds(i, &b) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &u) != 0) u = b;
        displays.push_back({{b.x, b.y, b.w, b.h}, {u.x, u.y, u.w, u.h}});
    }
    return displays;
}
}  // namespace

void GlWindow::SetPosition(int x, int y) {
    if (!window_) return;
    // A saved position may come from another desktop or a smaller window: the
    // window stays inside the display it opens on, its close button in reach.
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    const ScreenPoint at = KeepOnDisplay({x, y}, w, h, Displays());
    SDL_SetWindowPosition(window_, at.x, at.y);
}

void GlWindow::SetSize(int w, int h) {
    if (!window_ || w <= 0 || h <= 0) return;
    // Never larger than the display's usable area: the window stays whole on screen.
    int x = 0, y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    for (const DisplayArea& a : Displays()) {
        const ScreenRect& d = a.bounds;
        if (x + w / 2 >= d.x && x + w / 2 < d.x + d.w && y + h / 2 >= d.y && y + h / 2 < d.y + d.h) {
            w = std::min(w, a.usable.w);
            h = std::min(h, a.usable.h);
        }
    }
    SDL_SetWindowSize(window_, w, h);
    SetPosition(x, y);
}

void GlWindow::GetSize(int* w, int* h) const {
    *w = *h = 0;
    if (window_) SDL_GetWindowSize(window_, w, h);
}

void GlWindow::SetMinimumSize(int w, int h) {
    if (window_) SDL_SetWindowMinimumSize(window_, w, h);
}

void GlWindow::SetFullscreen(bool on) {
    if (window_) SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool GlWindow::IsFullscreen() const {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

bool GlWindow::IsMaximized() const { return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED); }

bool GlWindow::IsShown() const {
    return window_ && !(SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN));
}

void GlWindow::GetPosition(int* x, int* y) const {
    *x = *y = 0;
    if (window_) SDL_GetWindowPosition(window_, x, y);
}

void GlWindow::DrawableSize(int* w, int* h) const {
    *w = *h = 0;
    if (window_) SDL_GL_GetDrawableSize(window_, w, h);
}

void GlWindow::Restore() {
    if (window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED)) SDL_RestoreWindow(window_);
}

void GlWindow::Minimize() {
    if (window_) SDL_MinimizeWindow(window_);
}

void GlWindow::Raise() {
    if (window_) SDL_RaiseWindow(window_);
}

void GlWindow::Clear(float r, float g, float b) {
    if (!context_) return;
    SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_));
    int w, h;
    DrawableSize(&w, &h);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, w, h);
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

uint32_t GlWindow::Id() const { return window_ ? SDL_GetWindowID(window_) : 0; }

}  // namespace zembrol::platform
