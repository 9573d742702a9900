// The 3D view as the application sees it: what it is told at start-up and when the
// configuration changes, the rules' flying numbers, and one frame per pass. The GL
// renderer draws it in a window run; a headless run has the null view, which draws
// nothing and opens no GL.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "game/game_state.h"
#include "platform/image.h"
#include "render/render_types.h"
#include "settings/settings.h"

namespace zembrol::render {

// Where a flying number starts: an amount (price, Inversia, colour bonus), the
// landing's time bonus, or the Miracle meter.
enum class NumberFlight { Amount, TimeBonus, Miracle };

class View {
public:
    virtual ~View() = default;

    // InitGlobals' drawing half, once the settings are read; false on failure.
    virtual bool InitGlobals(const Settings& settings) = 0;
    // The graphics section was loaded (textures, blending, lights).
    virtual void GraphicsLoaded(const Settings& settings) = 0;
    // Blending from gr_Alpha, gr_AlphaSource and gr_AlphaDest.
    virtual void m_ApplyAlpha(const Settings& settings) = 0;
    virtual void cs_SetWorldSpeed(int worldSpeed) = 0;
    virtual void ResetLabelSweeps(int gameSpeed) = 0;
    // One skin texture (gr_arTex index 0..14) from `path`; false when the file does
    // not load (what is drawn stays as it was).
    virtual bool ReloadSkinTexture(int index, const std::string& path) = 0;
    // While the light count is being chosen: this many lights shown; -1: gr_NumLights.
    virtual void ShowLights(int count) = 0;
    virtual void SetModulate2x(bool on) = 0;
    // The material the figures' cells are drawn with (the material editor's).
    virtual void SetFigureMaterial(const Material& m) = 0;

    // A flying number started by the rules at a field position.
    virtual void FlyNumber(NumberFlight flight, int32_t amount, float x, float y, const GameState& state,
                           const Settings& settings) = 0;

    // The camera of the pass: eye, look-at point, up vector, vertical field of view.
    virtual void SetCamera(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov) = 0;
    // The level table's and the record table's places; a changed place starts its sweep.
    virtual void SetLabelPlaces(int levelPlace, int tablePlace) = 0;
    // One frame of the view, laid out in a drawable of this size.
    virtual void m_DrawAll(const GameState& state, const Settings& settings, int drawableWidth, int drawableHeight) = 0;
    // The place labels' heights from the last frame's sweeps.
    virtual std::array<int, 2> LabelHeights() const = 0;
    // The view of the frame just drawn (before the swap); false when there is none.
    virtual bool ReadView(platform::RgbaImage* out) const = 0;

    // Frame runs: wait for the frame's GL work; time each m_DrawAll; its draw calls.
    virtual void Finish() const = 0;
    virtual void MeasureFrames(bool on) = 0;
    virtual const std::vector<double>& MeasuredFrames() const = 0;
    virtual int DrawCalls() const = 0;
};

}  // namespace zembrol::render
