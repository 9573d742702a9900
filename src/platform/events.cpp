// Event pump over SDL's queue, with SDL's key symbols mapped to virtual-key numbers.
#include "platform/events.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include "platform/event_wait.h"
#include "platform/gamepad.h"
#include "platform/imgui_layer.h"
#include "platform/x_errors.h"

namespace zembrol::platform {

namespace {
int VirtualKey(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_KP_0: return 96;
        default: break;
    }
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return 97 + (sym - SDLK_KP_1);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return 112 + (sym - SDLK_F1);
    return 0;
}
}  // namespace

namespace {
// A pad's command as the game's input: a key press, or a window command.
void DeliverPad(const std::vector<PadCommand>& commands, const std::function<void(const InputEvent&)>& onInput) {
    if (!onInput) return;
    for (const PadCommand& c : commands) {
        InputEvent in;
        if (c.vkCode) {
            // A held direction repeats and goes up as a key does: the game's own key
            // repeat counts on both.
            in.type = c.up ? InputEvent::Type::KeyUp : InputEvent::Type::KeyDown;
            in.vkCode = c.vkCode;
            in.repeat = c.repeat;
        } else {
            in.type = InputEvent::Type::Control;
            in.control = c.control;
        }
        onInput(in);
    }
}
}  // namespace

void WaitForEvents(uint32_t ms) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Delay(ms);
        return;
    }
    // The main window's context is current while the game runs; before it exists, the
    // window with the keyboard (the loading window) shows the connection.
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (!window) window = SDL_GetKeyboardFocus();
    WaitForWindowInput(window, static_cast<int>(ms));
}

PumpResult PumpEvents(uint32_t mainWindowId, const std::function<void(const InputEvent&)>& onInput) {
    PumpResult result;
    ReportXErrors();  // the X errors since the last pass go to the log now, outside any request
    SDL_Event ev;
    // While a window takes the UI's gamepad navigation the pad belongs to it.
    const bool padToGame = !UiWindowOpen();
    if (padToGame) DeliverPad(GamepadRepeats(SDL_GetTicks()), onInput);
    while (SDL_PollEvent(&ev)) {
        const std::vector<PadCommand> pad = GamepadEvent(ev, SDL_GetTicks());
        if (padToGame) DeliverPad(pad, onInput);
        InputEvent in;
        // The UI sees every event; what it takes (a click on a button, typing into a
        // field) does not reach the game.
        bool uiMouse = false, uiKeys = false;
        if (ImGuiLayerActive()) {
            ImGui_ImplSDL2_ProcessEvent(&ev);
            uiMouse = UiTakesMouseButtons();
            uiKeys = ImGui::GetIO().WantTextInput;
        }
        switch (ev.type) {
            case SDL_QUIT: result.closeRequested = true; break;
            case SDL_WINDOWEVENT:
                if (ev.window.windowID == mainWindowId && ev.window.event == SDL_WINDOWEVENT_CLOSE)
                    result.closeRequested = true;
                if (ev.window.windowID != mainWindowId) break;
                if (ev.window.event == SDL_WINDOWEVENT_MINIMIZED) result.minimized = true;
                if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) result.resized = true;
                if (ev.window.event == SDL_WINDOWEVENT_EXPOSED || ev.window.event == SDL_WINDOWEVENT_SHOWN ||
                    ev.window.event == SDL_WINDOWEVENT_RESTORED)
                    result.exposed = true;
                if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) result.focusLost = true;
                break;
            case SDL_KEYDOWN: {
                const Uint16 mod = ev.key.keysym.mod;
                // Alt+F4 closes the window even where no window manager does it for us.
                if (ev.key.keysym.sym == SDLK_F4 && (mod & KMOD_ALT)) {
                    result.closeRequested = true;
                    break;
                }
                // Alt+Enter switches between the window and fullscreen (a held key does not repeat it).
                if ((ev.key.keysym.sym == SDLK_RETURN || ev.key.keysym.sym == SDLK_KP_ENTER) && (mod & KMOD_ALT)) {
                    if (!ev.key.repeat) result.toggleFullscreen = true;
                    break;
                }
                in.vkCode = VirtualKey(ev.key.keysym.sym);
                // While the UI takes typed text only Enter and Esc (confirm, cancel) go on.
                if (in.vkCode == 0 || !onInput || (uiKeys && in.vkCode != 13 && in.vkCode != 27)) break;
                in.shift = mod & KMOD_SHIFT;
                in.ctrl = mod & KMOD_CTRL;
                in.alt = mod & KMOD_ALT;
                in.repeat = ev.key.repeat != 0;
                onInput(in);
                break;
            }
            case SDL_KEYUP:
                // Releases end the game's own key repeat; they never start anything.
                in.type = InputEvent::Type::KeyUp;
                in.vkCode = VirtualKey(ev.key.keysym.sym);
                if (in.vkCode != 0 && onInput) onInput(in);
                break;
            case SDL_MOUSEMOTION:
                if (!onInput || ev.motion.windowID != mainWindowId) break;
                in.type = InputEvent::Type::MouseMove;
                in.x = ev.motion.x;
                in.y = ev.motion.y;
                onInput(in);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (!onInput || ev.button.windowID != mainWindowId) break;
                if (uiMouse && ev.type == SDL_MOUSEBUTTONDOWN) break;
                if (ev.button.button != SDL_BUTTON_LEFT && ev.button.button != SDL_BUTTON_RIGHT) break;
                in.type = InputEvent::Type::MouseButton;
                in.x = ev.button.x;
                in.y = ev.button.y;
                in.right = ev.button.button == SDL_BUTTON_RIGHT;
                in.down = ev.type == SDL_MOUSEBUTTONDOWN;
                onInput(in);
                break;
            default: break;
        }
    }
    return result;
}

}  // namespace zembrol::platform
