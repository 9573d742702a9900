// The world picture: a half-size target the spheres are drawn into, the
// view-size picture they are filtered up into, and the copy into the frame.
#include "render/world_layer.h"

#include "render/gl_device.h"

namespace zembrol::render {

namespace {
// One rectangle covering the target; each pixel reads the half-size picture where
// it lies in the view, filtered, with the rows turned over: the view-size picture
// keeps its rows top to bottom (platform::GlPicture). A plain filtered copy of a
// rectangle between two pictures in the window's pixel layout is what Mesa's
// software rasteriser copies on its fast 8-bit path, at under half the cost of a
// general shader (a triangle, or texture coordinates made from the pixel's place,
// leave that path).
const char* const kVertex = R"(#version 330 core
out vec2 vAt;
void main() {
    vec2 corner = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
    vAt = vec2(corner.x, 1.0 - corner.y);
}
)";
const char* const kFragment = R"(#version 330 core
uniform sampler2D uWorld;
in vec2 vAt;
out vec4 color;
void main() {
    color = texture(uWorld, vAt);
}
)";

}  // namespace

WorldLayer::~WorldLayer() {
    Release();
    if (program_) glDeleteProgram(program_);
    if (vao_) glDeleteVertexArrays(1, &vao_);
}

bool WorldLayer::MakeProgram() {
    if (program_) return true;
    program_ = LinkProgram(kVertex, kFragment, nullptr);
    if (!program_) return false;
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "uWorld"), 0);
    glUseProgram(static_cast<GLuint>(previous));
    glGenVertexArrays(1, &vao_);
    return true;
}

bool WorldLayer::Resize(int viewWidth, int viewHeight) {
    if (viewWidth == viewWidth_ && viewHeight == viewHeight_ && halfFbo_) return true;
    Release();
    if (viewWidth <= 0 || viewHeight <= 0 || !MakeProgram()) return false;
    const int halfWidth = (viewWidth + 1) / 2, halfHeight = (viewHeight + 1) / 2;
    glGenTextures(1, &halfColor_);
    glBindTexture(GL_TEXTURE_2D, halfColor_);
    // Blue-green-red-alpha, as the view-size picture and the window keep their pixels.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, halfWidth, halfHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenRenderbuffers(1, &halfDepth_);
    glBindRenderbuffer(GL_RENDERBUFFER, halfDepth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, halfWidth, halfHeight);
    glGenFramebuffers(1, &halfFbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, halfFbo_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, halfColor_, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, halfDepth_);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete || glGetError() != GL_NO_ERROR || !full_.Resize(viewWidth, viewHeight)) {
        Release();
        return false;
    }
    viewWidth_ = viewWidth;
    viewHeight_ = viewHeight;
    return true;
}

void WorldLayer::Begin() {
    glBindFramebuffer(GL_FRAMEBUFFER, halfFbo_);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, (viewWidth_ + 1) / 2, (viewHeight_ + 1) / 2);
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void WorldLayer::End() {
    GLint program = 0, vao = 0, texture = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vao);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    const GLboolean blend = glIsEnabled(GL_BLEND), depth = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    full_.BindRowsTopDown();
    glUseProgram(program_);
    glBindTexture(GL_TEXTURE_2D, halfColor_);
    glBindVertexArray(vao_);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindVertexArray(static_cast<GLuint>(vao));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glUseProgram(static_cast<GLuint>(program));
    if (blend) glEnable(GL_BLEND);
    if (depth) glEnable(GL_DEPTH_TEST);
    current_ = true;
}

void WorldLayer::Lay(int viewX, int viewY) { full_.CopyToWindow(viewX, viewY); }

void WorldLayer::Release() {
    if (halfFbo_) glDeleteFramebuffers(1, &halfFbo_);
    if (halfColor_) glDeleteTextures(1, &halfColor_);
    if (halfDepth_) glDeleteRenderbuffers(1, &halfDepth_);
    full_.Release();
    halfFbo_ = halfColor_ = halfDepth_ = 0;
    viewWidth_ = viewHeight_ = 0;
    current_ = false;
}

}  // namespace zembrol::render
