// Camera moves between resting views.
#include "effects/move_script.h"

namespace zembrol {

void clsMoveScript::cms_Init(int16_t steps, Vec3 targetEye, Vec3 startEye, Vec3 targetLookAt, Vec3 startLookAt,
                             float startAngle, float endAngle) {
    // A move of no frames would divide by zero: it takes one frame instead.
    steps_ = steps < 1 ? 1 : steps;
    targetEye_ = targetEye;
    targetLookAt_ = targetLookAt;
    eye_ = startEye;
    lookAt_ = startLookAt;
    eyeStep_ = (targetEye - startEye) / steps_;
    lookAtStep_ = (targetLookAt - startLookAt) / steps_;
    angle_ = startAngle;
    angleStep_ = (endAngle - startAngle) / steps_;
    counter_ = 0;
    moving_ = true;
}

void clsMoveScript::cms_Move(CameraView& resting, Vec3* eye, Vec3* lookAt) {
    eye_ = eye_ + eyeStep_;
    lookAt_ = lookAt_ + lookAtStep_;
    angle_ += angleStep_;
    if (++counter_ >= steps_) {
        eye_ = targetEye_;
        lookAt_ = targetLookAt_;
        moving_ = false;
    }
    resting.eye = eye_;
    resting.lookAt = lookAt_;
    resting.angle = angle_;
    *eye = eye_;
    *lookAt = lookAt_;
}

}  // namespace zembrol
