// Effects: the scene's effects and the camera as plain state that advances once per
// loop pass, drawn or not — the row removal (g_Del), the taken-back figure
// (m_RemoveFig), the moving backdrop (m_DeformQuad), the level banner
// (g_MovingQuads), the level flight (m_ChangeLevel), the camera's resting view with
// its move (m_MoveScript), the end-of-game view, and the view each frame is drawn from. A headless run and a window run of the same seed
// and inputs therefore play the same game: what the rules read (g_ViewMoving,
// cl_Busy) changes pass by pass in both.
//
// Who calls it: the application routes the effect events of the rules here
// (OnGameEvent), starts view presets from keys and buttons, and calls AdvanceFrame
// at the start of each pass; the renderer reads the state to draw it.
#pragma once

#include <functional>

#include "effects/camera.h"
#include "effects/cls_change_level_script.h"
#include "effects/cls_deform_quad.h"
#include "effects/cls_del.h"
#include "effects/cls_moving_quads.h"
#include "effects/cls_remove_fig.h"
#include "effects/move_script.h"
#include "game/frame_outcome.h"
#include "game/game_events.h"

namespace zembrol {

class Rng;
struct GameState;
struct Settings;

// The view one frame is drawn from: eye, look-at point, up vector, field of view.
struct FrameView {
    Vec3 eye, lookAt, up{0, -1, 0};
    float fov = 0;
};

class Effects {
public:
    // `looks` is the cosmetic generator (never the game's): the random view presets draw from it.
    Effects(const Settings& settings, Rng& looks);

    // The effect events of the rules; false for an event that is not the effects'.
    bool OnGameEvent(const GameEvent& e);
    // One pass: the camera (flight, move or end-of-game view) and the effects step once.
    // Reads the game only; what the game must learn of it (a flight or a camera move
    // ended, a preset took over the finished game's show) is reported, and the loop
    // applies it between passes.
    FrameOutcome AdvanceFrame(const GameState& s);
    // The one-time start: the banner below the field (idle unless bWalkText).
    void InitGlobals();
    // The graphics settings were loaded: the backdrop's deformation and its speed.
    void GraphicsLoaded();
    // The graphics window changed one of them: the new type starts from its first
    // frame; a new speed keeps the picture where it is.
    void DeformTypeChanged() { GraphicsLoaded(); }
    void DeformSpeedChanged();
    // bWalkText switched: on runs the banner once at once, off takes it away.
    void BannerSwitched();
    // Called when a level flight starts (true) and when it ends (false): the level
    // sound and the music follow it.
    std::function<void(bool)> onFlight;
    // F1..F7 and the main-view button: move from the resting view to preset 1..7.
    // Called between passes, so it sets the game's flags itself.
    void StartViewPreset(int preset, GameState& s);

    const FrameView& View() const { return g_View; }
    const CameraView& Resting() const { return g_Rest; }
    const clsDel& Del() const { return g_Del; }
    const clsRemoveFig& RemoveFig() const { return m_RemoveFig; }
    const clsDeformQuad& DeformQuad() const { return m_DeformQuad; }
    const clsMovingQuads& MovingQuads() const { return g_MovingQuads; }
    const clsChangeLevelScript& ChangeLevel() const { return m_ChangeLevel; }
    // The flight is on screen this frame: the frame shows the level's title.
    bool FlightShown() const { return flightShown_; }

private:
    // The camera's move towards preset 1..7 (the flags are the caller's to set).
    void StartPresetMove(int preset, const GameState& s);

    const Settings& settings_;
    Rng& looks_;
    CameraView g_Home;        // set once, the whole field straight on
    CameraView g_Rest;        // g_Eye, g_LookAt, g_ViewAngle
    FrameView g_View;         // what the frame is drawn from
    clsMoveScript m_MoveScript;
    clsDel g_Del;
    clsRemoveFig m_RemoveFig;
    clsDeformQuad m_DeformQuad;
    clsMovingQuads g_MovingQuads;
    clsChangeLevelScript m_ChangeLevel;
    bool flightShown_ = false;
    float endOfGameSway_ = 0;   // the end-of-game view's running angle
};

}  // namespace zembrol
