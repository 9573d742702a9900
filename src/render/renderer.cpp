// The renderer: start-up of the device and the layers, the frame put together from
// the layers in their order, and screenshots.
#include "render/renderer.h"

#include <algorithm>
#include <chrono>

#include "render/meshes.h"
#include "render/textures.h"

namespace zembrol::render {

Renderer::Renderer(RenderReports reports, std::string textureFolder, uint64_t cosmeticSeed, bool fixedSeed)
    : kit_(std::move(reports), std::move(textureFolder),
           fixedSeed ? Rng(cosmeticSeed) : Rng([cosmeticSeed] { return cosmeticSeed; })) {}

Renderer::~Renderer() = default;

// [SECTION] start-up ---------------------------------------------------------------------

bool Renderer::LogDevice(const DeviceInfo& info) {
    const RenderReports& log = kit_.log;
    log("Default adapter = " + info.renderer + " (" + info.vendor + ")", kLogPlain, true);
    log("OpenGL version: " + info.version, kLogPlain, true);
    // m_EnumerateHardware: what the device can do, in the terms of the old log.
    log("Maximum Active Lights: " + std::to_string(kMaxShaderLights), kLogPlain, true);
    GLfloat pointRange[2] = {0, 0};
    glGetFloatv(GL_POINT_SIZE_RANGE, pointRange);
    log("Max Point Vertex Size: " + std::to_string(static_cast<int>(pointRange[1])), kLogPlain, true);
    log("Max Texture Size: " + std::to_string(info.maxTextureSize) + "x" + std::to_string(info.maxTextureSize),
        kLogPlain, true);
    GLint maxIndices = 0;
    glGetIntegerv(GL_MAX_ELEMENTS_INDICES, &maxIndices);
    log("Max Primitives In One Call: " + std::to_string(maxIndices / 3), kLogPlain, true);
    log("Device Supports Volume Mapping", kLogPlain, true);
    log("Device Supports Hardware Transform and Lighting", kLogPlain, true);
    const bool software = info.renderer.find("llvmpipe") != std::string::npos ||
                          info.renderer.find("softpipe") != std::string::npos ||
                          info.renderer.find("swrast") != std::string::npos;
    if (!software) log("Device can use Hardware Rasterization", kLogPlain, true);
    log("Device can Render in Windowed Mode", kLogPlain, true);
    log("___", kLogPlain, true);
    // GetADSFormat: the depth buffer the window got.
    log("GetADSFormat()", kLogPlain, true);
    GLint depthBits = 0, stencilBits = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_STENCIL, GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &stencilBits);
    glGetError();   // a default framebuffer without one of them reports an error here
    if (depthBits <= 0) {
        log("ADS_Format undefined", kLogPlain, false);
        return false;
    }
    log(std::string("ADS_HAL_Format=") +
            (depthBits >= 24 ? (stencilBits >= 8 ? "D24S8" : "D24X8") : depthBits >= 16 ? "D16" : "D15S1"),
        kLogPlain, true);
    log(software ? "D3DCREATE_SOFTWARE_VERTEXPROCESSING" : "D3DCREATE_HARDWARE_VERTEXPROCESSING", kLogPlain, true);
    return true;
}

bool Renderer::d_InitD3D(const DeviceInfo& info) {
    if (!LogDevice(info)) return false;
    std::string error;
    if (!kit_.device.Create(&error)) {
        kit_.log("d_InitD3D()_Error description: " + error, kLogPlain, false);
        return false;
    }
    // d_InitCube, d_InitFieldQuad, d_InitUnitQuad and the widget meshes.
    const bool geometry = cells_.UploadCube() && backdrop_.UploadQuad() &&
                          kit_.unitQuad.Upload(UnitQuadMesh(), GL_TRIANGLES) &&
                          kit_.cornerQuad.Upload(CornerQuadMesh(), GL_TRIANGLES);
    if (!geometry) {
        kit_.log("d_InitCube()", kLogPlain, false);
        return false;
    }
    // g_NumTexs: the number textures, packed side by side.
    overlay_.LoadNumbers();
    if (!cells_.LoadMarks()) kit_.log("shape marks", kLogPlain, false);
    overlay_.InitDigits();
    balls_.LoadIndicatorTexture();
    overlay_.LoadBanner();
    overlay_.InitFont();
    // The balls, the light markers and the colour-bonus indicator are spheres a few
    // cells across: the world's shape with 8 slices and stacks draws them with the
    // same outline to within a pixel, and less than half the triangles, each of
    // which a software rasteriser sets up whether it covers a pixel or not.
    if (!world_.UploadShape() || !kit_.smallShape.Upload(ShapeSphere(8, 8), GL_TRIANGLES)) {
        kit_.log("sph_CreateShape()", kLogPlain, false);
        return false;
    }
    deviceReady_ = true;
    return true;
}

bool Renderer::InitGlobals(const Settings& settings) {
    if (!deviceReady_) return false;
    balls_.InitBalls();
    cs_SetWorldSpeed(settings.m_WorldSpeed);
    const bool grids = backdrop_.InitGlobals();
    // Lights, ambient and materials are set per draw; the lights are made here.
    lights_.Make(kit_.rng);
    kit_.device.SetAmbient(FromArgb(255, settings.btMRed, settings.btMGreen, settings.btMBlue));
    kit_.device.SetMaterial(MatDefault());
    cells_.LoadFigureTextures();
    globalsReady_ = grids;
    return globalsReady_;
}

bool Renderer::m_LoadSkinTextures(const Settings& settings) {
    if (!deviceReady_) return false;
    for (size_t i = 0; i < kit_.skinTex.size(); ++i) {
        if (!d_LoadTex32x32(&kit_.skinTex[i], settings.gr_arTex[i], kit_.log)) {
            // The rest keep what they had; a cleared slot draws untextured.
            return false;
        }
    }
    return true;
}

void Renderer::m_ApplyAlpha(const Settings& settings) {
    kit_.blendOn = settings.gr_Alpha != 0;
    kit_.blendSource = BlendFactorForIndex(settings.gr_AlphaSource);
    kit_.blendDest = BlendFactorForIndex(settings.gr_AlphaDest);
}

void Renderer::GraphicsLoaded(const Settings& settings) {
    m_LoadSkinTextures(settings);
    m_ApplyAlpha(settings);
    lights_.Remake(kit_.rng);
}

bool Renderer::ReloadSkinTexture(int index, const std::string& path) {
    if (!deviceReady_ || index < 0 || index >= static_cast<int>(kit_.skinTex.size())) return false;
    // The picture is read before the texture is touched: a file that does not load
    // leaves the old texture drawn.
    platform::RgbaImage image;
    if (!LoadTextureImage(path, &image, kit_.log)) return false;
    GlTexture fresh;
    if (!fresh.UploadRgba(image.width, image.height, image.pixels.data())) {
        kit_.log("CreateTextureFromFile(" + path + ") - the texture cannot be created", kLogPlain, false);
        return false;
    }
    kit_.skinTex[static_cast<size_t>(index)] = std::move(fresh);
    return true;
}

void Renderer::ResetLabelSweeps(int gameSpeed) {
    for (clsHLLabel& l : labels_) l.hll_init(gameSpeed, kit_.rng);
}

void Renderer::SetLabelPlaces(int levelPlace, int tablePlace) {
    labels_[0].hhl_setPlace(levelPlace);
    labels_[1].hhl_setPlace(tablePlace);
}

void Renderer::FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState& state,
                         const Settings& settings) {
    switch (flight) {
        case NumberFlight::Amount: overlay_.StartAmountDigits(amount, x, y, state, settings); break;
        case NumberFlight::TimeBonus: overlay_.StartDigits(1, x, y, amount, state, settings); break;
        case NumberFlight::Miracle: overlay_.StartMiracleDigits(amount, state, settings); break;
    }
}

void Renderer::SetCamera(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov) {
    kit_.eye = eye;
    kit_.lookAt = lookAt;
    kit_.up = up;
    kit_.fov = fov;
}

// [SECTION] the frame -----------------------------------------------------------------------

bool Renderer::BeginView(const Settings& settings, int drawableWidth, int drawableHeight) {
    // The view cleared to black (or laid with the world); the window around it is
    // the caller's.
    kit_.view = LayoutView(drawableWidth, drawableHeight);
    drawableHeight_ = drawableHeight;
    const ViewRect& v = kit_.view;
    const int glY = drawableHeight - (v.y + v.height);
    kit_.ApplyCamera();
    // The world lies behind everything: where its picture can be used it takes the
    // place of the view's black, before anything else is drawn.
    const bool worldLaid = settings.m_WorldEnable && world_.Lay(settings, glY);
    glViewport(v.x, glY, v.width, v.height);
    glScissor(v.x, glY, v.width, v.height);
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
    return worldLaid;
}

void Renderer::m_DrawAll(const GameState& state, const Settings& settings, int drawableWidth, int drawableHeight) {
    if (!deviceReady_) return;
    const auto started = std::chrono::steady_clock::now();
    Device& device = kit_.device;
    device.ResetDrawCalls();
    cells_.BeginFrame(settings);
    const bool worldLaid = BeginView(settings, drawableWidth, drawableHeight);

    device.SetWorld(glm::mat4(1.0f));
    device.SetSpecular(false);
    lights_.BeginFrame(device, settings);

    // While a level flight runs the backdrop always goes first, and the level's title shows.
    const bool flying = kit_.effects && kit_.effects->ChangeLevel().cl_Busy();
    const bool levelTitle = kit_.effects && kit_.effects->FlightShown();
    const bool backdropFirst = flying || settings.gr_Alpha == 1;
    if (backdropFirst) backdrop_.Draw(state, settings);
    else if (settings.bDrawSetka && settings.m_WorldEnable && !worldLaid) backdrop_.DrawDepth(settings);
    balls_.SyncIndicator(state);
    balls_.DrawIndicator();

    device.SetLighting(true);
    lights_.Move(kit_, settings, state);
    device.SetModulate2x(modulate2x_);
    device.SetAlphaBlend(kit_.blendOn);
    device.SetBlendFactors(kit_.blendSource, kit_.blendDest);
    cells_.DrawField(state, settings);
    cells_.DrawRemovals(settings);
    cells_.DrawNextFigures(state, settings);
    cells_.DrawGhost(state, settings);
    cells_.DrawMarks();
    device.SetModulate2x(false);

    if (settings.m_WorldEnable && !worldLaid) world_.DrawIntoFrame(settings);
    balls_.DrawMarkersAndBalls(state, settings);
    if (!backdropFirst) backdrop_.Draw(state, settings);

    overlay_.DrawTexts(state, levelTitle);
    kit_.ApplyCamera();
    device.SetDepthTest(false);
    if (settings.bFlyingBonus) overlay_.DrawDigits();
    overlay_.DrawBanner(state);
    device.SetDepthTest(true);

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

// [SECTION] screenshots ---------------------------------------------------------------------

bool Renderer::ReadView(platform::RgbaImage* out) const {
    const ViewRect& v = kit_.view;
    if (!deviceReady_ || v.width <= 0 || v.height <= 0) return false;
    out->width = v.width;
    out->height = v.height;
    out->pixels.assign(static_cast<size_t>(v.width) * static_cast<size_t>(v.height) * 4, 0);
    std::vector<uint8_t> rows(out->pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(v.x, drawableHeight_ - (v.y + v.height), v.width, v.height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    // GL rows run bottom to top.
    const size_t stride = static_cast<size_t>(v.width) * 4;
    for (int y = 0; y < v.height; ++y)
        std::copy_n(rows.data() + static_cast<size_t>(v.height - 1 - y) * stride, stride,
                    out->pixels.data() + static_cast<size_t>(y) * stride);
    for (size_t k = 3; k < out->pixels.size(); k += 4) out->pixels[k] = 255;
    return glGetError() == GL_NO_ERROR;
}

}  // namespace zembrol::render
