// The level-change flight.
#include "effects/cls_change_level_script.h"

#include "game/rng.h"
#include "game/rounding.h"

namespace zembrol {

namespace {
float U(Rng& rng) { return static_cast<float>(rng.Rnd()); }
}  // namespace

void clsChangeLevelScript::cl_Init(const CameraView& resting, Rng& rng) {
    rng.Randomize();
    std::array<Vec3, 3> endEye, endLookAt;
    // Segment 0: a random point of the plane z = 2 over the field, or a point near the
    // resting look-at point, seen from a random height on the field's centre axis.
    const int variant = static_cast<int>(RoundEven(U(rng) * 4));
    if (variant >= 1 && variant <= 3) {
        endLookAt[0].x = U(rng) * 20;
        endLookAt[0].y = U(rng) * 32;
        endLookAt[0].z = 2;
    } else {
        endLookAt[0] = resting.lookAt;
        endLookAt[0].x += (U(rng) - 0.5f) * 5;
        endLookAt[0].y += (U(rng) - 0.5f) * 5;
    }
    endEye[0] = {12, 16, U(rng) * 100};
    // Segment 1: straight down the centre axis; segment 2: home to the resting view.
    endEye[1] = {12, 16, 50};
    endLookAt[1] = {12, 16, 2};
    endEye[2] = resting.eye;
    endLookAt[2] = resting.lookAt;
    Vec3 eye = resting.eye, at = resting.lookAt;
    for (size_t k = 0; k < segments_.size(); ++k) {
        Segment& s = segments_[k];
        s.startEye = eye;
        s.startLookAt = at;
        s.endEye = endEye[k];
        s.endLookAt = endLookAt[k];
        s.eyeStep = (s.endEye - s.startEye) / kSegmentFrames;
        s.lookAtStep = (s.endLookAt - s.startLookAt) / kSegmentFrames;
        s.tilt = (U(rng) - 0.5f) / 3;
        s.counter = 0;
        eye = s.endEye;
        at = s.endLookAt;
    }
    index_ = 0;
    busy_ = true;
}

void clsChangeLevelScript::cl_ExecScript(Vec3* eye, Vec3* lookAt, float* tilt) {
    if (!busy_) return;
    Segment& s = segments_[static_cast<size_t>(index_)];
    const Vec3 e = s.startEye + s.eyeStep * static_cast<float>(s.counter + 1);
    const Vec3 a = s.startLookAt + s.lookAtStep * static_cast<float>(s.counter + 1);
    ++s.counter;
    // The last frame of a segment lands exactly on its end point.
    *eye = s.counter >= kSegmentFrames ? s.endEye : e;
    *lookAt = s.counter >= kSegmentFrames ? s.endLookAt : a;
    *tilt = s.tilt;
    if (s.counter >= kSegmentFrames && ++index_ >= static_cast<int16_t>(segments_.size())) busy_ = false;
}

}  // namespace zembrol
