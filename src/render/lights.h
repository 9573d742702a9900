// The moving point lights: their records, their creation at start and the random
// walk that moves them every frame (m_MoveLights, m_LightWave).
#pragma once

#include <array>
#include <cstdint>

#include "game/rng.h"
#include "render/render_types.h"

namespace zembrol::render {

inline constexpr int kLightSlots = 16;
// How many lights a cell's vertices loop over (the instance's chosen lights).
inline constexpr int kChosenLights = 4;

// One coordinate's walk on the cosine table.
struct LightAxis {
    int16_t angle = 0;      // whole degrees 0..359
    int16_t direction = 0;  // -1, 0 or +1
    int16_t amplitude = 0;
    int16_t counter = 0;
    float previous = 0;     // previous angle, degrees
};

struct LightRecord {
    std::array<LightAxis, 3> axis;
    PointLight light;
};

// cos of whole degrees from a 360-entry table; any integer angle wraps.
float CosDeg(int degrees);
float SinDeg(int degrees);

// m_LightWave: one step of a coordinate's walk; the result lies in -1..1.
// steps = (6 - gr_LightsSpeed) * 3 (at least 1). While the counter runs the result
// moves linearly from cos(previous) to cos(angle); when it has run out the walk
// turns (direction changes with probability 0.01, stops with 0.05 of those) and
// moves one degree on, and the result stays at cos(angle reached).
float m_LightWave(LightAxis& axis, int lightsSpeed, Rng& rng);

// The 16 light records as created at start: colour, range, attenuation and
// amplitudes from the generator; the walks start at random angles moving.
std::array<LightRecord, kLightSlots> MakeLights(Rng& rng);

// m_MoveLights for the first `count` slots (at most 16). With followFigure (bHLNew)
// slot 0 sits at (figX + 2, figY + 2, 1) over the falling figure.
void m_MoveLights(std::array<LightRecord, kLightSlots>& lights, int count, int lightsSpeed, bool followFigure,
                  int figX, int figY, Rng& rng);

// The lights that reach a body within `radius` of `centre`, for the cell draws whose
// vertices loop over a few chosen lights instead of all of them: up to four indices
// into `lights`, ascending (the order the full loop adds them in), -1 for the unused
// places. A light farther than its range from every point of the body adds nothing
// there and is never chosen. Of more than four, the four strongest at the body's
// nearest point are kept: colour sum x 1 / (a0 + a1 d + a2 d^2), the shader's
// attenuation; a tie keeps the lower index.
std::array<int, kChosenLights> ChooseLights(const PointLight* lights, int count, const Vec3& centre, float radius);

}  // namespace zembrol::render
