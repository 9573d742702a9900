// Point lights and their walk.
#include "render/lights.h"

#include <algorithm>
#include <cmath>

#include "game/rounding.h"

namespace zembrol::render {

namespace {
struct Table {
    std::array<float, 360> cosv, sinv;
    Table() {
        for (int d = 0; d < 360; ++d) {
            cosv[static_cast<size_t>(d)] = static_cast<float>(std::cos(d * 3.14159265358979 / 180));
            sinv[static_cast<size_t>(d)] = static_cast<float>(std::sin(d * 3.14159265358979 / 180));
        }
    }
};
const Table& Tab() {
    static const Table t;
    return t;
}
size_t Wrap(int d) { return static_cast<size_t>(((d % 360) + 360) % 360); }
}  // namespace

float CosDeg(int degrees) { return Tab().cosv[Wrap(degrees)]; }
float SinDeg(int degrees) { return Tab().sinv[Wrap(degrees)]; }

float m_LightWave(LightAxis& a, int lightsSpeed, Rng& rng) {
    const int steps = std::max(1, (6 - lightsSpeed) * 3);
    const float from = CosDeg(static_cast<int>(a.previous)), to = CosDeg(a.angle);
    if (a.counter < steps) {
        a.counter = static_cast<int16_t>(a.counter + 1);
        return from + (to - from) * static_cast<float>(a.counter) / static_cast<float>(steps);
    }
    a.counter = 0;
    if (rng.Rnd() > 0.99) {
        a.direction = rng.Rnd() > 0.5 ? 1 : -1;
        if (rng.Rnd() > 0.95) a.direction = 0;
    }
    a.previous = a.angle;
    a.angle = static_cast<int16_t>(Wrap(a.angle + a.direction));
    // The walk is where the last step ended: cos(previous) now.
    return to;
}

std::array<LightRecord, kLightSlots> MakeLights(Rng& rng) {
    std::array<LightRecord, kLightSlots> lights{};
    rng.Randomize();
    for (LightRecord& rec : lights) {
        const int k = RoundEven(rng.Rnd() * 2);
        const float a = static_cast<float>(rng.Rnd()), b = static_cast<float>(rng.Rnd());
        ColorValue c{0, 0, 0, 1};
        if (k == 0) c = {0.88f, a, b, 1};
        else if (k == 1) c = {a, 0.88f, b, 1};
        else c = {a, b, 0.88f, 1};
        rec.light.color = c;
        rec.light.range = 4;
        rec.light.attenuation0 = 0.5f;
        rec.light.attenuation1 = 1;
        rec.light.attenuation2 = 0.3f;
        // The start position's whole numbers become the walk's amplitudes.
        rec.axis[0].amplitude = static_cast<int16_t>(RoundEven(rng.Rnd() * 4 + 1));
        rec.axis[1].amplitude = static_cast<int16_t>(RoundEven(rng.Rnd() * 4 + 1));
        rec.axis[2].amplitude = static_cast<int16_t>(RoundEven(rng.Rnd() * 2 + 2));
        rec.light.position = {static_cast<float>(rec.axis[0].amplitude), static_cast<float>(rec.axis[1].amplitude),
                              static_cast<float>(rec.axis[2].amplitude)};
        for (LightAxis& ax : rec.axis) {
            ax.angle = static_cast<int16_t>(RoundEven(rng.Rnd() * 359));
            ax.previous = ax.angle;
            ax.direction = rng.Rnd() > 0.5 ? 1 : -1;
        }
    }
    return lights;
}

void m_MoveLights(std::array<LightRecord, kLightSlots>& lights, int count, int lightsSpeed, bool followFigure,
                  int figX, int figY, Rng& rng) {
    count = std::clamp(count, 0, kLightSlots);
    for (int i = 0; i < count; ++i) {
        LightRecord& rec = lights[static_cast<size_t>(i)];
        if (followFigure && i == 0) {
            rec.light.position = {static_cast<float>(figX + 2), static_cast<float>(figY + 2), 1};
            continue;
        }
        const float wx = m_LightWave(rec.axis[0], lightsSpeed, rng);
        const float wy = m_LightWave(rec.axis[1], lightsSpeed, rng);
        const float wz = m_LightWave(rec.axis[2], lightsSpeed, rng);
        rec.light.position = {(rec.axis[0].amplitude + 8) * wx + 11, (rec.axis[1].amplitude + 16) * wy + 15,
                              (rec.axis[2].amplitude + 2) * wz};
    }
}

std::array<int, kChosenLights> ChooseLights(const PointLight* lights, int count, const Vec3& centre, float radius) {
    std::array<int, kChosenLights> chosen;
    chosen.fill(-1);
    std::array<float, kChosenLights> strength{};
    int used = 0;
    count = std::clamp(count, 0, kLightSlots);
    for (int i = 0; i < count; ++i) {
        const PointLight& l = lights[i];
        const float dx = l.position.x - centre.x, dy = l.position.y - centre.y, dz = l.position.z - centre.z;
        const float d = std::max(0.0f, std::sqrt(dx * dx + dy * dy + dz * dz) - radius);
        if (d > l.range) continue;
        const float s = (l.color.r + l.color.g + l.color.b) /
                        (l.attenuation0 + l.attenuation1 * d + l.attenuation2 * d * d);
        if (used < kChosenLights) {
            chosen[static_cast<size_t>(used)] = i;
            strength[static_cast<size_t>(used)] = s;
            ++used;
            continue;
        }
        // Full: the new light replaces the weakest (of equals the later one) if it
        // is stronger.
        size_t weakest = 0;
        for (size_t k = 1; k < kChosenLights; ++k)
            if (strength[k] <= strength[weakest]) weakest = k;
        if (s <= strength[weakest]) continue;
        for (size_t k = weakest; k + 1 < kChosenLights; ++k) {
            chosen[k] = chosen[k + 1];
            strength[k] = strength[k + 1];
        }
        chosen[kChosenLights - 1] = i;
        strength[kChosenLights - 1] = s;
    }
    return chosen;
}

}  // namespace zembrol::render
