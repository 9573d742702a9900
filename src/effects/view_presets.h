// The camera view presets of keys F1..F7 (F1 also the main-view button): each one
// moves the camera from the resting view to a target of its own.
#pragma once

#include "effects/camera.h"
#include "effects/move_script.h"

namespace zembrol {

class Rng;
struct GameState;

struct ViewPreset {
    CameraView target;
    int16_t steps = 50;
};

// The target of preset 1..7, taken once from the figure and ghost positions now.
// `ghostShown` is iFantom != 0. Random components come from `rng` in listed order.
ViewPreset ViewPresetTarget(int preset, const GameState& state, bool ghostShown, const CameraView& home, Rng& rng);

// Starts the move of preset 1..7 from the resting view.
void StartViewPreset(int preset, clsMoveScript& script, const CameraView& resting, const GameState& state,
                     bool ghostShown, const CameraView& home, Rng& rng);

}  // namespace zembrol
