// Gamepad buttons and stick to commands, and the repeat of a held direction.
#include "platform/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <map>

namespace zembrol::platform {

namespace {
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kSpace = 32, kEnter = 13;
// Half the stick's travel counts as a push; it lets go below a quarter.
constexpr int kStickOn = 16000, kStickOff = 8000;

std::map<SDL_JoystickID, SDL_GameController*> g_pads;
PadRepeat g_repeat;
int g_stickHeld = 0;   // kLeft, kRight or 0

void Open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (!pad) return;
    g_pads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
}

PadCommand ForButton(uint8_t button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return {kLeft, {}};
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return {kRight, {}};
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
        case SDL_CONTROLLER_BUTTON_A: return {kUp, {}};
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        case SDL_CONTROLLER_BUTTON_B: return {kDown, {}};
        case SDL_CONTROLLER_BUTTON_X: return {kSpace, {}};
        case SDL_CONTROLLER_BUTTON_Y: return {kEnter, {}};
        case SDL_CONTROLLER_BUTTON_START: return {0, "chkPause"};
        case SDL_CONTROLLER_BUTTON_BACK: return {0, "chkSet"};
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return {0, "view-"};
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return {0, "view+"};
        default: return {};
    }
}

bool Repeats(int vk) { return vk == kLeft || vk == kRight; }
}  // namespace

void PadRepeat::Press(int vk, uint32_t now) {
    Release(vk);
    held_.push_back({vk, now + kDelayMs});
}

void PadRepeat::Release(int vk) {
    held_.erase(std::remove_if(held_.begin(), held_.end(), [vk](const Held& h) { return h.vk == vk; }), held_.end());
}

std::vector<int> PadRepeat::Due(uint32_t now) {
    std::vector<int> due;
    for (Held& h : held_)
        // A late pump repeats once, however late: repeats never pile up.
        if (static_cast<int32_t>(now - h.next) >= 0) {
            due.push_back(h.vk);
            h.next = now + kIntervalMs;
        }
    return due;
}

void OpenGamepads() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
}

void CloseGamepads() {
    for (auto& [id, pad] : g_pads) SDL_GameControllerClose(pad);
    g_pads.clear();
    g_repeat.Clear();
    g_stickHeld = 0;
}

std::vector<PadCommand> GamepadEvent(const SDL_Event& ev, uint32_t now) {
    std::vector<PadCommand> out;
    switch (ev.type) {
        case SDL_CONTROLLERDEVICEADDED: Open(ev.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: {
            auto it = g_pads.find(ev.cdevice.which);
            if (it != g_pads.end()) {
                SDL_GameControllerClose(it->second);
                g_pads.erase(it);
            }
            g_repeat.Clear();
            g_stickHeld = 0;
            break;
        }
        case SDL_CONTROLLERBUTTONDOWN: {
            PadCommand c = ForButton(ev.cbutton.button);
            if (Repeats(c.vkCode)) g_repeat.Press(c.vkCode, now);
            if (c.vkCode || !c.control.empty()) out.push_back(c);
            break;
        }
        case SDL_CONTROLLERBUTTONUP: {
            const PadCommand c = ForButton(ev.cbutton.button);
            if (Repeats(c.vkCode)) {
                g_repeat.Release(c.vkCode);
                out.push_back({c.vkCode, {}, true});
            }
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            if (ev.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX) break;
            const int v = ev.caxis.value;
            int want = g_stickHeld;
            if (v <= -kStickOn) want = kLeft;
            else if (v >= kStickOn) want = kRight;
            else if (std::abs(v) < kStickOff) want = 0;
            if (want == g_stickHeld) break;
            if (g_stickHeld) {
                g_repeat.Release(g_stickHeld);
                out.push_back({g_stickHeld, {}, true});
            }
            g_stickHeld = want;
            if (want) {
                g_repeat.Press(want, now);
                out.push_back({want, {}});
            }
            break;
        }
        default: break;
    }
    return out;
}

std::vector<PadCommand> GamepadRepeats(uint32_t now) {
    std::vector<PadCommand> out;
    for (int vk : g_repeat.Due(now)) out.push_back({vk, {}, false, true});
    return out;
}

}  // namespace zembrol::platform
