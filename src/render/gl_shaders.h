// The device's shader text and the compiling and linking of shaders.
#pragma once

#include <epoxy/gl.h>

#include <string>

namespace zembrol::render {

// Compiles and links a vertex and fragment shader pair; 0 with the reason on failure.
GLuint LinkProgram(const char* vertexSource, const char* fragmentSource, std::string* error);
// One separable stage as its own program; 0 with the reason on failure.
GLuint StageProgram(GLenum type, const std::string& source, std::string* error);

// The fragment stages by index: the textured and specular bits, or the text stage.
inline constexpr int kTexturedStage = 1, kSpecularStage = 2, kTextStage = 4;

// The separate vertex stage, and each fragment stage with its state's choices fixed.
std::string SeparateVertexSource();
std::string FragmentStageSource(int stage);
// Without separate stages: one program whose choices are made per pixel from uniforms.
std::string OneProgramVertexSource();
std::string OneProgramFragmentSource();

}  // namespace zembrol::render
