// GL meshes and textures: buffers and pictures in GL memory, released with their owner.
#include "render/gl_resources.h"

#include <utility>

namespace zembrol::render {

GlMesh& GlMesh::operator=(GlMesh&& o) noexcept {
    if (this != &o) {
        Release();
        std::swap(vao_, o.vao_);
        std::swap(vbo_, o.vbo_);
        std::swap(ibo_, o.ibo_);
        count_ = o.count_;
        mode_ = o.mode_;
        indexed_ = o.indexed_;
    }
    return *this;
}

bool GlMesh::Upload(const MeshData& data, GLenum mode) {
    Release();
    if (data.vertices.empty()) return false;
    glGenVertexArrays(1, &vao_);
    glBindVertexArray(vao_);
    glGenBuffers(1, &vbo_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.vertices.size() * sizeof(RenderVertex)),
                 data.vertices.data(), GL_STATIC_DRAW);
    const auto stride = static_cast<GLsizei>(sizeof(RenderVertex));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(12));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(24));
    indexed_ = !data.indices.empty();
    if (indexed_) {
        glGenBuffers(1, &ibo_);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.indices.size() * sizeof(uint16_t)),
                     data.indices.data(), GL_STATIC_DRAW);
        count_ = static_cast<GLsizei>(data.indices.size());
    } else {
        count_ = static_cast<GLsizei>(data.vertices.size());
    }
    mode_ = mode;
    glBindVertexArray(0);
    return glGetError() == GL_NO_ERROR;
}

void GlMesh::UpdateVertices(const std::vector<RenderVertex>& vertices) {
    if (!vbo_) return;
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertices.size() * sizeof(RenderVertex)), vertices.data());
}

void GlMesh::Release() {
    if (ibo_) glDeleteBuffers(1, &ibo_);
    if (vbo_) glDeleteBuffers(1, &vbo_);
    if (vao_) glDeleteVertexArrays(1, &vao_);
    vao_ = vbo_ = ibo_ = 0;
    count_ = 0;
}

// --- GlTexture ----------------------------------------------------------------------

GlTexture& GlTexture::operator=(GlTexture&& o) noexcept {
    if (this != &o) {
        Release();
        std::swap(id_, o.id_);
        width_ = o.width_;
        height_ = o.height_;
    }
    return *this;
}

bool GlTexture::Create(int width, int height, GLint internalFormat, GLenum format, const unsigned char* pixels) {
    Release();
    if (width <= 0 || height <= 0) return false;
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    width_ = width;
    height_ = height;
    return true;
}

bool GlTexture::UploadRgba(int width, int height, const unsigned char* pixels) {
    if (!Create(width, height, GL_RGBA8, GL_RGBA, pixels)) return false;
    glGenerateMipmap(GL_TEXTURE_2D);
    // Bilinear within the nearer mip level: the look of linear filtering at half
    // the texel reads of trilinear, which a software rasteriser feels.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return glGetError() == GL_NO_ERROR;
}

bool GlTexture::UploadCoverage(int width, int height, const unsigned char* pixels) {
    if (!Create(width, height, GL_R8, GL_RED, pixels)) return false;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return glGetError() == GL_NO_ERROR;
}

void GlTexture::Release() {
    if (id_) glDeleteTextures(1, &id_);
    id_ = 0;
    width_ = height_ = 0;
}

}  // namespace zembrol::render
