// Main window and GL context through SDL2; GL calls through libepoxy.
#include "platform/gl_window.h"

#include <SDL.h>
#include <epoxy/gl.h>

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
                                   SDL_WINDOW_ALLOW_HIGHDPI);
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
    return true;
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

void GlWindow::Swap() {
    if (window_) SDL_GL_SwapWindow(window_);
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
