// clsMoveScript: moves the camera in a straight line from one resting view to
// another over a number of frames; drops are ignored while it runs (g_ViewMoving).
#pragma once

#include <cstdint>

#include "effects/camera.h"

namespace zembrol {

class clsMoveScript {
public:
    // Prepares a move of `steps` frames from `start` to `target` (eye, look-at, angle).
    void cms_Init(int16_t steps, Vec3 targetEye, Vec3 startEye, Vec3 targetLookAt, Vec3 startLookAt,
                  float startAngle, float endAngle);
    // One frame: the new eye and look-at point, also stored into the resting view.
    void cms_Move(CameraView& resting, Vec3* eye, Vec3* lookAt);
    bool Moving() const { return moving_; }

private:
    int16_t steps_ = 0, counter_ = 0;
    Vec3 targetEye_, targetLookAt_, eye_, lookAt_, eyeStep_, lookAtStep_;
    float angle_ = 0, angleStep_ = 0;
    bool moving_ = false;
};

}  // namespace zembrol
