// clsDeformQuad: the moving picture of the field's backdrop. Each frame moves the
// texture coordinates of the backdrop quad's four corners — a fold, a flip, a zoom,
// a scroll or a swirl (gr_MoveBkg 1..13; 0 leaves it still).
#pragma once

#include <array>
#include <cstdint>

namespace zembrol {

struct TexCoord {
    float u = 0, v = 0;
};

class clsDeformQuad {
public:
    static constexpr int kTypes = 13;

    // Stores the type, phase 0, angle 0, then the speed from dq_ValueDelay.
    void dq_SetParams(int16_t type, int16_t valueDelay);
    // step = 0.1 / ((dq_ValueDelay + 1) x 40): a sweep of the phase takes 400 frames at 0.
    void dq_SetSpeed(int16_t valueDelay);
    // One frame: the phase (and the swirls' angle) advance, the corners follow.
    void dq_MakeDeform();

    // Corners 0..3 of the quad at (0, 0), (0, 32), (15, 0), (15, 32).
    const std::array<TexCoord, 4>& Corners() const { return corners_; }
    int16_t Type() const { return type_; }
    double Phase() const { return p_; }
    double Step() const { return step_; }
    double Angle() const { return a_; }

private:
    void Corners(double p, double c, double s);

    int16_t type_ = 0;
    double p_ = 0, step_ = 0, a_ = 0;
    std::array<TexCoord, 4> corners_{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
};

}  // namespace zembrol
