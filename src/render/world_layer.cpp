// The world picture: an off-screen colour and depth target and the far quad that
// lays it into the frame.
#include "render/world_layer.h"

#include "render/gl_device.h"

namespace zembrol::render {

namespace {
// One triangle covering the view, at the far end of the depth range; each pixel
// reads its own texel of the picture.
const char* const kVertex = R"(#version 330 core
void main() {
    vec2 p = vec2((gl_VertexID == 1) ? 3.0 : -1.0, (gl_VertexID == 2) ? 3.0 : -1.0);
    gl_Position = vec4(p, 0.999999, 1.0);
}
)";
const char* const kFragment = R"(#version 330 core
uniform sampler2D uWorld;
uniform ivec2 uOffset;
out vec4 color;
void main() { color = texelFetch(uWorld, ivec2(gl_FragCoord.xy) - uOffset, 0); }
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
    offsetLoc_ = glGetUniformLocation(program_, "uOffset");
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "uWorld"), 0);
    glUseProgram(static_cast<GLuint>(previous));
    glGenVertexArrays(1, &vao_);
    return true;
}

bool WorldLayer::Resize(int width, int height) {
    if (width == width_ && height == height_ && fbo_) return true;
    Release();
    if (width <= 0 || height <= 0 || !MakeProgram()) return false;
    glGenTextures(1, &color_);
    glBindTexture(GL_TEXTURE_2D, color_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glGenFramebuffers(1, &fbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        Release();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void WorldLayer::Begin() {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, width_, height_);
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void WorldLayer::End() { glBindFramebuffer(GL_FRAMEBUFFER, 0); }

void WorldLayer::Composite(int viewX, int viewY) {
    GLint program = 0, vao = 0, texture = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vao);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    const GLboolean blend = glIsEnabled(GL_BLEND);
    glDisable(GL_BLEND);
    glUseProgram(program_);
    glUniform2i(offsetLoc_, viewX, viewY);
    glBindTexture(GL_TEXTURE_2D, color_);
    glBindVertexArray(vao_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(static_cast<GLuint>(vao));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glUseProgram(static_cast<GLuint>(program));
    if (blend) glEnable(GL_BLEND);
}

void WorldLayer::Release() {
    if (fbo_) glDeleteFramebuffers(1, &fbo_);
    if (color_) glDeleteTextures(1, &color_);
    if (depth_) glDeleteRenderbuffers(1, &depth_);
    fbo_ = color_ = depth_ = 0;
    width_ = height_ = 0;
}

}  // namespace zembrol::render
