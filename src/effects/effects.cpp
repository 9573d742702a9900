// The effects' events and their step per pass.
#include "effects/effects.h"

#include "effects/view_presets.h"
#include "game/game_state.h"
#include "settings/settings.h"

namespace zembrol {

namespace {
FrameView ViewOf(const CameraView& c) { return FrameView{c.eye, c.lookAt, {0, -1, 0}, c.angle}; }
}  // namespace

Effects::Effects(const Settings& settings, Rng& looks)
    : settings_(settings), looks_(looks), g_Home(HomeView()), g_Rest(g_Home), g_View(ViewOf(g_Home)) {}

bool Effects::OnGameEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::RowRemovalStart: g_Del.del_fInit(); return true;
        case EventKind::RowRemovalAdd: g_Del.del_fAdd(static_cast<int16_t>(e.value)); return true;
        case EventKind::RemovedFigureStop: m_RemoveFig.rf_Stop(); return true;
        case EventKind::RemovedFigureStart:
            m_RemoveFig.rf_Init(e.cells, static_cast<int16_t>(e.column), static_cast<int16_t>(e.row));
            return true;
        case EventKind::LevelBannerRestart:
            if (settings_.bWalkText) ++bannerRestarts_;
            return true;
        case EventKind::LevelFlightStart:
            if (settings_.b_AnimateChangeLevel) ++flightsAsked_;
            return true;
        case EventKind::ViewReset:
            // A game starts from the resting view, whatever a flight left on screen.
            if (!m_MoveScript.Moving()) g_View = ViewOf(g_Rest);
            return true;
        default:
            return false;
    }
}

void Effects::AdvanceFrame(GameState& s) {
    if (s.g_ViewMoving) {
        Vec3 eye, at;
        m_MoveScript.cms_Move(g_Rest, &eye, &at);
        g_View = FrameView{eye, at, {0, -1, 0}, g_Rest.angle};
        s.g_ViewMoving = m_MoveScript.Moving();
    }
    g_Del.del_Step();
    m_RemoveFig.rf_Step(settings_.game.g_Speed);
}

void Effects::StartViewPreset(int preset, GameState& s) {
    s.m_EndOfGameDisplay = false;
    zembrol::StartViewPreset(preset, m_MoveScript, g_Rest, s, settings_.game.iFantom != 0, g_Home, looks_);
    s.g_ViewMoving = true;
}

}  // namespace zembrol
