// The device's shader text: the vertex stage that lights per vertex as the fixed-function
// pipeline did, the fragment stage with a variant for each state, and the compiling
// and linking of them (for the device and for the world's picture copy).
#include "render/gl_shaders.h"

namespace zembrol::render {

namespace {

// Lighting per vertex, as the fixed-function pipeline did: emissive + material
// ambient x (ambient light + every light's ambient) + diffuse x N.L per light, each
// light attenuated by 1 / (a0 + a1 d + a2 d^2) inside its range. Flat shading takes
// the first vertex of each triangle. Specular light is off, as the scene's render
// states leave it: with the materials' power 0 it would add each light's full colour
// and wash the lit figure out to white. With power 0, when switched on, it is full
// wherever a light reaches the front of the face. With uChosenLights a vertex adds only its
// instance's chosen lights (the CPU keeps those that reach the instance), which
// spares a software vertex stage most of the loop over a full field of cells.
const char* const kVertexShader = R"(
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aUV;
layout(location = 3) in vec4 iOffset;
layout(location = 4) in vec4 iScale;
layout(location = 5) in vec4 iAmbient;
layout(location = 6) in vec4 iTint;
layout(location = 7) in vec4 iUV;
layout(location = 8) in vec4 iLights;

uniform mat4 uViewProj;
uniform mat4 uWorld;
uniform vec3 uEye;
uniform int uLighting;
uniform int uSpecularOn;
uniform int uNumLights;
uniform int uChosenLights;
uniform vec3 uLightPos[16];
uniform vec3 uLightColor[16];
uniform vec4 uLightAtten;   // range, constant, linear, quadratic
uniform vec4 uMatDiffuse;
uniform vec4 uMatAmbient;
uniform vec4 uMatSpecular;
uniform vec4 uMatEmissive;
uniform float uMatPower;
uniform vec3 uFaceNormal[6];   // the cube's faces, for instances that name one
uniform vec3 uFaceS[6];
uniform vec3 uFaceT[6];
uniform float uTexScale;

VARYING(0) flat out vec4 vDiffuse;
VARYING(1) flat out vec3 vSpecular;
VARYING(2) flat out float vTexScale;
VARYING(3) out vec2 vUV;

// One light's ambient, diffuse and specular parts at a vertex.
void AddLight(int i, vec3 P, vec3 N, vec3 V, bool hasNormal, inout vec3 amb, inout vec3 dif, inout vec3 spe) {
    vec3 toLight = uLightPos[i] - P;
    float d = length(toLight);
    if (d > uLightAtten.x) return;
    float att = 1.0 / (uLightAtten.y + uLightAtten.z * d + uLightAtten.w * d * d);
    amb += uLightColor[i] * att;
    if (!hasNormal || d <= 0.0) return;
    vec3 L = toLight / d;
    float ndl = dot(N, L);
    if (ndl <= 0.0) return;
    dif += uLightColor[i] * (ndl * att);
    if (uSpecularOn != 0) {
        float ndh = max(dot(N, normalize(L + V)), 0.0);
        spe += uLightColor[i] * (att * (uMatPower > 0.0 ? pow(ndh, uMatPower) : 1.0));
    }
}

void main() {
    // An instance naming a cube face lays the unit quad onto it.
    int face = int(iOffset.w) - 1;
    int f = max(face, 0);
    vec3 meshPos = face >= 0 ? uFaceNormal[f] * 0.5 + uFaceS[f] * aPos.x + uFaceT[f] * aPos.y : aPos;
    vec3 meshNormal = face >= 0 ? uFaceNormal[f] : aNormal;
    vec3 local = meshPos * iScale.xyz + iOffset.xyz;
    vec3 P = (uWorld * vec4(local, 1.0)).xyz;
    gl_Position = uViewProj * vec4(P, 1.0);
    vUV = aUV * iUV.xy + iUV.zw;
    vTexScale = uTexScale;
    if (uLighting == 0) {
        vDiffuse = iTint;   // white unless the instance is coloured text
        vSpecular = vec3(0.0);
        return;
    }
    vec3 N = mat3(uWorld) * meshNormal;
    float nlen = length(N);
    bool hasNormal = nlen > 1e-6;
    N = hasNormal ? N / nlen : vec3(0.0);
    vec3 V = normalize(uEye - P);
    vec3 amb = iAmbient.rgb;
    vec3 dif = vec3(0.0);
    vec3 spe = vec3(0.0);
    if (uChosenLights != 0) {
        for (int k = 0; k < 4; ++k) {
            int i = int(iLights[k]);
            if (i < 0) break;
            AddLight(i, P, N, V, hasNormal, amb, dif, spe);
        }
    } else {
        for (int i = 0; i < uNumLights; ++i) AddLight(i, P, N, V, hasNormal, amb, dif, spe);
    }
    vec4 matDiffuse = uMatDiffuse * vec4(iTint.rgb, 1.0);
    vec4 matAmbient = uMatAmbient * vec4(iTint.rgb, 1.0);
    vDiffuse = vec4(clamp(uMatEmissive.rgb + matAmbient.rgb * amb + matDiffuse.rgb * dif, 0.0, 1.0), matDiffuse.a);
    vSpecular = clamp(uMatSpecular.rgb * spe, 0.0, 1.0);
}
)";

// Stage 0: texture x diffuse (x 2 for modulate 2x), alpha from the texture; the
// specular colour is added after. Text draws coverage x the instance colour.
// TEXT_MODE, TEXTURED and SPECULAR are constants in each of the fragment stages
// the device keeps for its states: a software rasteriser runs every operation of
// a shader on every pixel, branches and additions of zero included, so each state
// gets a stage holding only its own. Each stage computes what the whole shader
// computes in its state, to the bit (x 1.0 and + 0.0 are left out, nothing else).
const char* const kFragmentShader = R"(
VARYING(0) flat in vec4 vDiffuse;
VARYING(1) flat in vec3 vSpecular;
VARYING(2) flat in float vTexScale;
VARYING(3) in vec2 vUV;
uniform sampler2D uTex;
out vec4 fragColor;
void main() {
    if (TEXT_MODE) {
        fragColor = vec4(vDiffuse.rgb, vDiffuse.a * texture(uTex, vUV).r);
        return;
    }
    vec4 t = TEXTURED ? texture(uTex, vUV) : vec4(1.0);
    vec3 c = min(t.rgb * vDiffuse.rgb * vTexScale, vec3(1.0));
    if (SPECULAR) c += vSpecular;
    fragColor = vec4(c, TEXTURED ? t.a : vDiffuse.a);
}
)";

// Without separate stages one program holds the whole shader, its choices made
// per pixel from uniforms.
const char* const kOneProgramHeader = R"(#version 330 core
#define VARYING(n)
uniform int uMode;
uniform int uHasTex;
#define TEXT_MODE (uMode == 1)
#define TEXTURED (uHasTex != 0)
#define SPECULAR true
)";

const char* const kSeparateHeader = R"(#version 330 core
#extension GL_ARB_separate_shader_objects : require
#define VARYING(n) layout(location = n)
)";

}  // namespace

std::string FragmentStageSource(int stage) {
    auto flag = [](bool on) { return on ? "true\n" : "false\n"; };
    const bool text = stage == kTextStage;
    return std::string(kSeparateHeader) + "#define TEXT_MODE " + flag(text) + "#define TEXTURED " +
           flag(text || (stage & kTexturedStage) != 0) + "#define SPECULAR " +
           flag(!text && (stage & kSpecularStage) != 0) + kFragmentShader;
}

namespace {

GLuint Compile(GLenum type, const char* src, std::string* error) {
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048] = {};
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        if (error) *error = std::string("shader: ") + log;
        glDeleteShader(s);
        return 0;
    }
    return s;
}

}  // namespace

std::string SeparateVertexSource() { return std::string(kSeparateHeader) + kVertexShader; }
std::string OneProgramVertexSource() { return std::string(kOneProgramHeader) + kVertexShader; }
std::string OneProgramFragmentSource() { return std::string(kOneProgramHeader) + kFragmentShader; }

namespace {
// The program when it linked; otherwise 0, the program deleted and its log in `error`.
GLuint Linked(GLuint program, const char* what, std::string* error) {
    GLint ok = 0;
    if (program) glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok) return program;
    char log[2048] = {};
    if (program) glGetProgramInfoLog(program, sizeof log, nullptr, log);
    if (error) *error = what + std::string(log);
    if (program) glDeleteProgram(program);
    return 0;
}
}  // namespace

GLuint LinkProgram(const char* vertexSource, const char* fragmentSource, std::string* error) {
    GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource, error);
    if (!vs) return 0;
    GLuint fs = Compile(GL_FRAGMENT_SHADER, fragmentSource, error);
    if (!fs) {
        glDeleteShader(vs);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    return Linked(program, "shader link: ", error);
}

GLuint StageProgram(GLenum type, const std::string& source, std::string* error) {
    const char* text = source.c_str();
    return Linked(glCreateShaderProgramv(type, 1, &text), "shader stage: ", error);
}

}  // namespace zembrol::render
