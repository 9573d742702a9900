// The window-layout picture, its drawing target and the copy.
#include "platform/gl_picture.h"

#include <algorithm>

namespace zembrol::platform {

namespace {
// A colour texture with a framebuffer around it; false when the GL cannot make it.
bool MakeTarget(int width, int height, GLuint* fbo, GLuint* color) {
    glGenTextures(1, color);
    glBindTexture(GL_TEXTURE_2D, *color);
    // An unsized format with blue-green-red-alpha data takes the window's layout.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffers(1, fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, *fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, *color, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete && glGetError() == GL_NO_ERROR;
}

void FreeTarget(GLuint* fbo, GLuint* color) {
    if (*fbo) glDeleteFramebuffers(1, fbo);
    if (*color) glDeleteTextures(1, color);
    *fbo = *color = 0;
}

// Copies the whole of `from` into `to` (both framebuffers of this size) turned over.
void CopyTurned(GLuint from, GLuint to, int fromX, int fromY, int toX, int toY, int width, int height) {
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    glBlitFramebuffer(fromX, fromY + height, fromX + width, fromY, toX, toY, toX + width, toY + height,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}
}  // namespace

bool GlPicture::Resize(int width, int height) {
    if (fbo_ && width == width_ && height == height_) return true;
    Release();
    if (width <= 0 || height <= 0) return false;
    if (!MakeTarget(width, height, &fbo_, &color_)) {
        Release();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void GlPicture::BindForDrawing() {
    if (fbo_ && !drawFbo_ && !MakeTarget(width_, height_, &drawFbo_, &drawColor_)) FreeTarget(&drawFbo_, &drawColor_);
    glBindFramebuffer(GL_FRAMEBUFFER, drawFbo_ ? drawFbo_ : fbo_);
    glViewport(0, 0, width_, height_);
}

void GlPicture::Seal() {
    if (drawFbo_) CopyTurned(drawFbo_, fbo_, 0, 0, 0, 0, width_, height_);
    else glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void GlPicture::BindRowsTopDown() const {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glViewport(0, 0, width_, height_);
}

void GlPicture::CopyToWindow(int x, int y) const {
    if (fbo_) CopyTurned(fbo_, 0, 0, 0, x, y, width_, height_);
}

void GlPicture::CopyPartToWindow(int x, int y, int width, int height) const {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + width), y1 = std::min(height_, y + height);
    if (!fbo_ || x0 >= x1 || y0 >= y1) return;
    // The picture keeps its rows turned over: upright row r is its row height - 1 - r.
    CopyTurned(fbo_, 0, x0, height_ - y1, x0, y0, x1 - x0, y1 - y0);
}

void GlPicture::Release() {
    FreeTarget(&fbo_, &color_);
    FreeTarget(&drawFbo_, &drawColor_);
    width_ = height_ = 0;
}

}  // namespace zembrol::platform
