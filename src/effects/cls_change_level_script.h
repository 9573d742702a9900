// clsChangeLevelScript (m_ChangeLevel): the camera flight of a level change — three
// straight segments of 55 frames through random points around the field, the last
// one ending at the resting view. The game waits while it flies (cl_Busy).
#pragma once

#include <array>
#include <cstdint>

#include "effects/camera.h"

namespace zembrol {

class Rng;

class clsChangeLevelScript {
public:
    static constexpr int16_t kSegmentFrames = 55;

    // Prepares a flight from (and back to) the resting view and marks busy. The
    // random points come from `rng` (the cosmetic generator, never the game's).
    void cl_Init(const CameraView& resting, Rng& rng);
    bool cl_Busy() const { return busy_; }
    // One frame: the eye, the look-at point and the sideways tilt (the x of the up
    // vector). After the 165th frame the flight is over.
    void cl_ExecScript(Vec3* eye, Vec3* lookAt, float* tilt);
    // Ends a flight at once (nothing more is drawn or waited for).
    void Stop() { busy_ = false; }

    struct Segment {
        Vec3 startEye, endEye, startLookAt, endLookAt, eyeStep, lookAtStep;
        float tilt = 0;
        int16_t counter = 0;
    };
    const std::array<Segment, 3>& Segments() const { return segments_; }
    int16_t SegmentIndex() const { return index_; }

private:
    std::array<Segment, 3> segments_{};
    int16_t index_ = 3;
    bool busy_ = false;
};

}  // namespace zembrol
