// FrameOutcome: what the host's frame of a pass (camera, effects) reports to the game.
// The rules set the flags they wait on; the loop applies these reports between passes,
// so no handler writes the game's state while a rules call runs, and a rules run fed
// the same reports plays the same game.
#pragma once

#include "game/game_state.h"

namespace zembrol {

struct FrameOutcome {
    bool flightOver = false;     // the level flight has flown: the game's wait (cl_Busy) ends
    bool viewMoveOver = false;   // the camera has reached its preset: drops wait no more (g_ViewMoving)
    bool presetStarted = false;  // the finished game's show took a view preset: the show ends, the camera moves
};

// The report applied to the game, between passes.
inline void ApplyFrameOutcome(GameState& s, const FrameOutcome& outcome) {
    if (outcome.flightOver) s.cl_Busy = false;
    if (outcome.viewMoveOver) s.g_ViewMoving = false;
    if (outcome.presetStarted) {
        s.m_EndOfGameDisplay = false;
        s.g_ViewMoving = true;
    }
}

}  // namespace zembrol
