// The GL device: the shader stages in use for the current states, the blend, depth
// and lighting states, and counted draws, plain, instanced and as text.
#include "render/gl_device.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

namespace zembrol::render {

namespace {

// Offset, scale, ambient, tint, texture coordinates, chosen lights: vec4 each,
// at attribute locations 3 and on.
constexpr GLuint kInstanceAttributes = sizeof(Instance) / 16;

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
    program_ = StageProgram(GL_VERTEX_SHADER, SeparateVertexSource(), error);
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
        program_ = LinkProgram(OneProgramVertexSource().c_str(), OneProgramFragmentSource().c_str(), error);
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
