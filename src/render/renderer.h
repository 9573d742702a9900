// The renderer: owns the GL device and every scene resource (meshes, textures,
// lights, widgets, the level font) and draws one complete frame of the 3D view,
// m_DrawAll, from the game state and the settings. It reads the game and changes
// none of it.
//
// Who calls it (the app): d_InitD3D once the window and its GL context exist;
// the configuration's graphics steps (m_LoadSkinTextures, GraphicsLoaded,
// cs_SetWorldSpeed, ResetLabelSweeps); InitGlobals' drawing half; the rules' flying
// numbers; m_DrawAll once per loop pass, then ReadView for a screenshot, then the
// window's swap. Destroyed before the window (g_Exit's first step).
//
// The effects (src/effects) advance once per pass on their own; the frame draws
// their state: the removals after the field, the deforming backdrop, the banner,
// and the level title while a flight is shown. The camera comes through SetCamera.
#pragma once

#include <array>
#include <vector>
#include <memory>
#include <string>

#include "settings/settings.h"
#include "effects/effects.h"
#include "game/game_state.h"
#include "game/rng.h"
#include "platform/image.h"
#include "render/cell_faces.h"
#include "render/gl_device.h"
#include "render/level_font.h"
#include "render/lights.h"
#include "render/render_log.h"
#include "render/textures.h"
#include "render/view.h"
#include "render/view_layout.h"
#include "render/world_layer.h"
#include "render/widgets.h"

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
    // Blending state and factors from gr_Alpha, gr_AlphaSource, gr_AlphaDest.
    void m_ApplyAlpha(const Settings& settings) override;
    // The graphics section was loaded: textures, blending, and the lights again
    // when they exist.
    void GraphicsLoaded(const Settings& settings) override;
    void cs_SetWorldSpeed(int worldSpeed) override;
    // One skin texture (gr_arTex index 0..14) from `path`, the others untouched. A file
    // that does not load leaves the texture on screen as it was; false then.
    bool ReloadSkinTexture(int index, const std::string& path) override;
    // While the light count is being chosen: this many lights shown instead of
    // gr_NumLights (at most 16); -1 goes back to gr_NumLights.
    void ShowLights(int count) override { lightsShown_ = count; }
    // m_Mat: the material the figures' cells are drawn with (the material editor's).
    void SetFigureMaterial(const Material& m) override { figureMaterial_ = m; }
    const Material& FigureMaterial() const { return figureMaterial_; }
    void ResetLabelSweeps(int gameSpeed) override;
    // hhl_setPlace of the two sweeps: the level table's place (0) and the record
    // table's (1); a changed place starts that label's sweep.
    void SetLabelPlaces(int levelPlace, int tablePlace) override;
    void SetModulate2x(bool on) override { modulate2x_ = on; }
    bool Modulate2x() const { return modulate2x_; }
    // The effects whose state the frame draws (removals, backdrop, banner); none: no effects.
    void AttachEffects(const Effects* effects) { effects_ = effects; }

    void FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState& state,
                   const Settings& settings) override;
    // Flying numbers started by the rules: slot 1..6 at a field position.
    void StartDigits(int slot, float x, float y, int32_t amount, const GameState& state, const Settings& settings);
    // An amount (price, Inversia, colour bonus) in the first free of slots 2, 5, 6.
    void StartAmountDigits(int32_t amount, float x, float y, const GameState& state, const Settings& settings);
    // The Miracle meter's number, from under the skin's first next panel.
    void StartMiracleDigits(int32_t meter, const GameState& state, const Settings& settings);

    // The camera: eye, look-at point, up vector and vertical field of view.
    void SetCamera(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov) override;

    // One frame of the 3D view, laid out in a drawable of this size (the window's
    // whole drawable); the window around the view is left to the caller.
    void m_DrawAll(const GameState& state, const Settings& settings, int drawableWidth, int drawableHeight) override;
    // Waits until the GL work of the frame is done (frame timing).
    void Finish() const override { glFinish(); }
    // Benchmarks: each m_DrawAll waits for its GL work and records its time in ms.
    void MeasureFrames(bool on) override { measure_ = on; }
    const std::vector<double>& MeasuredFrames() const override { return measured_; }
    // The 3D view of the frame just drawn (before the swap).
    bool ReadView(platform::RgbaImage* out) const override;

    const ViewRect& View() const { return view_; }
    int DrawCalls() const override { return device_.DrawCalls(); }
    int FrameCount() const { return frames_; }
    // The place labels' heights from the last frame's sweeps.
    std::array<int, 2> LabelHeights() const override { return labelHeights_; }

private:
    std::vector<Instance> BackdropQuads(const Settings& settings) const;
    void DrawBackdropDepth(const Settings& settings);
    void DrawBackdropBlock(const GameState& state, const Settings& settings);
    void DrawIndicator();
    void DrawCells(const GameState& state, const Settings& settings);
    void DrawNextFigures(const GameState& state, const Settings& settings);
    void DrawGhost(const GameState& state, const Settings& settings);
    void DrawEffects(const Settings& settings);
    // Shape marks (renderer_marks.cpp): the atlas, one mark on the front of a cell
    // just laid out, and all of the frame's marks in one draw.
    bool LoadMarks();
    void AddMark(const Instance& cell, uint8_t kind, const Settings& settings);
    void DrawMarks();
    // dq_MakeDeform's corners into the field quad's texture coordinates.
    void DeformBackdrop();
    // g_MovingQuads: the "Level" plate and the level's number plate.
    void DrawBanner(const GameState& state);
    // The world drawn straight into the frame at its place in the frame: where
    // cells are see-through or no picture can be made.
    void cs_DrawWorld(const Settings& settings);
    // The world's picture (drawn again every few frames, or when the camera or the
    // view changed) copied into the view as its background; false when it cannot be.
    bool LayWorld(const Settings& settings, int viewGlY);
    // The world's slow turn, once per frame.
    void AdvanceWorld(const Settings& settings);
    void DrawWorldSpheres();
    void DrawMarkersAndBalls(const GameState& state, const Settings& settings);
    void DrawTexts(const GameState& state);
    void DrawDigits(const Settings& settings);
    void ApplyCamera();
    // Whether a backdrop quad reads the backdrop texture's full-size picture alone.
    bool BackdropMagnified(const Instance& quad) const;
    int LightCount(const Settings& settings) const;
    void SyncIndicator(const GameState& state);
    const GlMesh& CellMesh(const Settings& settings) const;
    void ChooseInstanceLights(std::vector<Instance>& instances, float meshRadius) const;
    void DrawChosen(const GlMesh& mesh, const std::vector<Instance>& instances);
    void DrawWithChosenLights(const GlMesh& mesh, std::vector<Instance>& instances, float meshRadius);
    // Cells of one texture: opaque cubes draw only the faces that can show; `solid`
    // (may be null) holds the batch's touching edge-1 cubes.
    void DrawCellBatch(const Settings& settings, std::vector<Instance>& cells, const CellSet* solid);
    std::string Fixed(const char* name) const { return textureFolder_ + "/" + name; }

    RenderReports log_;
    const Effects* effects_ = nullptr;
    std::array<TexCoord, 4> backdropCorners_{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
    glm::mat4 viewProj_{1.0f};   // the camera of ApplyCamera
    GlTexture texLev_;
    std::string textureFolder_;
    Rng rng_;   // cosmetic randomness: never the game's generator
    Device device_;
    bool deviceReady_ = false;
    bool globalsReady_ = false;

    // Shared geometry and the widget meshes.
    GlMesh cube_, fieldQuad_, unitQuad_, cornerQuad_, g_Shape1, smallShape_, ballMesh_, grid_, gridSmall_;
    // Textures: skin set (backdrop, 11 level blocks, next, ghost, world), fixed files.
    std::array<GlTexture, kTextureKeys> skinTex_;
    GlTexture texNext_, texZemb_, texSZemb_, texChb_, texSph_, texPrb_, numAtlas_;
    LevelFont font_;

    std::array<LightRecord, kLightSlots> g_Lights{};
    bool lightsMade_ = false;
    // The lights the scene is lit by this frame, after their move (the device's set).
    std::array<PointLight, kLightSlots> frameLights_{};
    int frameLightCount_ = 0;
    std::array<clsDigit, 6> g_Digits;
    clsCHB g_CHB;
    std::array<clsHLLabel, 2> labels_;
    std::vector<Instance> faces_;   // the cube faces of one cell batch, reused
    GlTexture texMarks_;
    std::vector<Instance> marks_;   // the frame's shape marks
    std::array<int, 2> labelHeights_{};

    // Ball column and world spheres (clsSphere).
    std::array<std::array<float, 3>, 7> ballOffsets_{}, ballRates_{};
    std::array<std::array<float, 3>, 2> worldAngles_{}, worldRates_{};
    WorldLayer worldLayer_;
    int worldAge_ = 0;                       // frames since the world picture was drawn
    glm::vec3 worldEye_{}, worldLookAt_{}, worldUp_{};
    float worldFov_ = 0;                     // the camera the picture was drawn from
    float worldFactor_ = 0;

    bool blendOn_ = false;
    BlendCode blendSource_ = kBlendOne, blendDest_ = kBlendZero;
    bool modulate2x_ = false;
    int lightsShown_ = -1;
    Material figureMaterial_ = MatDefault();
    float m_FantomPulse = 0, m_FantomStep = 0;
    std::array<int16_t, 3> m_TextColor{100, 100, 100}, m_TextStep{3, 5, 7};
    bool levelTitleShown_ = false;

    glm::vec3 eye_{11.05f, 14.5f, 127.0f}, lookAt_{11.05f, 14.5f, 0.0f}, up_{0, -1, 0};
    float g_Fov = 3.14159f / 11.0f;
    ViewRect view_;
    int drawableHeight_ = 0;
    int frames_ = 0;
    bool measure_ = false;
    std::vector<double> measured_;
};

}  // namespace zembrol::render
