// The world spheres kept as a picture of the 3D view's size: the slowly turning
// world is drawn into it every few frames and laid into each frame behind
// everything else, where nothing nearer was drawn.
#pragma once

#include <epoxy/gl.h>

namespace zembrol::render {

class WorldLayer {
public:
    WorldLayer() = default;
    WorldLayer(const WorldLayer&) = delete;
    WorldLayer& operator=(const WorldLayer&) = delete;
    ~WorldLayer();

    // Makes the picture (and its depth) width x height; false when the GL lacks it.
    bool Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Drawing goes into the picture until End (which restores the window's framebuffer).
    void Begin();
    void End();
    // Lays the picture into the current view at the far end of the depth range:
    // only pixels that nothing has covered yet take it. (viewX, viewY) is the
    // view's lower-left corner in window pixels.
    void Composite(int viewX, int viewY);
    void Release();

private:
    bool MakeProgram();

    GLuint fbo_ = 0, color_ = 0, depth_ = 0, program_ = 0, vao_ = 0;
    GLint offsetLoc_ = -1;
    int width_ = 0, height_ = 0;
};

}  // namespace zembrol::render
