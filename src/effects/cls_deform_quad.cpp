// The backdrop's deformations: a phase running 0 -> 1 -> 0 (or 0 -> 1 and over again
// for the endless scrolls) and, for the swirls, an angle read from whole-degree tables.
#include "effects/cls_deform_quad.h"

#include <cmath>

#include "game/rounding.h"

namespace zembrol {

namespace {
constexpr double kPi = 3.14159265358979323846;

// The cosine and sine of a whole degree, as the angle tables hold them.
double CosDeg(double a) {
    const int d = ((static_cast<int>(RoundEven(a)) % 360) + 360) % 360;
    return std::cos(d * kPi / 180);
}
double SinDeg(double a) {
    const int d = ((static_cast<int>(RoundEven(a)) % 360) + 360) % 360;
    return std::sin(d * kPi / 180);
}
bool Wraps(int type) { return type == 5 || type == 7; }
}  // namespace

void clsDeformQuad::dq_SetParams(int16_t type, int16_t valueDelay) {
    type_ = type >= 0 && type <= kTypes ? type : 0;
    p_ = 0;
    a_ = 0;
    dq_SetSpeed(valueDelay);
    corners_ = {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
}

void clsDeformQuad::dq_SetSpeed(int16_t valueDelay) {
    // A negative delay would reverse or stop the picture: it counts as 0.
    const int delay = valueDelay < 0 ? 0 : valueDelay;
    const double sign = step_ < 0 ? -1 : 1;   // a running ping-pong keeps its direction
    step_ = sign * 0.1 / ((delay + 1) * 40.0);
}

void clsDeformQuad::dq_MakeDeform() {
    if (type_ == 0) return;
    p_ += step_;
    if (Wraps(type_)) {
        if (p_ >= 1) p_ = 0;
    } else if (p_ > 1 || p_ < 0) {
        step_ = -step_;   // the phase may pass a bound by one step before it turns
    }
    if (type_ >= 8) a_ += std::abs(step_) * 1000;
    Corners(p_, CosDeg(a_), SinDeg(a_));
}

void clsDeformQuad::Corners(double p, double c, double s) {
    const double as = std::abs(s);
    auto set = [this](double u0, double v0, double u1, double v1, double u2, double v2, double u3, double v3) {
        corners_ = {{{static_cast<float>(u0), static_cast<float>(v0)},
                     {static_cast<float>(u1), static_cast<float>(v1)},
                     {static_cast<float>(u2), static_cast<float>(v2)},
                     {static_cast<float>(u3), static_cast<float>(v3)}}};
    };
    switch (type_) {
        case 1: set(p - 1, 1 - p, p - 1, p, p, 1 - p, 1 - p, 1 - p); break;   // skewing fold
        case 2: set(0, p, 0, 1 - p, 1, p, 1, 1 - p); break;                   // squeeze through a flip
        case 3: set(0, -p, 0, p, 1, -p, 1, p); break;                         // vertical zoom
        case 4:                                                                // scroll back and forth
        case 5: set(0, -p, 0, 1 - p, 1, -p, 1, 1 - p); break;                 // endless vertical scroll
        case 6: set(-p, 0, -p, 1, 1 + p, 0, 1 + p, 1); break;                 // horizontal zoom
        case 7: set(-p, 0, -p, 1, 1 - p, 0, 1 - p, 1); break;                 // endless horizontal scroll
        case 8: set(c, -s, c, 1 - c, 1 - c, -s, 1 - c, 1 - c); break;         // swirl
        case 9: set(-s, -c, -s, 1 - c, 1 - s, -c, 1 - s, 1 - c); break;       // the picture circles
        case 10: set(-as, -as, -as, 1 + as, 1 + as, -as, 1 + as, 1 + as); break;   // breathing zoom
        case 11: set(p * s, 0, -p * s, 1, 1 - p * s, 0, 1 + p * s, 1); break;      // twist
        case 12: set(p * c, p * s, -p * s, 1 + p * c, 1 + p * s, -p * c, 1 - p * c, 1 - p * s); break;  // wobble
        case 13: set(c, s, -s, 1 - c, 1 - as, c, 1 - c, 1 - s); break;       // tumbling swirl
        default: break;
    }
}

}  // namespace zembrol
