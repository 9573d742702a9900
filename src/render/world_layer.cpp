// The world picture: a half-size target the spheres are drawn into, the
// view-size picture they are filtered up into, and the copy into the frame.
#include "render/world_layer.h"

#include "render/gl_device.h"

namespace zembrol::render {

namespace {
// One triangle covering the target; each pixel reads the half-size picture where
// it lies in the view, filtered.
const char* const kVertex = R"(#version 330 core
void main() {
    vec2 p = vec2((gl_VertexID == 1) ? 3.0 : -1.0, (gl_VertexID == 2) ? 3.0 : -1.0);
    gl_Position = vec4(p, 0.0, 1.0);
}
)";
const char* const kFragment = R"(#version 330 core
uniform sampler2D uWorld;
uniform vec2 uInvSize;
out vec4 color;
void main() { color = texture(uWorld, gl_FragCoord.xy * uInvSize); }
)";

GLuint ColorTexture(int width, int height, GLint internalFormat, GLenum format, GLint filter) {
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return id;
}

bool Complete() { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }

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
    if (viewWidth == viewWidth_ && viewHeight == viewHeight_ && fullFbo_) return true;
    Release();
    if (viewWidth <= 0 || viewHeight <= 0 || !MakeProgram()) return false;
    const int halfWidth = (viewWidth + 1) / 2, halfHeight = (viewHeight + 1) / 2;
    halfColor_ = ColorTexture(halfWidth, halfHeight, GL_RGBA8, GL_RGBA, GL_LINEAR);
    glGenRenderbuffers(1, &halfDepth_);
    glBindRenderbuffer(GL_RENDERBUFFER, halfDepth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, halfWidth, halfHeight);
    glGenFramebuffers(1, &halfFbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, halfFbo_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, halfColor_, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, halfDepth_);
    bool complete = Complete();
    // The window's pixels are laid out blue-green-red-alpha; a picture in the same
    // layout lets the driver copy it into the frame as plain memory.
    fullColor_ = ColorTexture(viewWidth, viewHeight, GL_RGBA, GL_BGRA, GL_NEAREST);
    glGenFramebuffers(1, &fullFbo_);
    glBindFramebuffer(GL_FRAMEBUFFER, fullFbo_);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, fullColor_, 0);
    complete = complete && Complete();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete || glGetError() != GL_NO_ERROR) {
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
    glBindFramebuffer(GL_FRAMEBUFFER, fullFbo_);
    glViewport(0, 0, viewWidth_, viewHeight_);
    glUseProgram(program_);
    glUniform2f(glGetUniformLocation(program_, "uInvSize"), 1.0f / static_cast<float>(viewWidth_),
                1.0f / static_cast<float>(viewHeight_));
    glBindTexture(GL_TEXTURE_2D, halfColor_);
    glBindVertexArray(vao_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindVertexArray(static_cast<GLuint>(vao));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glUseProgram(static_cast<GLuint>(program));
    if (blend) glEnable(GL_BLEND);
    if (depth) glEnable(GL_DEPTH_TEST);
}

void WorldLayer::Lay(int viewX, int viewY) {
    // A copy of the same size with no scissor is plain memory to the driver.
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fullFbo_);
    glBlitFramebuffer(0, 0, viewWidth_, viewHeight_, viewX, viewY, viewX + viewWidth_, viewY + viewHeight_,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}

void WorldLayer::Release() {
    if (halfFbo_) glDeleteFramebuffers(1, &halfFbo_);
    if (fullFbo_) glDeleteFramebuffers(1, &fullFbo_);
    if (halfColor_) glDeleteTextures(1, &halfColor_);
    if (fullColor_) glDeleteTextures(1, &fullColor_);
    if (halfDepth_) glDeleteRenderbuffers(1, &halfDepth_);
    halfFbo_ = fullFbo_ = halfColor_ = fullColor_ = halfDepth_ = 0;
    viewWidth_ = viewHeight_ = 0;
}

}  // namespace zembrol::render
