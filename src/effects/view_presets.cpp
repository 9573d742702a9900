// View preset targets.
#include "effects/view_presets.h"

#include "game/game_state.h"
#include "game/rng.h"

namespace zembrol {

namespace {
constexpr float kPi = 3.14159f;

float U(Rng& rng) { return static_cast<float>(rng.Rnd()); }

// A random eye somewhere around the field, used by F3 and by F5 without a ghost.
Vec3 RandomEye(Rng& rng) {
    Vec3 e;
    e.x = 22 * U(rng) - 11;
    e.y = 230 * U(rng) - 115;
    e.z = 180 * U(rng) - 90;
    return e;
}
}  // namespace

ViewPreset ViewPresetTarget(int preset, const GameState& s, bool ghostShown, const CameraView& home, Rng& rng) {
    const float fx = static_cast<float>(s.g_FigX), fy = static_cast<float>(s.g_FigY);
    ViewPreset p;
    switch (preset) {
        case 2:
            p.target = {{7.5f, 35, 1}, {7.5f, 0, -1}, kPi / 100};
            p.steps = 60;
            break;
        case 3: {
            p.target.eye = RandomEye(rng);
            p.target.lookAt.x = 23 * U(rng);
            p.target.lookAt.y = 29 * U(rng);
            p.target.angle = kPi / (20 * U(rng) + 2);
            break;
        }
        case 4: p.target = {{11.5f, 115, 90}, {11.5f, 14.5f, 0}, kPi / 22}; break;
        case 5:
            if (ghostShown) {
                const float gx = static_cast<float>(s.m_FantomX), gy = static_cast<float>(s.m_FantomY);
                p.target = {{gx + 8, gy - 10, 25}, {gx + 2, gy + 2, 0}, home.angle};
            } else {
                p.target.eye = RandomEye(rng);
                p.target.lookAt.x = 22 * U(rng);
                p.target.lookAt.y = 30 * U(rng);
                p.target.angle = kPi / (20 * U(rng) + 2);
            }
            break;
        case 6: p.target = {{8, -75, 0}, {fx + 3, fy + 3, 0}, kPi / 14}; break;
        case 7: p.target = {{fx - 13, fy - 13, 16}, {fx + 2, fy + 2, 0}, kPi / 4}; break;
        default: p.target = home; break;  // preset 1: the home view
    }
    return p;
}

void StartViewPreset(int preset, clsMoveScript& script, const CameraView& resting, const GameState& state,
                     bool ghostShown, const CameraView& home, Rng& rng) {
    ViewPreset p = ViewPresetTarget(preset, state, ghostShown, home, rng);
    script.cms_Init(p.steps, p.target.eye, resting.eye, p.target.lookAt, resting.lookAt, resting.angle, p.target.angle);
}

}  // namespace zembrol
