// The world spheres kept as a picture: the slowly turning world is drawn into it
// every few frames and copied into each frame before anything else is drawn, in
// place of the cleared black (the world lies behind everything, so whatever the
// frame draws later covers it where it would have covered the spheres).
//
// The world is a texture magnified many times over: the spheres are drawn at half
// the view's size on each axis (a quarter of the pixels) and filtered up once per
// redraw into a picture of the view's size (platform::GlPicture), which each frame
// takes with a plain copy instead of shading every pixel of the view.
#pragma once

#include <epoxy/gl.h>

#include "platform/gl_picture.h"

namespace zembrol::render {

class WorldLayer {
public:
    WorldLayer() = default;
    WorldLayer(const WorldLayer&) = delete;
    WorldLayer& operator=(const WorldLayer&) = delete;
    ~WorldLayer();

    // Makes the pictures for a view of this size; false when the GL lacks them.
    bool Resize(int viewWidth, int viewHeight);
    // Drawing goes into the half-size picture (same projection as the view) until
    // End, which filters it up into the view-size picture and returns to the
    // window's framebuffer with the viewport and scissor test left off.
    void Begin();
    void End();
    // Copies the view-size picture into the window's framebuffer at the view, whose
    // lower-left corner is (viewX, viewY) in window pixels. Leaves the scissor off.
    void Lay(int viewX, int viewY);
    // Whether the picture holds a drawing made since it was (re)made or invalidated.
    bool Current() const { return current_; }
    void Invalidate() { current_ = false; }
    void Release();

private:
    bool MakeProgram();

    GLuint halfFbo_ = 0, halfColor_ = 0, halfDepth_ = 0;   // the spheres, half size
    platform::GlPicture full_;                               // filtered up to the view's size
    GLuint program_ = 0, vao_ = 0;
    int viewWidth_ = 0, viewHeight_ = 0;
    bool current_ = false;
};

}  // namespace zembrol::render
