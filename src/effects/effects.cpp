// The effects' events and their step per pass.
#include "effects/effects.h"

#include <cmath>

#include "effects/view_presets.h"
#include "game/game_state.h"
#include "game/rng.h"
#include "settings/settings.h"

namespace zembrol {

namespace {
FrameView ViewOf(const CameraView& c) { return FrameView{c.eye, c.lookAt, {0, -1, 0}, c.angle}; }
// The banner runs just below the field.
constexpr float kBannerY = 30.5f;
}  // namespace

Effects::Effects(const Settings& settings, Rng& looks)
    : settings_(settings), looks_(looks), g_Home(HomeView()), g_Rest(g_Home), g_View(ViewOf(g_Home)) {}

void Effects::InitGlobals() { g_MovingQuads.mq_Init(kBannerY, settings_.bWalkText); }

void Effects::GraphicsLoaded() { m_DeformQuad.dq_SetParams(settings_.gr_MoveBkg, settings_.dq_ValueDelay); }

void Effects::DeformSpeedChanged() { m_DeformQuad.dq_SetSpeed(settings_.dq_ValueDelay); }

void Effects::BannerSwitched() {
    if (settings_.bWalkText) g_MovingQuads.mq_ReInit();
    else g_MovingQuads.mq_Init(kBannerY, false);
}

bool Effects::OnGameEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::RowRemovalStart: g_Del.del_fInit(); return true;
        case EventKind::RowRemovalAdd: g_Del.del_fAdd(static_cast<int16_t>(e.value)); return true;
        case EventKind::RemovedFigureStop: m_RemoveFig.rf_Stop(); return true;
        case EventKind::RemovedFigureStart:
            m_RemoveFig.rf_Init(e.cells, static_cast<int16_t>(e.column), static_cast<int16_t>(e.row));
            return true;
        case EventKind::LevelBannerRestart:
            if (settings_.bWalkText) g_MovingQuads.mq_ReInit();
            return true;
        case EventKind::LevelFlightStart:
            // The rules wait for this flight (cl_Busy) until AdvanceFrame reports its end.
            m_ChangeLevel.cl_Init(g_Rest, looks_);
            if (onFlight) onFlight(true);
            return true;
        case EventKind::ViewReset:
            // A game starts from the resting view, whatever a flight left on screen.
            if (!m_MoveScript.Moving() && !m_ChangeLevel.cl_Busy()) g_View = ViewOf(g_Rest);
            return true;
        default:
            return false;
    }
}

FrameOutcome Effects::AdvanceFrame(const GameState& s) {
    FrameOutcome outcome;
    flightShown_ = false;
    if (m_ChangeLevel.cl_Busy()) {
        // The flight runs to its end even while the finished game is on show (then it
        // is not drawn): the game waits for it.
        Vec3 eye, at;
        float tilt = 0;
        m_ChangeLevel.cl_ExecScript(&eye, &at, &tilt);
        flightShown_ = !s.m_EndOfGameDisplay;
        if (flightShown_) g_View = FrameView{eye, at, {tilt, -1, 0}, g_Rest.angle};
        if (!m_ChangeLevel.cl_Busy()) {
            outcome.flightOver = true;
            g_View = ViewOf(g_Rest);   // the normal view returns, upright
            if (onFlight) onFlight(false);
        }
    } else if (s.g_ViewMoving) {
        Vec3 eye, at;
        m_MoveScript.cms_Move(g_Rest, &eye, &at);
        g_View = FrameView{eye, at, {0, -1, 0}, g_Rest.angle};
        outcome.viewMoveOver = !m_MoveScript.Moving();
    } else if (s.m_EndOfGameDisplay) {
        // The finished game on show: the camera sways slowly around the field, and now
        // and then (1 in 800 frames) a view preset takes over and ends the show.
        endOfGameSway_ += 0.01f;
        const Vec3 sway{20 * std::sin(endOfGameSway_), 8 * std::sin(endOfGameSway_ * 0.7f), 0};
        g_View = FrameView{g_Rest.eye + sway, g_Rest.lookAt, {0, -1, 0}, g_Rest.angle};
        if (looks_.Rnd() < 1.0 / 800) {
            StartPresetMove(1 + static_cast<int>(looks_.Rnd() * 7), s);
            outcome.presetStarted = true;
        }
    }
    if (!s.m_EndOfGameDisplay || outcome.presetStarted) endOfGameSway_ = 0;
    g_Del.del_Step();
    m_RemoveFig.rf_Step(settings_.game.g_Speed);
    m_DeformQuad.dq_MakeDeform();
    g_MovingQuads.mq_Step();
    return outcome;
}

void Effects::StartViewPreset(int preset, GameState& s) {
    StartPresetMove(preset, s);
    ApplyFrameOutcome(s, FrameOutcome{.presetStarted = true});
}

void Effects::StartPresetMove(int preset, const GameState& s) {
    zembrol::StartViewPreset(preset, m_MoveScript, g_Rest, s, settings_.game.iFantom != 0, g_Home, looks_);
}


}  // namespace zembrol
