// GL meshes and textures: the buffers of a mesh and the picture of a texture in GL
// memory, each owned by one object and released with it.
#pragma once

#include <epoxy/gl.h>

#include <utility>
#include <vector>

#include "render/meshes.h"
#include "render/render_types.h"

namespace zembrol::render {

class Device;

// A mesh in GL buffers.
class GlMesh {
public:
    GlMesh() = default;
    GlMesh(const GlMesh&) = delete;
    GlMesh& operator=(const GlMesh&) = delete;
    GlMesh(GlMesh&& o) noexcept { *this = std::move(o); }
    GlMesh& operator=(GlMesh&& o) noexcept;
    ~GlMesh() { Release(); }

    bool Upload(const MeshData& data, GLenum mode);
    void Release();
    bool Valid() const { return vao_ != 0; }
    // Rewrites the vertices (same count), e.g. a rectangle resized.
    void UpdateVertices(const std::vector<RenderVertex>& vertices);

private:
    friend class Device;
    GLuint vao_ = 0, vbo_ = 0, ibo_ = 0;
    GLsizei count_ = 0;
    GLenum mode_ = GL_TRIANGLES;
    bool indexed_ = false;
};

// A texture in GL memory.
class GlTexture {
public:
    GlTexture() = default;
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;
    GlTexture(GlTexture&& o) noexcept { *this = std::move(o); }
    GlTexture& operator=(GlTexture&& o) noexcept;
    ~GlTexture() { Release(); }

    // RGBA pixels, rows top to bottom; mipmapped, linear filters, wrapping.
    bool UploadRgba(int width, int height, const unsigned char* pixels);
    // One 8-bit channel (text coverage), no mipmaps, clamped.
    bool UploadCoverage(int width, int height, const unsigned char* pixels);
    void Release();
    GLuint Id() const { return id_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    // A new texture of these pixels, bound; the callers set its filters.
    bool Create(int width, int height, GLint internalFormat, GLenum format, const unsigned char* pixels);

    GLuint id_ = 0;
    int width_ = 0, height_ = 0;
};

}  // namespace zembrol::render
