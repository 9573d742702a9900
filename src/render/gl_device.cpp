// GL device: shader pair, states, buffers and counted draws.
#include "render/gl_device.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <utility>

namespace zembrol::render {

namespace {

// Offset, scale, ambient, tint, texture coordinates, chosen lights: vec4 each,
// at attribute locations 3 and on.
constexpr GLuint kInstanceAttributes = sizeof(Instance) / 16;

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

// The fragment stages by index: the textured and specular bits, or the text stage.
constexpr int kTexturedStage = 1, kSpecularStage = 2, kTextStage = 4;

std::string FragmentStageSource(int stage) {
    auto flag = [](bool on) { return on ? "true\n" : "false\n"; };
    const bool text = stage == kTextStage;
    return std::string(kSeparateHeader) + "#define TEXT_MODE " + flag(text) + "#define TEXTURED " +
           flag(text || (stage & kTexturedStage) != 0) + "#define SPECULAR " +
           flag(!text && (stage & kSpecularStage) != 0) + kFragmentShader;
}

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

void SetColor(GLint loc, const ColorValue& c) { glUniform4f(loc, c.r, c.g, c.b, c.a); }

}  // namespace

GLenum GlBlendFactor(BlendCode code) {
    switch (code) {
        case kBlendZero: return GL_ZERO;
        case kBlendOne: return GL_ONE;
        case kBlendSrcColor: return GL_SRC_COLOR;
        case kBlendInvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
        case kBlendSrcAlpha: return GL_SRC_ALPHA;
        case kBlendInvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
        case kBlendDestAlpha: return GL_DST_ALPHA;
        case kBlendInvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
        case kBlendDestColor: return GL_DST_COLOR;
        case kBlendInvDestColor: return GL_ONE_MINUS_DST_COLOR;
        default: return 0;
    }
}

// --- GlMesh -------------------------------------------------------------------------

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

bool GlTexture::UploadRgba(int width, int height, const unsigned char* pixels) {
    Release();
    if (width <= 0 || height <= 0) return false;
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glGenerateMipmap(GL_TEXTURE_2D);
    // Bilinear within the nearer mip level: the look of linear filtering at half
    // the texel reads of trilinear, which a software rasteriser feels.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    width_ = width;
    height_ = height;
    return glGetError() == GL_NO_ERROR;
}

bool GlTexture::UploadCoverage(int width, int height, const unsigned char* pixels) {
    Release();
    if (width <= 0 || height <= 0) return false;
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_2D, id_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, width, height, 0, GL_RED, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    width_ = width;
    height_ = height;
    return glGetError() == GL_NO_ERROR;
}

void GlTexture::Release() {
    if (id_) glDeleteTextures(1, &id_);
    id_ = 0;
    width_ = height_ = 0;
}

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

// --- Device -------------------------------------------------------------------------

Device::~Device() {
    if (fullSizeSampler_) glDeleteSamplers(1, &fullSizeSampler_);
    if (instanceVbo_) glDeleteBuffers(1, &instanceVbo_);
    ReleaseStages();
}

void Device::ReleaseStages() {
    if (pipeline_) {
        glBindProgramPipeline(0);
        glDeleteProgramPipelines(1, &pipeline_);
    }
    for (GLuint& stage : fragmentStages_) {
        if (stage) glDeleteProgram(stage);
        stage = 0;
    }
    if (program_) glDeleteProgram(program_);
    pipeline_ = program_ = boundFragment_ = 0;
}

bool Device::CreateStages(std::string* error) {
    program_ = StageProgram(GL_VERTEX_SHADER, std::string(kSeparateHeader) + kVertexShader, error);
    if (!program_) return false;
    for (size_t v = 0; v < fragmentStages_.size(); ++v) {
        fragmentStages_[v] = StageProgram(GL_FRAGMENT_SHADER, FragmentStageSource(static_cast<int>(v)), error);
        if (!fragmentStages_[v]) return false;
    }
    glGenProgramPipelines(1, &pipeline_);
    glUseProgramStages(pipeline_, GL_VERTEX_SHADER_BIT, program_);
    // Uniform calls reach the vertex stage while no whole program is in use.
    glActiveShaderProgram(pipeline_, program_);
    glUseProgram(0);
    glBindProgramPipeline(pipeline_);
    return true;
}

bool Device::Create(std::string* error) {
    // A driver that offers separate stages but cannot build them still draws with
    // the one program.
    const bool separate = epoxy_gl_version() >= 41 || epoxy_has_gl_extension("GL_ARB_separate_shader_objects");
    if (!separate || !CreateStages(nullptr)) {
        ReleaseStages();
        program_ = LinkProgram((std::string(kOneProgramHeader) + kVertexShader).c_str(),
                               (std::string(kOneProgramHeader) + kFragmentShader).c_str(), error);
        if (!program_) return false;
        glUseProgram(program_);
    }
    // With separate stages uHasTex and uMode are not uniforms (location -1: their
    // calls do nothing), and the sampler keeps its first texture unit.
    auto u = [this](const char* name) { return glGetUniformLocation(program_, name); };
    loc_ = {u("uViewProj"),  u("uWorld"),      u("uEye"),        u("uLighting"),   u("uSpecularOn"), u("uNumLights"),
            u("uLightPos"),  u("uLightColor"), u("uLightAtten"), u("uMatDiffuse"), u("uMatAmbient"), u("uMatSpecular"),
            u("uMatEmissive"), u("uMatPower"), u("uHasTex"),     u("uTex"),        u("uTexScale"),   u("uMode"),
            u("uChosenLights"), u("uFaceNormal"), u("uFaceS"),   u("uFaceT")};
    float faceAxes[3][3 * 6];
    for (size_t f = 0; f < CubeFaces().size(); ++f) {
        const CubeFace& c = CubeFaces()[f];
        const Vec3* axes[3] = {&c.n, &c.s, &c.t};
        for (size_t a = 0; a < 3; ++a) {
            faceAxes[a][3 * f] = axes[a]->x;
            faceAxes[a][3 * f + 1] = axes[a]->y;
            faceAxes[a][3 * f + 2] = axes[a]->z;
        }
    }
    glUniform3fv(loc_.faceNormal, 6, faceAxes[0]);
    glUniform3fv(loc_.faceS, 6, faceAxes[1]);
    glUniform3fv(loc_.faceT, 6, faceAxes[2]);
    glUniform1i(loc_.tex, 0);
    glUniform1i(loc_.mode, 0);
    glUniform1f(loc_.texScale, 1.0f);
    glUniform1i(loc_.numLights, 0);
    glUniform1i(loc_.chosenLights, 0);
    glUniform4f(loc_.lightAtten, 4, 0.5f, 1, 0.3f);
    glGenBuffers(1, &instanceVbo_);
    glGenSamplers(1, &fullSizeSampler_);
    glSamplerParameteri(fullSizeSampler_, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glSamplerParameteri(fullSizeSampler_, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glSamplerParameteri(fullSizeSampler_, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glSamplerParameteri(fullSizeSampler_, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Fixed states: no culling (the cells choose their visible faces themselves),
    // z-buffer on with the device's less-or-equal test, flat shading from each
    // triangle's first vertex, additive blend operation.
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_ONE, GL_ZERO);
    SetWorld(glm::mat4(1.0f));
    SetLighting(true);
    SetSpecular(false);
    SetMaterial(MatDefault());
    SetTexture(nullptr);
    if (glGetError() != GL_NO_ERROR) {
        if (error) *error = "GL state setup failed";
        return false;
    }
    return true;
}

void Device::SetViewProjection(const glm::mat4& view, const glm::mat4& projection, const glm::vec3& eye) {
    const glm::mat4 vp = projection * view;
    glUniformMatrix4fv(loc_.viewProj, 1, GL_FALSE, glm::value_ptr(vp));
    glUniform3f(loc_.eye, eye.x, eye.y, eye.z);
}

void Device::SetWorld(const glm::mat4& world) { glUniformMatrix4fv(loc_.world, 1, GL_FALSE, glm::value_ptr(world)); }

void Device::SetMaterial(const Material& m) {
    SetColor(loc_.matDiffuse, m.diffuse);
    SetColor(loc_.matAmbient, m.ambient);
    SetColor(loc_.matSpecular, m.specular);
    SetColor(loc_.matEmissive, m.emissive);
    glUniform1f(loc_.matPower, m.power);
}

void Device::SetLighting(bool on) {
    lighting_ = on;
    glUniform1i(loc_.lighting, on ? 1 : 0);
}

void Device::SetSpecular(bool on) {
    specular_ = on;
    glUniform1i(loc_.specularOn, on ? 1 : 0);
}

void Device::SetLights(const PointLight* lights, int count) {
    count = count < 0 ? 0 : count > kMaxShaderLights ? kMaxShaderLights : count;
    float pos[3 * kMaxShaderLights], col[3 * kMaxShaderLights];
    for (int i = 0; i < count; ++i) {
        pos[3 * i] = lights[i].position.x;
        pos[3 * i + 1] = lights[i].position.y;
        pos[3 * i + 2] = lights[i].position.z;
        col[3 * i] = lights[i].color.r;
        col[3 * i + 1] = lights[i].color.g;
        col[3 * i + 2] = lights[i].color.b;
    }
    if (count > 0) {
        glUniform3fv(loc_.lightPos, count, pos);
        glUniform3fv(loc_.lightColor, count, col);
        glUniform4f(loc_.lightAtten, lights[0].range, lights[0].attenuation0, lights[0].attenuation1,
                    lights[0].attenuation2);
    }
    glUniform1i(loc_.numLights, count);
}

void Device::SetChosenLights(bool on) { chosenLights_ = on; }

void Device::SetTexture(const GlTexture* texture) {
    const bool has = texture && texture->Id() != 0;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, has ? texture->Id() : 0);
    textured_ = has;
    glUniform1i(loc_.hasTex, has ? 1 : 0);
}

void Device::SetMipmaps(bool on) { glBindSampler(0, on ? 0 : fullSizeSampler_); }

void Device::SetModulate2x(bool on) { glUniform1f(loc_.texScale, on ? 2.0f : 1.0f); }

void Device::SetAlphaBlend(bool on) {
    if (on) glEnable(GL_BLEND);
    else glDisable(GL_BLEND);
}

void Device::SetBlendFactors(BlendCode source, BlendCode dest) {
    const GLenum s = GlBlendFactor(source), d = GlBlendFactor(dest);
    glBlendFunc(s ? s : GL_ONE, d ? d : GL_ZERO);
}

void Device::SetDepthTest(bool on) {
    if (on) glEnable(GL_DEPTH_TEST);
    else glDisable(GL_DEPTH_TEST);
}

void Device::DefaultInstance() {
    glVertexAttrib4f(3, 0, 0, 0, 0);
    glVertexAttrib4f(4, 1, 1, 1, 0);
    glVertexAttrib4f(5, ambient_.r, ambient_.g, ambient_.b, ambient_.a);
    glVertexAttrib4f(6, 1, 1, 1, 1);
    glVertexAttrib4f(7, 1, 1, 0, 0);
    glVertexAttrib4f(8, -1, -1, -1, -1);
}

int Device::FragmentVariant() const {
    if (textMode_) return kTextStage;
    return (textured_ ? kTexturedStage : 0) + (lighting_ && specular_ ? kSpecularStage : 0);
}

void Device::UseStages() {
    if (!pipeline_) return;   // one program holds both stages
    // Another program in use (the window's controls, a picture copy) would hide the pipeline.
    glUseProgram(0);
    glBindProgramPipeline(pipeline_);
    const GLuint fragment = fragmentStages_[static_cast<size_t>(FragmentVariant())];
    if (fragment != boundFragment_) {
        glUseProgramStages(pipeline_, GL_FRAGMENT_SHADER_BIT, fragment);
        boundFragment_ = fragment;
    }
}

void Device::Issue(const GlMesh& mesh, GLsizei instances) {
    UseStages();
    if (mesh.indexed_) glDrawElementsInstanced(mesh.mode_, mesh.count_, GL_UNSIGNED_SHORT, nullptr, instances);
    else glDrawArraysInstanced(mesh.mode_, 0, mesh.count_, instances);
    ++drawCalls_;
}

void Device::Draw(const GlMesh& mesh) {
    if (!mesh.Valid()) return;
    glBindVertexArray(mesh.vao_);
    DefaultInstance();
    Issue(mesh, 1);
}

void Device::BindInstances(const GlMesh& mesh, const std::vector<Instance>& instances) {
    glBindVertexArray(mesh.vao_);
    glBindBuffer(GL_ARRAY_BUFFER, instanceVbo_);
    // Orphan and refill: the previous draw's data may still be in use.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(instances.size() * sizeof(Instance)), instances.data(),
                 GL_STREAM_DRAW);
    const auto stride = static_cast<GLsizei>(sizeof(Instance));
    for (GLuint k = 0; k < kInstanceAttributes; ++k) {
        glEnableVertexAttribArray(3 + k);
        glVertexAttribPointer(3 + k, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(static_cast<size_t>(16 * k)));
        glVertexAttribDivisor(3 + k, 1);
    }
}

void Device::DrawInstanced(const GlMesh& mesh, const std::vector<Instance>& instances) {
    if (!mesh.Valid() || instances.empty()) return;
    BindInstances(mesh, instances);
    if (chosenLights_) glUniform1i(loc_.chosenLights, 1);
    Issue(mesh, static_cast<GLsizei>(instances.size()));
    if (chosenLights_) glUniform1i(loc_.chosenLights, 0);
    // The mesh's own draws take the generic per-instance values again.
    for (GLuint k = 0; k < kInstanceAttributes; ++k) glDisableVertexAttribArray(3 + k);
    glBindVertexArray(0);
}

void Device::DrawCoverage(const GlMesh& cornerQuad, const GlTexture& coverage, const std::vector<Instance>& rects,
                          int targetWidth, int targetHeight) {
    if (!coverage.Id() || rects.empty()) return;
    // Pixels, y down, as the view's own coordinates.
    const glm::mat4 ortho = glm::ortho(0.0f, static_cast<float>(targetWidth), static_cast<float>(targetHeight), 0.0f, -1.0f, 1.0f);
    glUniformMatrix4fv(loc_.viewProj, 1, GL_FALSE, glm::value_ptr(ortho));
    SetWorld(glm::mat4(1.0f));
    SetLighting(false);
    textMode_ = true;
    glUniform1i(loc_.mode, 1);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, coverage.Id());
    DrawInstanced(cornerQuad, rects);
    glUniform1i(loc_.mode, 0);
    textMode_ = false;
}

}  // namespace zembrol::render
