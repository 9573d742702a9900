// A picture GL can draw into and then copy into the window's framebuffer as plain
// memory. Used for what changes seldom but covers many pixels: the window's still
// backdrop and the slowly turning world behind the 3D view.
//
// The window's framebuffer keeps its rows top to bottom, a texture bottom to top,
// so a plain copy between them turns the picture over. The picture is therefore
// kept turned over (rows top to bottom in GL's terms) and copied with the turn
// asked for: the two turns cancel and a software rasteriser copies memory instead
// of shading every pixel. On any other GL the result is the same, only the speed
// may differ.
#pragma once

#include <epoxy/gl.h>

namespace zembrol::platform {

class GlPicture {
public:
    GlPicture() = default;
    GlPicture(const GlPicture&) = delete;
    GlPicture& operator=(const GlPicture&) = delete;
    ~GlPicture() { Release(); }

    // Makes the picture width x height (kept as it is when the size is the same);
    // false when the GL cannot make it.
    bool Resize(int width, int height);
    // Drawing the usual way: binds a drawing target of the picture's size (viewport
    // set); Seal then turns what was drawn into the picture, once.
    void BindForDrawing();
    void Seal();
    // Drawing straight into the picture, for a pass that writes its rows top to
    // bottom itself (pixel (x, y) takes what belongs at (x, height - 1 - y)).
    void BindRowsTopDown() const;
    // Copies the picture into the window's framebuffer with its lower-left corner at
    // (x, y) in window pixels. Leaves the scissor test off and the window bound.
    void CopyToWindow(int x, int y) const;
    // Copies only the part (x, y, width, height) of a picture whose lower-left corner is
    // the window's, to the same place, in GL's terms (rows counted upward). Leaves the
    // scissor test off and the window bound.
    void CopyPartToWindow(int x, int y, int width, int height) const;
    void Release();
    bool Valid() const { return fbo_ != 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    GLuint fbo_ = 0, color_ = 0;            // the picture, rows top to bottom
    GLuint drawFbo_ = 0, drawColor_ = 0;    // the drawing target, made on first use
    int width_ = 0, height_ = 0;
};

}  // namespace zembrol::platform
