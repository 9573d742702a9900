// The GL device: one shader pair that reproduces the fixed-function look the scene
// relies on (materials, the ambient light, up to 16 point lights lit per vertex with
// flat shading, modulate and modulate 2x, specular added after the texture,
// untextured drawing), the blend, depth and lighting states and instanced drawing.
// Every draw call goes through here and is counted. The shader text lives in
// gl_shaders, the meshes and textures it draws in gl_resources.
#pragma once

#include <epoxy/gl.h>

#include <array>
#include <glm/glm.hpp>
#include <string>
#include <vector>

#include "render/gl_resources.h"
#include "render/gl_shaders.h"
#include "render/meshes.h"
#include "render/render_types.h"
#include "render/scene_tables.h"

namespace zembrol::render {

inline constexpr int kMaxShaderLights = 16;

// Per-instance values of an instanced draw. The world applies to every instance
// after the instance's own scale and offset.
struct Instance {
    float ox = 0, oy = 0, oz = 0;              // translation
    // 0: the mesh as it is. 1..6: face (face - 1) of the edge-1 cube (CubeFaces),
    // drawn with the unit quad, which the device lays onto that face.
    float face = 0;
    float sx = 1, sy = 1, sz = 1, pad1 = 0;    // scale (applied first)
    ColorValue ambient{1, 1, 1, 1};            // the ambient light for this instance
    ColorValue tint{1, 1, 1, 1};               // multiplies the material's diffuse and ambient
    float us = 1, vs = 1, uo = 0, vo = 0;      // texture coordinates: uv * (us, vs) + (uo, vo)
    // The lights this instance's vertices loop over while the device lights by
    // chosen lights (SetChosenLights): indices into the lights set, -1 for none.
    float lights[4] = {-1, -1, -1, -1};
};
static_assert(sizeof(Instance) == 96);

class Device {
public:
    Device() = default;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device();

    // Compiles the shader pair and sets the fixed states; false with the reason.
    bool Create(std::string* error);

    void SetViewProjection(const glm::mat4& view, const glm::mat4& projection, const glm::vec3& eye);
    void SetWorld(const glm::mat4& world);
    void SetMaterial(const Material& m);
    void SetAmbient(const ColorValue& c) { ambient_ = c; }
    const ColorValue& Ambient() const { return ambient_; }
    void SetLighting(bool on);
    void SetSpecular(bool on);
    void SetLights(const PointLight* lights, int count);
    // On: instanced draws light each vertex with its instance's chosen lights only
    // (Instance::lights), not the whole set; plain draws always take the whole set.
    void SetChosenLights(bool on);
    void SetTexture(const GlTexture* texture);   // null or empty: untextured
    // Off: the bound texture is read from its full-size picture only, as a texture
    // shown magnified everywhere would be read anyway (QuadMagnified).
    void SetMipmaps(bool on);
    void SetModulate2x(bool on);
    void SetAlphaBlend(bool on);
    // A code without a factor (0) leaves the device's default for that side (ONE, ZERO).
    void SetBlendFactors(BlendCode source, BlendCode dest);
    void SetDepthTest(bool on);

    // One mesh with the current world.
    void Draw(const GlMesh& mesh);
    // One draw of the mesh for every instance.
    void DrawInstanced(const GlMesh& mesh, const std::vector<Instance>& instances);
    // A coverage texture as coloured text: screen rectangles in pixels of a
    // (width x height) target, colours in the instances' tint; shadow and text are
    // one draw (two instances). Leaves lighting off and the screen projection set:
    // the caller sets the camera again before drawing the scene.
    void DrawCoverage(const GlMesh& cornerQuad, const GlTexture& coverage, const std::vector<Instance>& rects,
                      int targetWidth, int targetHeight);

    int DrawCalls() const { return drawCalls_; }
    void ResetDrawCalls() { drawCalls_ = 0; }

private:
    bool CreateStages(std::string* error);
    void ReleaseStages();   // the stages, the pipeline and the program, whichever exist
    // The fragment stage of the current states: 0..3 textured (bit 0) and specular
    // (bit 1), 4 text.
    int FragmentVariant() const;
    void UseStages();
    void BindInstances(const GlMesh& mesh, const std::vector<Instance>& instances);
    void DefaultInstance();
    void Issue(const GlMesh& mesh, GLsizei instances);

    // The vertex stage (or, without separate stages, the one whole program), and the
    // fragment stages of the pipeline it is part of.
    GLuint program_ = 0, instanceVbo_ = 0;
    GLuint pipeline_ = 0, boundFragment_ = 0;
    std::array<GLuint, 5> fragmentStages_{};
    bool textured_ = false, textMode_ = false, lighting_ = false, specular_ = false;
    GLuint fullSizeSampler_ = 0;   // linear filters, wrapping, no mip levels
    ColorValue ambient_{1, 1, 1, 1};
    int drawCalls_ = 0;
    bool chosenLights_ = false;
    struct Loc {
        GLint viewProj, world, eye, lighting, specularOn, numLights, lightPos, lightColor, lightAtten;
        GLint matDiffuse, matAmbient, matSpecular, matEmissive, matPower;
        GLint hasTex, tex, texScale, mode, chosenLights, faceNormal, faceS, faceT;
    } loc_{};
};

// The GL blend factor of a device blend code; 0 for a code without one.
GLenum GlBlendFactor(BlendCode code);

}  // namespace zembrol::render
