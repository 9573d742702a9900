// The renderer: the GL view of a window run. Owns the shared scene (device, skin
// textures, shared meshes, the cosmetic generator) and the layers that draw it, and
// puts one frame together, m_DrawAll, from the game state and the settings. It reads
// the game and changes none of it.
//
// Who calls it (the app, through View): d_InitD3D once the window and its GL context
// exist; the configuration's graphics steps; InitGlobals' drawing half; the rules'
// flying numbers; m_DrawAll once per loop pass, then ReadView for a screenshot, then
// the window's swap. Destroyed before the window (g_Exit's first step).
//
// The layers, in the frame's order: the world spheres (world_spheres.h), the
// backdrop (backdrop_layer.h), the indicator, light markers and balls
// (balls_layer.h), the cells (cells_layer.h), and the texts, flying numbers and
// banner over them (overlay_layer.h); the lights (light_rig.h) light them all.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "render/backdrop_layer.h"
#include "render/balls_layer.h"
#include "render/cells_layer.h"
#include "render/light_rig.h"
#include "render/overlay_layer.h"
#include "render/scene_kit.h"
#include "render/view.h"
#include "render/widgets.h"
#include "render/world_spheres.h"

namespace zembrol::render {

// What the GL context reports, for the start-up log.
struct DeviceInfo {
    std::string vendor, renderer, version;
    int maxTextureSize = 0;
};

class Renderer final : public View {
public:
    // `textureFolder` holds the fixed texture files ("…/data/textures"). Failures go
    // to `reports`: the log, and what the player is to be told.
    Renderer(RenderReports reports, std::string textureFolder, uint64_t cosmeticSeed, bool fixedSeed);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer() override;

    // The device part of d_InitD3D: capabilities log, states, shared geometry,
    // widget objects, the indicator texture and the level font. False on failure.
    bool d_InitD3D(const DeviceInfo& info);
    // InitGlobals' drawing half: balls, grids, progress bar, lights, panel textures.
    bool InitGlobals(const Settings& settings) override;
    // The 15 skin textures from gr_arTex0..14; the first failure stops the loading.
    bool m_LoadSkinTextures(const Settings& settings);
    void m_ApplyAlpha(const Settings& settings) override;
    // The graphics section was loaded: textures, blending, and the lights again
    // when they exist.
    void GraphicsLoaded(const Settings& settings) override;
    void cs_SetWorldSpeed(int worldSpeed) override { world_.SetSpeed(worldSpeed); }
    // A file that does not load leaves the texture on screen as it was; false then.
    bool ReloadSkinTexture(int index, const std::string& path) override;
    void ShowLights(int count) override { lights_.Show(count); }
    void SetFigureMaterial(const Material& m) override { cells_.SetFigureMaterial(m); }
    const Material& FigureMaterial() const { return cells_.FigureMaterial(); }
    void ResetLabelSweeps(int gameSpeed) override;
    // hhl_setPlace of the two sweeps: the level table's place (0) and the record
    // table's (1); a changed place starts that label's sweep.
    void SetLabelPlaces(int levelPlace, int tablePlace) override;
    void SetModulate2x(bool on) override { modulate2x_ = on; }
    bool Modulate2x() const { return modulate2x_; }
    // The effects whose state the frame draws (removals, backdrop, banner); none: no effects.
    void AttachEffects(const Effects* effects) { kit_.effects = effects; }

    // Flying numbers started by the rules, into their slots.
    void FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState& state,
                   const Settings& settings) override;
    void SetCamera(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov) override;

    // One frame of the 3D view, laid out in a drawable of this size (the window's
    // whole drawable); the window around the view is left to the caller.
    void m_DrawAll(const GameState& state, const Settings& settings, int drawableWidth, int drawableHeight) override;
    void Finish() const override { glFinish(); }
    // Benchmarks: each m_DrawAll waits for its GL work and records its time in ms.
    void MeasureFrames(bool on) override { measure_ = on; }
    const std::vector<double>& MeasuredFrames() const override { return measured_; }
    bool ReadView(platform::RgbaImage* out) const override;

    int DrawCalls() const override { return kit_.device.DrawCalls(); }
    int FrameCount() const { return frames_; }
    std::array<int, 2> LabelHeights() const override { return labelHeights_; }

private:
    // The view cleared to black, or laid with the world's picture; true for the latter.
    bool BeginView(const Settings& settings, int drawableWidth, int drawableHeight);
    // The log's account of the device (m_EnumerateHardware, GetADSFormat); false
    // without a depth buffer.
    bool LogDevice(const DeviceInfo& info);

    SceneKit kit_;
    LightRig lights_;
    WorldSpheres world_{kit_};
    BackdropLayer backdrop_{kit_};
    BallsLayer balls_{kit_, lights_};
    CellsLayer cells_{kit_, lights_};
    OverlayLayer overlay_{kit_};
    bool deviceReady_ = false;
    bool globalsReady_ = false;
    bool modulate2x_ = false;

    std::array<clsHLLabel, 2> labels_;
    std::array<int, 2> labelHeights_{};
    int drawableHeight_ = 0;
    int frames_ = 0;
    bool measure_ = false;
    std::vector<double> measured_;
};

}  // namespace zembrol::render
