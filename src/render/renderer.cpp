// The renderer: start-up of the device and resources, and m_DrawAll.
//
// [SECTION] start-up: d_InitD3D, InitGlobals, skin textures, blending, lights
// [SECTION] the frame: m_DrawAll and its steps
// [SECTION] screenshots
#include "render/renderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtx/euler_angles.hpp>

#include "game/rounding.h"
#include "render/cell_faces.h"
#include "render/meshes.h"
#include "render/palette.h"
#include "platform/files.h"
#include "render/scene_tables.h"
#include "render/texel_density.h"

namespace zembrol::render {

namespace {
constexpr int kEnter = 5, kLeave = 10, kPlain = 15;
// Tops of the centred texts, base view pixels.
constexpr int kPauseTop = 236, kLevelTitleTop = 40;
// How far a mesh's vertices reach from its centre: the cell meshes are cubes and
// squares of side 1 (half the cube's diagonal), the shapes spheres of radius 0.5.
constexpr float kCellRadius = 0.867f, kShapeRadius = 0.5f;

// A cell's whole-numbered place in its block (cells sit on whole or half numbers).
int Place(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

Instance At(float x, float y, float z, float scale = 1, const ColorValue& ambient = {1, 1, 1, 1}) {
    Instance i;
    i.ox = x;
    i.oy = y;
    i.oz = z;
    i.sx = i.sy = i.sz = scale;
    i.ambient = ambient;
    return i;
}

ColorValue CellColor(const Settings& s) { return FromArgb(255, s.btMRed, s.btMGreen, s.btMBlue); }
}  // namespace

// [SECTION] start-up ---------------------------------------------------------------------

Renderer::Renderer(RenderReports reports, std::string textureFolder, uint64_t cosmeticSeed, bool fixedSeed)
    : log_(std::move(reports)),
      textureFolder_(std::move(textureFolder)),
      rng_(fixedSeed ? Rng(cosmeticSeed) : Rng([cosmeticSeed] { return cosmeticSeed; })) {}

Renderer::~Renderer() = default;

bool Renderer::d_InitD3D(const DeviceInfo& info) {
    log_("Default adapter = " + info.renderer + " (" + info.vendor + ")", kPlain, true);
    log_("OpenGL version: " + info.version, kPlain, true);
    // m_EnumerateHardware: what the device can do, in the terms of the old log.
    log_("Maximum Active Lights: " + std::to_string(kMaxShaderLights), kPlain, true);
    GLfloat pointRange[2] = {0, 0};
    glGetFloatv(GL_POINT_SIZE_RANGE, pointRange);
    log_("Max Point Vertex Size: " + std::to_string(static_cast<int>(pointRange[1])), kPlain, true);
    log_("Max Texture Size: " + std::to_string(info.maxTextureSize) + "x" + std::to_string(info.maxTextureSize), kPlain,
         true);
    GLint maxIndices = 0;
    glGetIntegerv(GL_MAX_ELEMENTS_INDICES, &maxIndices);
    log_("Max Primitives In One Call: " + std::to_string(maxIndices / 3), kPlain, true);
    log_("Device Supports Volume Mapping", kPlain, true);
    log_("Device Supports Hardware Transform and Lighting", kPlain, true);
    const bool software = info.renderer.find("llvmpipe") != std::string::npos ||
                          info.renderer.find("softpipe") != std::string::npos ||
                          info.renderer.find("swrast") != std::string::npos;
    if (!software) log_("Device can use Hardware Rasterization", kPlain, true);
    log_("Device can Render in Windowed Mode", kPlain, true);
    log_("___", kPlain, true);
    // GetADSFormat: the depth buffer the window got.
    log_("GetADSFormat()", kPlain, true);
    GLint depthBits = 0, stencilBits = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_STENCIL, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &stencilBits);
    glGetError();   // a default framebuffer without one of them reports an error here
    if (depthBits <= 0) {
        log_("ADS_Format undefined", kPlain, false);
        return false;
    }
    log_(std::string("ADS_HAL_Format=") +
             (depthBits >= 24 ? (stencilBits >= 8 ? "D24S8" : "D24X8") : depthBits >= 16 ? "D16" : "D15S1"),
         kPlain, true);
    log_(software ? "D3DCREATE_SOFTWARE_VERTEXPROCESSING" : "D3DCREATE_HARDWARE_VERTEXPROCESSING", kPlain, true);

    std::string error;
    if (!device_.Create(&error)) {
        log_("d_InitD3D()_Error description: " + error, kPlain, false);
        return false;
    }
    // d_InitCube, d_InitFieldQuad, d_InitUnitQuad and the widget meshes.
    const bool geometry = cube_.Upload(CubeMesh(), GL_TRIANGLES) && fieldQuad_.Upload(FieldQuadMesh(), GL_TRIANGLES) &&
                          unitQuad_.Upload(UnitQuadMesh(), GL_TRIANGLES) &&
                          cornerQuad_.Upload(CornerQuadMesh(), GL_TRIANGLES);
    if (!geometry) {
        log_("d_InitCube()", kPlain, false);
        return false;
    }
    // g_NumTexs: the number textures, packed side by side.
    std::vector<platform::RgbaImage> numbers(kNumTextures);
    for (int k = 0; k < kNumTextures; ++k) {
        const std::string path = textureFolder_ + "/num" + std::to_string(k) + ".bmp";
        if (!LoadTextureImage(path, &numbers[static_cast<size_t>(k)], log_))
            log_("Загрузка текстуры nt_arTex - " + path, kPlain, false);
    }
    const platform::RgbaImage atlas = PackTiles(numbers, 32);
    numAtlas_.UploadRgba(atlas.width, atlas.height, atlas.pixels.data());
    if (!LoadMarks()) log_("shape marks", kPlain, false);
    for (int k = 0; k < 6; ++k) g_Digits[static_cast<size_t>(k)].dg_Init(k + 1, nullptr);
    d_LoadTex32x32(&texChb_, Fixed("chb.bmp"), log_);
    // The level banner's word plate (mq_Init).
    log_("Загрузка текстуры lev.bmp", kPlain, d_LoadTex32x32(&texLev_, Fixed("lev.bmp"), log_));
    font_.m_InitLevelFont(log_);
    // The shape of 12 slices and 12 stacks that draws the world (the second shape
    // the old program made drew nothing). The balls, the light markers and the
    // colour-bonus indicator are spheres a few cells across: the same shape with 8
    // slices and stacks draws them with the same outline to within a pixel, and
    // less than half the triangles, each of which a software rasteriser sets up
    // whether it covers a pixel or not.
    if (!g_Shape1.Upload(ShapeSphere(12, 12), GL_TRIANGLES) || !smallShape_.Upload(ShapeSphere(8, 8), GL_TRIANGLES)) {
        log_("sph_CreateShape()", kPlain, false);
        return false;
    }
    deviceReady_ = true;
    return true;
}

bool Renderer::InitGlobals(const Settings& settings) {
    if (!deviceReady_) return false;
    // cs_Spheres: the ball mesh and texture, the balls' wobble rates. (The column is
    // drawn with the shape, as it always was; the mesh is the ball object's own.)
    const bool ballMesh = ballMesh_.Upload(BallMesh(0.5f), GL_TRIANGLES);
    bool ballTex = true;
    if (!platform::FileExists(Fixed("texsph.bmp"))) {
        log_.Alert("cs_LoadTexAndSetMat()", "Не найден файл\r\n" + Fixed("texsph.bmp"));
        ballTex = false;
    } else if (!d_LoadTex32x32(&texSph_, Fixed("texsph.bmp"), log_)) {
        log_.Alert("cs_LoadTexAndSetMat()", "Не удалось загрузить текстуру для шариков");
        ballTex = false;
    }
    log_("cs_Spheres.cs_Init()", kPlain, ballMesh && ballTex);
    rng_.Randomize();
    for (auto& rates : ballRates_)
        for (float& r : rates) r = static_cast<float>(rng_.Rnd() / 250.0);
    cs_SetWorldSpeed(settings.m_WorldSpeed);

    const bool grid = grid_.Upload(GridLines(16, 33), GL_LINES);
    log_("g_grid.gr_Init()", kPlain, grid);
    log_("bt_ProgressBar", kPlain, true);
    log_("q3_BKG", kPlain, true);
    if (!d_LoadTex32x32(&texPrb_, Fixed("prb.bmp"), log_))
        log_("Загрузка текстуры bt_Tex - " + Fixed("prb.bmp"), kPlain, false);
    const bool small = gridSmall_.Upload(GridLines(5, 5), GL_LINES);
    log_("g_gridSmall.gr_Init()", kPlain, small);

    // Lights, ambient and materials are set per draw; the lights are made here.
    g_Lights = MakeLights(rng_);
    lightsMade_ = true;
    device_.SetAmbient(CellColor(settings));
    device_.SetMaterial(MatDefault());

    log_("Загрузка текстуры tex_Next", kPlain, d_LoadTex32x32(&texNext_, Fixed("texnext.bmp"), log_));
    log_("Загрузка текстуры tex_Zemb", kPlain, d_LoadTex32x32(&texZemb_, Fixed("texzemb.bmp"), log_));
    log_("Загрузка текстуры tex_SZemb", kPlain, d_LoadTex32x32(&texSZemb_, Fixed("texszemb.bmp"), log_));
    globalsReady_ = grid && small;
    return globalsReady_;
}

bool Renderer::m_LoadSkinTextures(const Settings& settings) {
    if (!deviceReady_) return false;
    for (size_t i = 0; i < skinTex_.size(); ++i) {
        if (!d_LoadTex32x32(&skinTex_[i], settings.gr_arTex[i], log_)) {
            // The rest keep what they had; a cleared slot draws untextured.
            return false;
        }
    }
    return true;
}

void Renderer::m_ApplyAlpha(const Settings& settings) {
    blendOn_ = settings.gr_Alpha != 0;
    blendSource_ = BlendFactorForIndex(settings.gr_AlphaSource);
    blendDest_ = BlendFactorForIndex(settings.gr_AlphaDest);
}

void Renderer::GraphicsLoaded(const Settings& settings) {
    m_LoadSkinTextures(settings);
    m_ApplyAlpha(settings);
    if (lightsMade_) g_Lights = MakeLights(rng_);
}

void Renderer::cs_SetWorldSpeed(int worldSpeed) {
    worldFactor_ = static_cast<float>(std::pow(2.0, worldSpeed) / 10.0);
    for (auto& rates : worldRates_)
        for (float& r : rates) r = static_cast<float>((rng_.Rnd() - 0.5) * 5e-05) * worldFactor_;
}

bool Renderer::ReloadSkinTexture(int index, const std::string& path) {
    if (!deviceReady_ || index < 0 || index >= static_cast<int>(skinTex_.size())) return false;
    // The picture is read before the texture is touched: a file that does not load
    // leaves the old texture drawn.
    platform::RgbaImage image;
    if (!LoadTextureImage(path, &image, log_)) return false;
    GlTexture fresh;
    if (!fresh.UploadRgba(image.width, image.height, image.pixels.data())) {
        log_("CreateTextureFromFile(" + path + ") - the texture cannot be created", kPlain, false);
        return false;
    }
    skinTex_[static_cast<size_t>(index)] = std::move(fresh);
    return true;
}

void Renderer::ResetLabelSweeps(int gameSpeed) {
    for (clsHLLabel& l : labels_) l.hll_init(gameSpeed, rng_);
}

void Renderer::SetLabelPlaces(int levelPlace, int tablePlace) {
    labels_[0].hhl_setPlace(levelPlace);
    labels_[1].hhl_setPlace(tablePlace);
}

void Renderer::StartDigits(int slot, float x, float y, int32_t amount, const GameState& state,
                           const Settings& settings) {
    if (slot < 1 || slot > 6) return;
    const DigitSources src{state.g_TimeBonusNow, state.g_MiracleMeter, state.g_ColorTime};
    g_Digits[static_cast<size_t>(slot - 1)].dg_ReInit(x, y, amount, src, NextPos(settings.g_SkinIndex).x, rng_);
}

void Renderer::StartAmountDigits(int32_t amount, float x, float y, const GameState& state, const Settings& settings) {
    int slot = 2;
    for (int candidate : {2, 5, 6})
        if (!g_Digits[static_cast<size_t>(candidate - 1)].Flying()) {
            slot = candidate;
            break;
        }
    StartDigits(slot, x, y, amount, state, settings);
}

void Renderer::FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState& state,
                         const Settings& settings) {
    switch (flight) {
        case NumberFlight::Amount: StartAmountDigits(amount, x, y, state, settings); break;
        case NumberFlight::TimeBonus: StartDigits(1, x, y, amount, state, settings); break;
        case NumberFlight::Miracle: StartMiracleDigits(amount, state, settings); break;
    }
}

void Renderer::StartMiracleDigits(int32_t meter, const GameState& state, const Settings& settings) {
    const Anchor next = NextPos(settings.g_SkinIndex);
    StartDigits(3, next.x - 1, next.y + 4, meter, state, settings);
}

void Renderer::SetCamera(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov) {
    eye_ = eye;
    lookAt_ = lookAt;
    up_ = up;
    g_Fov = fov;
}

// [SECTION] the frame -----------------------------------------------------------------------

const GlMesh& Renderer::CellMesh(const Settings& settings) const { return settings.bDetLevel ? cube_ : unitQuad_; }

int Renderer::LightCount(const Settings& settings) const {
    return std::clamp<int>(lightsShown_ >= 0 ? lightsShown_ : settings.gr_NumLights, 0, kLightSlots);
}

void Renderer::ChooseInstanceLights(std::vector<Instance>& instances, float meshRadius) const {
    // A body is reached by only a few of the lights: each instance names the (at most
    // four) that reach it, so its vertices loop over those instead of all sixteen -
    // on a software vertex stage that loop is most of a full field's cost. The mesh
    // is centred on the instance's offset under the identity world, every vertex
    // within `meshRadius` (times the instance's scale) of it.
    for (Instance& i : instances) {
        const float scale = std::max({std::abs(i.sx), std::abs(i.sy), std::abs(i.sz)});
        const auto chosen = ChooseLights(frameLights_.data(), frameLightCount_, {i.ox, i.oy, i.oz}, meshRadius * scale);
        for (size_t k = 0; k < chosen.size(); ++k) i.lights[k] = static_cast<float>(chosen[k]);
    }
}

void Renderer::DrawChosen(const GlMesh& mesh, const std::vector<Instance>& instances) {
    device_.SetChosenLights(true);
    device_.DrawInstanced(mesh, instances);
    device_.SetChosenLights(false);
}

void Renderer::DrawWithChosenLights(const GlMesh& mesh, std::vector<Instance>& instances, float meshRadius) {
    ChooseInstanceLights(instances, meshRadius);
    DrawChosen(mesh, instances);
}

void Renderer::DrawCellBatch(const Settings& settings, std::vector<Instance>& cells, const CellSet* solid) {
    ChooseInstanceLights(cells, kCellRadius);
    if (!settings.bDetLevel || blendOn_) {
        DrawChosen(CellMesh(settings), cells);
        return;
    }
    // Opaque cubes: of each only the faces turned toward the eye and not pressed
    // against a neighbour of the same block, each a unit quad laid onto its face.
    const Vec3 eye{eye_.x, eye_.y, eye_.z};
    faces_.clear();
    for (const Instance& c : cells) {
        FaceMask mask = FacesTowardEye({c.ox, c.oy, c.oz}, c.sx, eye);
        if (solid) mask = static_cast<FaceMask>(mask & ~solid->CoveredAt(Place(c.ox), Place(c.oy)));
        for (int f = 0; f < 6; ++f)
            if (mask & (1u << f)) {
                faces_.push_back(c);
                faces_.back().face = static_cast<float>(f + 1);
            }
    }
    DrawChosen(unitQuad_, faces_);
}

void Renderer::ApplyCamera() {
    const glm::mat4 view = glm::lookAtLH(eye_, lookAt_, up_);
    const glm::mat4 projection = glm::perspectiveLH_NO(g_Fov, Aspect(view_), 0.1f, 10000.0f);
    device_.SetViewProjection(view, projection, eye_);
    viewProj_ = projection * view;
}

void Renderer::m_DrawAll(const GameState& state, const Settings& settings, int drawableWidth, int drawableHeight) {
    if (!deviceReady_) return;
    const auto started = std::chrono::steady_clock::now();
    device_.ResetDrawCalls();
    // Ghost pulse between 0 and 10.
    const float speedStep = 1.0f / static_cast<float>(settings.game.g_Speed + 1);
    if (m_FantomPulse >= 10) m_FantomStep = -speedStep;
    else if (m_FantomPulse <= 0) m_FantomStep = speedStep;
    m_FantomPulse += m_FantomStep;

    // The view cleared to black (or laid with the world); the window around it is
    // the caller's.
    view_ = LayoutView(drawableWidth, drawableHeight);
    drawableHeight_ = drawableHeight;
    const int glY = drawableHeight - (view_.y + view_.height);
    ApplyCamera();
    // The world lies behind everything: where its picture can be used it takes the
    // place of the view's black, before anything else is drawn.
    const bool worldLaid = settings.m_WorldEnable && LayWorld(settings, glY);
    glViewport(view_.x, glY, view_.width, view_.height);
    glScissor(view_.x, glY, view_.width, view_.height);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glDepthMask(GL_TRUE);
    if (!worldLaid) glClear(GL_COLOR_BUFFER_BIT);
    // The depth of the whole window: the software rasteriser clears a whole buffer
    // for a fraction of what a part of one costs, and nothing outside the view
    // reads depth.
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);

    device_.SetWorld(glm::mat4(1.0f));
    device_.SetSpecular(false);
    const int numLights = LightCount(settings);
    std::array<PointLight, kLightSlots> lit;
    for (int i = 0; i < numLights; ++i) lit[static_cast<size_t>(i)] = g_Lights[static_cast<size_t>(i)].light;
    device_.SetLights(lit.data(), lightsMade_ ? numLights : 0);

    // While a level flight runs the backdrop always goes first, and the level's title shows.
    const bool flying = effects_ && effects_->ChangeLevel().cl_Busy();
    levelTitleShown_ = effects_ && effects_->FlightShown();
    const bool backdropFirst = flying || settings.gr_Alpha == 1;
    if (backdropFirst) DrawBackdropBlock(state, settings);
    else if (settings.bDrawSetka && settings.m_WorldEnable && !worldLaid) DrawBackdropDepth(settings);
    SyncIndicator(state);
    DrawIndicator();

    device_.SetLighting(true);
    if (numLights > 0 && lightsMade_) {
        m_MoveLights(g_Lights, numLights, settings.gr_LightsSpeed, settings.bHLNew, state.g_FigX, state.g_FigY, rng_);
        for (int i = 0; i < numLights; ++i) lit[static_cast<size_t>(i)] = g_Lights[static_cast<size_t>(i)].light;
        device_.SetLights(lit.data(), numLights);
    }
    frameLights_ = lit;
    frameLightCount_ = numLights > 0 && lightsMade_ ? numLights : 0;
    device_.SetModulate2x(modulate2x_);
    device_.SetAlphaBlend(blendOn_);
    device_.SetBlendFactors(blendSource_, blendDest_);
    marks_.clear();
    DrawCells(state, settings);
    DrawEffects(settings);
    DrawNextFigures(state, settings);
    DrawGhost(state, settings);
    DrawMarks();
    device_.SetModulate2x(false);

    if (settings.m_WorldEnable && !worldLaid) cs_DrawWorld(settings);
    DrawMarkersAndBalls(state, settings);
    if (!backdropFirst) DrawBackdropBlock(state, settings);

    DrawTexts(state);
    ApplyCamera();
    device_.SetDepthTest(false);
    if (settings.bFlyingBonus) DrawDigits(settings);
    DrawBanner(state);
    device_.SetDepthTest(true);

    for (size_t k = 0; k < labels_.size(); ++k) {
        bool changed = false;
        labels_[k].hll_run(&labelHeights_[k], &changed);
    }
    ++frames_;
    if (measure_) {
        glFinish();
        measured_.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count());
    }
}

std::vector<Instance> Renderer::BackdropQuads(const Settings& settings) const {
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    const Anchor next = NextPos(settings.g_SkinIndex), column = NextsPos(settings.g_SkinIndex);
    // The field, then the panels: the field quad scaled to 4.05 x 4.
    std::vector<Instance> quads{At(3.5f, -1.5f, -1)};
    auto panel = [&](float x, float y) {
        Instance i = At(x, y, -1);
        i.sx = 0.27f;
        i.sy = 0.125f;
        quads.push_back(i);
    };
    if (nexts > 0) panel(next.x - 0.5f, next.y - 0.5f);
    for (int k = 2; k <= nexts; ++k) panel(column.x - 0.5f, column.y + (k - 1) * 6 - 0.5f);
    return quads;
}

bool Renderer::BackdropMagnified(const Instance& quad) const {
    const GlTexture& texture = skinTex_[0];
    const glm::vec2 texels(static_cast<float>(texture.Width()), static_cast<float>(texture.Height()));
    const glm::vec2 viewport(static_cast<float>(view_.width), static_cast<float>(view_.height));
    static const MeshData mesh = FieldQuadMesh();
    std::array<TexturedCorner, 4> corners;
    for (size_t k = 0; k < corners.size(); ++k) {
        const RenderVertex& v = mesh.vertices[k];
        corners[k] = {{v.x * quad.sx + quad.ox, v.y * quad.sy + quad.oy, v.z * quad.sz + quad.oz},
                      {backdropCorners_[k].u, backdropCorners_[k].v}};
    }
    return QuadMagnified(corners, texels, viewProj_, viewport);
}

void Renderer::DrawBackdropDepth(const Settings& settings) {
    // The opaque backdrop drawn at the end of the frame covers whatever lies behind
    // it; laying its depth down first spares the rasteriser shading the world
    // spheres there. The picture is the same.
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    device_.SetWorld(glm::mat4(1.0f));
    device_.SetTexture(nullptr);
    device_.SetLighting(false);
    device_.DrawInstanced(fieldQuad_, BackdropQuads(settings));
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void Renderer::DrawBackdropBlock(const GameState& state, const Settings& settings) {
    (void)state;
    device_.SetMaterial(MatDefault());
    device_.SetWorld(glm::mat4(1.0f));
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    const Anchor next = NextPos(settings.g_SkinIndex), nexts0 = NextsPos(settings.g_SkinIndex);
    if (settings.bDrawSetka) {
        device_.SetAlphaBlend(false);
        device_.SetLighting(false);
        device_.SetTexture(&skinTex_[0]);
        DeformBackdrop();
        // The backdrop picture is stretched over the field, where it is read from
        // its full-size picture alone; the small panels need its mip levels.
        std::vector<Instance> fullSize, mipmapped;
        for (const Instance& q : BackdropQuads(settings)) (BackdropMagnified(q) ? fullSize : mipmapped).push_back(q);
        if (!fullSize.empty()) {
            device_.SetMipmaps(false);
            device_.DrawInstanced(fieldQuad_, fullSize);
            device_.SetMipmaps(true);
        }
        if (!mipmapped.empty()) device_.DrawInstanced(fieldQuad_, mipmapped);
    }
    if (!settings.bHideGrids) {
        const ColorValue nextColor = FromArgb(255, settings.btMRedNext, settings.btMGreenNext, settings.btMBlueNext);
        device_.SetAmbient(nextColor);
        device_.SetLighting(true);
        device_.SetMaterial(GridMaterial());
        device_.SetTexture(nullptr);
        device_.SetAlphaBlend(false);
        device_.SetWorld(glm::translate(glm::mat4(1.0f), glm::vec3(3.5f, -1.5f, 0)));
        device_.Draw(grid_);
        device_.SetWorld(glm::mat4(1.0f));
        if (nexts > 0) {
            std::vector<Instance> small{At(next.x - 0.5f, next.y - 0.5f, 0, 1, nextColor)};
            for (int k = 2; k <= nexts; ++k) small.push_back(At(nexts0.x - 0.5f, nexts0.y + (k - 1) * 6 - 0.5f, 0, 1, nextColor));
            device_.DrawInstanced(gridSmall_, small);
            // bt_ProgressBar: the Miracle meter fills the first panel from its left edge.
            const float width = ProgressBarWidth(state.g_MiracleMeter);
            if (width > 0) {
                device_.SetAlphaBlend(true);
                device_.SetModulate2x(false);
                device_.SetTexture(&texPrb_);
                Instance bar = At(next.x - 0.5f, next.y - 0.5f, -1 + 0.5f, 1, FromArgb(0xFFEEEEEEu));
                bar.sx = width;
                bar.sy = 4;
                device_.DrawInstanced(cornerQuad_, {bar});
            }
        }
    }
}

void Renderer::SyncIndicator(const GameState& state) {
    // The colour bonus's own state drives the indicator: green while it warns, then
    // the loss or gain colour, hidden when no bonus runs.
    const bool on = state.g_ColorState != 0 || state.g_ColorWarn != 0;
    g_CHB.chb_Enable(on);
    if (!on) return;
    g_CHB.chb_SetColor(state.g_ColorState < 0 ? 255u : state.g_ColorState > 0 ? 16711680u : 65280u);
    if (state.g_Running) g_CHB.chb_SetPos(state.g_ColorTime);
}

void Renderer::DrawIndicator() {
    if (!g_CHB.Enabled() || g_CHB.Step() <= 0) return;
    device_.SetMaterial(g_Materials(g_CHB.MaterialIndex()));
    device_.SetLighting(true);
    device_.SetModulate2x(true);
    device_.SetAlphaBlend(true);
    device_.SetBlendFactors(kBlendOne, kBlendOne);
    device_.SetTexture(&texChb_);
    device_.SetWorld(glm::mat4(1.0f));
    std::vector<Instance> balls;
    for (const clsCHB::Ball& b : g_CHB.Balls()) balls.push_back(At(b.x, b.y, b.z, b.scale, device_.Ambient()));
    DrawWithChosenLights(smallShape_, balls, kShapeRadius);
}

void Renderer::DrawCells(const GameState& state, const Settings& settings) {
    const int level = std::clamp<int>(state.g_Level, 0, kMaxLevel);
    device_.SetTexture(&skinTex_[static_cast<size_t>(1 + level)]);
    device_.SetMaterial(figureMaterial_);
    device_.SetWorld(glm::mat4(1.0f));
    const ColorValue cell = CellColor(settings);
    device_.SetAmbient(cell);
    std::vector<Instance> cells;
    cells.reserve(kPlayWidth * 31 + 16);
    CellSet solid;
    for (int x = kFirstCol; x <= state.RightCol(); ++x)
        for (int y = 0; y <= state.FloorRow(); ++y) {
            if (!state.g_Pole[static_cast<size_t>(x)][static_cast<size_t>(y)]) continue;
            solid.Add(x, y);
            const uint8_t kind = state.poleKinds[static_cast<size_t>(x)][static_cast<size_t>(y)];
            ColorValue amb = cell;
            if (settings.bColorBlind) {
                amb = KindAmbient(kind, settings);
            } else if (settings.bColorQuads) {
                const Color4& c = state.m_PoleColor[static_cast<size_t>(x)][static_cast<size_t>(y)];
                amb = FromArgb(255, RoundEven(settings.btMRed * c.r), RoundEven(settings.btMGreen * c.g), RoundEven(settings.btMBlue * c.b));
            }
            cells.push_back(At(static_cast<float>(x), static_cast<float>(y), 0, 1, amb));
            AddMark(cells.back(), kind, settings);
        }
    // The falling figure shares the field's texture, material and mesh: one draw.
    const FigureRec& fig = state.g_Figs[0];
    const uint8_t kind = FigureKindOf(fig);
    const ColorValue figureAmb = settings.bColorBlind ? KindAmbient(kind, settings) : cell;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (fig.Cells[static_cast<size_t>(i)][static_cast<size_t>(j)]) {
                solid.Add(state.g_FigX + i, state.g_FigY + j);
                cells.push_back(At(static_cast<float>(state.g_FigX + i), static_cast<float>(state.g_FigY + j), 0, 1, figureAmb));
                AddMark(cells.back(), kind, settings);
            }
    DrawCellBatch(settings, cells, &solid);
}

void Renderer::DrawEffects(const Settings& settings) {
    // The row-removal and removed-figure effects draw here, with the field's
    // texture, material and ambient still set, so their cells look like the field's.
    if (!effects_) return;
    const ColorValue amb = device_.Ambient();
    const clsDel& del = effects_->Del();
    if (del.Showing()) {
        // The rows shrink to nothing while they come toward the viewer half a unit a frame.
        const float scale = static_cast<float>(clsDel::kFrames - del.DrawnFrame()) / clsDel::kFrames;
        std::vector<Instance> cells;
        for (int16_t row : del.Rows()) {
            if (row == 0) continue;
            for (int x = kFirstCol; x < kFirstCol + kPlayWidth; ++x)
                cells.push_back(At(static_cast<float>(x), row, del.DrawnFrame() / 2.0f, scale, amb));
        }
        if (!cells.empty()) DrawWithChosenLights(CellMesh(settings), cells, kCellRadius);
    }
    const clsRemoveFig& fig = effects_->RemoveFig();
    if (fig.Active()) {
        // The figure's box tumbles about one fixed axis through its corner, three units
        // in front of the field; all lights may reach it as it turns.
        std::vector<Instance> cells;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (fig.Cells()[static_cast<size_t>(i)][static_cast<size_t>(j)])
                    cells.push_back(At(static_cast<float>(i), static_cast<float>(j), 0, 1, amb));
        const glm::mat4 world = glm::translate(glm::mat4(1.0f), glm::vec3(fig.Column(), fig.Y(), 3)) *
                                glm::rotate(glm::mat4(1.0f), fig.Angle(), glm::normalize(glm::vec3(1, 1, 0.3f)));
        device_.SetWorld(world);
        device_.DrawInstanced(CellMesh(settings), cells);
        device_.SetWorld(glm::mat4(1.0f));
    }
}

void Renderer::DeformBackdrop() {
    // A still backdrop (type 0) has its corners at rest: a type switched off puts them back.
    if (!effects_) return;
    const auto& c = effects_->DeformQuad().Corners();
    bool same = true;
    for (size_t k = 0; k < 4; ++k) same = same && c[k].u == backdropCorners_[k].u && c[k].v == backdropCorners_[k].v;
    if (same) return;
    backdropCorners_ = c;
    // Corners 0..3 lie at (0, 0), (0, 32), (15, 0), (15, 32), as the field quad's vertices.
    std::vector<RenderVertex> v = FieldQuadMesh().vertices;
    for (size_t k = 0; k < 4; ++k) {
        v[k].u = c[k].u;
        v[k].v = c[k].v;
    }
    fieldQuad_.UpdateVertices(v);
}

void Renderer::DrawBanner(const GameState& state) {
    if (!effects_) return;
    const clsMovingQuads& mq = effects_->MovingQuads();
    if (mq.Done()) return;
    device_.SetAlphaBlend(false);
    device_.SetModulate2x(false);
    device_.SetLighting(true);
    device_.SetMaterial(MatDefault());
    device_.SetWorld(glm::mat4(1.0f));
    const ColorValue amb = FromArgb(0xFFFFFFFFu);
    // The word plate: 5 x 1.8 with its own picture.
    Instance word = At(mq.X1(), mq.Y(), 1, 1, amb);
    word.sx = 5;
    word.sy = 1.8f;
    device_.SetTexture(&texLev_);
    device_.DrawInstanced(cornerQuad_, {word});
    // The number plate: 1 x 1.8; a two-digit level shares it, each digit half as wide.
    const std::string digits = std::to_string(std::clamp<int>(state.g_Level, 0, kMaxLevel));
    std::vector<Instance> glyphs;
    const float w = 1.0f / static_cast<float>(digits.size());
    for (size_t k = 0; k < digits.size(); ++k) {
        Instance g = At(mq.X2() + w * static_cast<float>(k), mq.Y(), 1, 1, amb);
        g.sx = w;
        g.sy = 1.8f;
        g.us = 1.0f / kNumTextures;
        g.uo = static_cast<float>(NumTextureIndex(digits[k])) / kNumTextures;
        glyphs.push_back(g);
    }
    device_.SetTexture(&numAtlas_);
    device_.DrawInstanced(cornerQuad_, glyphs);
}

void Renderer::DrawNextFigures(const GameState& state, const Settings& settings) {
    const int nexts = std::clamp<int>(settings.game.iNumNexts, 0, kQueueSize - 1);
    if (nexts <= 0) return;
    const Anchor next = NextPos(settings.g_SkinIndex), column = NextsPos(settings.g_SkinIndex);
    const ColorValue amb = device_.Ambient();
    // One instanced draw per texture: plain, special, special Zemb. Only the first
    // figure's cubes touch (the others are half size on whole-numbered places).
    std::array<std::vector<Instance>, 3> groups;
    CellSet firstSolid;
    for (int e = 1; e <= nexts; ++e) {
        const FigureRec& f = state.g_Figs[static_cast<size_t>(e)];
        const size_t g = !f.IsSpecial ? 0 : f.IsZemb ? 2 : 1;
        const uint8_t kind = FigureKindOf(f);
        const ColorValue figureAmb = settings.bColorBlind ? KindAmbient(kind, settings) : amb;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                if (!f.Cells[static_cast<size_t>(i)][static_cast<size_t>(j)]) continue;
                if (e == 1) {
                    groups[g].push_back(At(next.x + i, next.y + j, 0, 1, figureAmb));
                    firstSolid.Add(Place(groups[g].back().ox), Place(groups[g].back().oy));
                } else {
                    groups[g].push_back(At(column.x + i, column.y + (e - 1) * 6 + j, 0, 0.5f, figureAmb));
                }
                AddMark(groups[g].back(), kind, settings);
            }
    }
    const GlTexture* tex[3] = {&texNext_, &texZemb_, &texSZemb_};
    const size_t firstGroup = !state.g_Figs[1].IsSpecial ? 0 : state.g_Figs[1].IsZemb ? 2 : 1;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].empty()) continue;
        device_.SetTexture(tex[g]);
        DrawCellBatch(settings, groups[g], g == firstGroup ? &firstSolid : nullptr);
    }
}

void Renderer::DrawGhost(const GameState& state, const Settings& settings) {
    const int mode = settings.game.iFantom;
    if (mode == 0 || (mode == 1 && !state.g_Figs[0].IsSpecial)) return;
    device_.SetTexture(&skinTex_[13]);
    const float scale = m_FantomPulse / 100.0f + 0.87f;
    std::vector<Instance> cells;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (state.g_Figs[0].Cells[static_cast<size_t>(i)][static_cast<size_t>(j)])
                cells.push_back(At(static_cast<float>(state.m_FantomX + i), static_cast<float>(state.m_FantomY + j), 0,
                                   scale, device_.Ambient()));
    DrawCellBatch(settings, cells, nullptr);
}

void Renderer::AdvanceWorld(const Settings& settings) {
    if (settings.m_WorldSpeed != 0) {
        for (size_t s = 0; s < 2; ++s)
            for (size_t a = 0; a < 3; ++a) {
                if (rng_.Rnd() > 0.99) worldRates_[s][a] = static_cast<float>(rng_.Rnd() * 5e-05 - 2.5e-05) * worldFactor_;
                worldAngles_[s][a] += worldRates_[s][a];
            }
    }
}

void Renderer::DrawWorldSpheres() {
    // The cells' material under the lights; none of the lights reaches this far.
    device_.SetMaterial(MatDefault());
    device_.SetLighting(true);
    device_.SetTexture(&skinTex_[14]);
    device_.SetModulate2x(false);
    device_.SetAlphaBlend(true);
    device_.SetBlendFactors(kBlendOne, kBlendOne);
    device_.SetAmbient(FromArgb(0xFFBBBBBBu));
    const float scales[2] = {350, 300};
    for (size_t s = 0; s < 2; ++s) {
        // The first sphere lies behind everything drawn so far, so wherever it passes
        // the depth test it adds to the cleared black: writing it unblended gives the
        // same picture without reading the target back.
        device_.SetAlphaBlend(s == 1);
        const auto& a = worldAngles_[s];
        const glm::mat4 world = glm::translate(glm::mat4(1.0f), glm::vec3(11, 15, 0)) *
                                glm::scale(glm::mat4(1.0f), glm::vec3(scales[s])) * glm::yawPitchRoll(a[0], a[1], a[2]);
        device_.SetWorld(world);
        device_.Draw(g_Shape1);
    }
    device_.SetWorld(glm::mat4(1.0f));
}

void Renderer::cs_DrawWorld(const Settings& settings) {
    // Translucent cells were blended against the black behind them before the world
    // came: there the world is drawn into the frame at its place, as it always was.
    AdvanceWorld(settings);
    worldLayer_.Invalidate();   // it turns on meanwhile
    DrawWorldSpheres();
}

bool Renderer::LayWorld(const Settings& settings, int viewGlY) {
    if (blendOn_ || !worldLayer_.Resize(view_.width, view_.height)) return false;
    AdvanceWorld(settings);
    // The world turns by well under a pixel in a few frames: its picture is drawn
    // again every fourth frame, and at once when the camera moved or the picture
    // was made anew.
    constexpr int kWorldRefreshFrames = 4;
    const bool cameraMoved = eye_ != worldEye_ || lookAt_ != worldLookAt_ || up_ != worldUp_ || g_Fov != worldFov_;
    if (!worldLayer_.Current() || cameraMoved || ++worldAge_ >= kWorldRefreshFrames) {
        worldLayer_.Begin();
        DrawWorldSpheres();
        worldLayer_.End();
        worldAge_ = 0;
        worldEye_ = eye_;
        worldLookAt_ = lookAt_;
        worldUp_ = up_;
        worldFov_ = g_Fov;
    }
    worldLayer_.Lay(view_.x, viewGlY);
    return true;
}

void Renderer::DrawMarkersAndBalls(const GameState& state, const Settings& settings) {
    // cs_BeginBalls.
    device_.SetTexture(&texSph_);
    device_.SetAlphaBlend(true);
    device_.SetBlendFactors(kBlendSrcColor, kBlendInvSrcColor);
    device_.SetAmbient(FromArgb(0xFF999999u));
    device_.SetWorld(glm::mat4(1.0f));
    const int numLights = LightCount(settings);
    if (settings.gr_VisibleLights == 1 && numLights >= 1 && lightsMade_) {
        // Each marker's material is its light's colour: a white material tinted per instance.
        device_.SetMaterial({{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0});
        std::vector<Instance> markers;
        for (int i = settings.bHLNew ? 1 : 0; i < numLights; ++i) {
            const PointLight& l = g_Lights[static_cast<size_t>(i)].light;
            Instance m = At(l.position.x, l.position.y, l.position.z, 1, device_.Ambient());
            m.tint = l.color;
            markers.push_back(m);
        }
        DrawWithChosenLights(smallShape_, markers, kShapeRadius);
    }
    if (settings.iBeSnake == 0) return;
    // cs_DrawBalls: every ball wobbles within +-0.3 on each axis.
    for (size_t b = 0; b < ballOffsets_.size(); ++b)
        for (size_t a = 0; a < 3; ++a) {
            const float moved = ballOffsets_[b][a] + ballRates_[b][a];
            if (std::abs(moved) >= 0.3f) ballRates_[b][a] = -ballRates_[b][a];
            ballOffsets_[b][a] += ballRates_[b][a];
        }
    device_.SetMaterial(g_Materials(5));
    device_.SetBlendFactors(kBlendOne, kBlendOne);
    const int n = std::min<int>(settings.game.m_DelLinesInLevel - state.g_LinesInLevel, static_cast<int>(ballOffsets_.size()));
    const Anchor pos = BallPos(settings.g_SkinIndex);
    std::vector<Instance> balls;
    for (int i = 1; i <= n; ++i) {
        const auto& o = ballOffsets_[static_cast<size_t>(i - 1)];
        // Translation, then a uniform scale 1.5 that scales the position too.
        balls.push_back(At((pos.x + o[0]) * 1.5f, (pos.y + 2.0f * i + o[1]) * 1.5f, o[2] * 1.5f, 1.5f, device_.Ambient()));
    }
    DrawWithChosenLights(smallShape_, balls, kShapeRadius);
}

void Renderer::DrawTexts(const GameState& state) {
    if (!state.g_Running) {
        const ColorValue c = FromArgb(255, RoundEven(rng_.Rnd() * 254), RoundEven(rng_.Rnd() * 254), RoundEven(rng_.Rnd() * 254));
        font_.m_DrawCenteredText(device_, cornerQuad_, view_, "Pause", kPauseTop, c, FromArgb(250, 55, 55, 55), false);
    }
    if (levelTitleShown_) {
        for (size_t k = 0; k < 3; ++k) {
            m_TextColor[k] = static_cast<int16_t>(std::clamp(m_TextColor[k] + m_TextStep[k], 10, 255));
            if (m_TextColor[k] >= 255 || m_TextColor[k] <= 10) m_TextStep[k] = static_cast<int16_t>(-m_TextStep[k]);
        }
        const int level = std::clamp<int>(state.g_Level, 0, kMaxLevel);
        const std::string title = "Level # " + std::to_string(level) + " : " + state.LevelName[static_cast<size_t>(level)];
        font_.m_DrawCenteredText(device_, cornerQuad_, view_, title, kLevelTitleTop,
                                 FromArgb(255, m_TextColor[0], m_TextColor[1], m_TextColor[2]),
                                 FromArgb(255, 255 - m_TextColor[0], 255 - m_TextColor[1], 255 - m_TextColor[2]), false);
    }
    device_.SetLighting(true);
}

void Renderer::DrawDigits(const Settings& settings) {
    (void)settings;
    device_.SetAlphaBlend(true);
    device_.SetLighting(true);
    device_.SetBlendFactors(kBlendOne, kBlendOne);
    device_.SetModulate2x(false);
    device_.SetTexture(&numAtlas_);
    device_.SetWorld(glm::mat4(1.0f));
    const ColorValue amb = FromArgb(0xFFEEEEEEu);
    // g_Button (0.9 x 0.8 at depth 2, drawn at z + 0.5) per character; one draw per colour.
    std::array<std::vector<Instance>, 4> byColor;
    for (clsDigit& d : g_Digits) {
        const int color = d.ColorIndex();
        for (const clsDigit::Glyph& g : d.dg_Step()) {
            const int tile = NumTextureIndex(g.c);
            if (tile < 0) continue;
            Instance i = At(g.x, g.y, 2.0f + 0.5f, 1, amb);
            i.sx = 0.9f;
            i.sy = 0.8f;
            i.us = 1.0f / kNumTextures;
            i.uo = static_cast<float>(tile) / kNumTextures;
            byColor[static_cast<size_t>(std::clamp(color, 1, 3))].push_back(i);
        }
    }
    for (int c = 1; c <= 3; ++c) {
        if (byColor[static_cast<size_t>(c)].empty()) continue;
        device_.SetMaterial(g_Materials(c));
        device_.DrawInstanced(cornerQuad_, byColor[static_cast<size_t>(c)]);
    }
}

// [SECTION] screenshots ---------------------------------------------------------------------

bool Renderer::ReadView(platform::RgbaImage* out) const {
    if (!deviceReady_ || view_.width <= 0 || view_.height <= 0) return false;
    out->width = view_.width;
    out->height = view_.height;
    out->pixels.assign(static_cast<size_t>(view_.width) * static_cast<size_t>(view_.height) * 4, 0);
    std::vector<uint8_t> rows(out->pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(view_.x, drawableHeight_ - (view_.y + view_.height), view_.width, view_.height, GL_RGBA,
                 GL_UNSIGNED_BYTE, rows.data());
    // GL rows run bottom to top.
    const size_t stride = static_cast<size_t>(view_.width) * 4;
    for (int y = 0; y < view_.height; ++y)
        std::copy_n(rows.data() + static_cast<size_t>(view_.height - 1 - y) * stride, stride,
                    out->pixels.data() + static_cast<size_t>(y) * stride);
    for (size_t k = 3; k < out->pixels.size(); k += 4) out->pixels[k] = 255;
    return glGetError() == GL_NO_ERROR;
}

}  // namespace zembrol::render
