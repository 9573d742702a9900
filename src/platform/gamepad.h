// Gamepads through SDL's game controller layer, plugged in or out at any time: the
// buttons become the game's own key presses and window commands, and a held
// direction repeats at the keyboard's pace and goes up when let go, as a key does.
//
//   d-pad / left stick left, right   move           (repeats while held)
//   d-pad up, A                      rotate
//   d-pad down, B                    drop (again to stop the drop)
//   X                                Inversia
//   Y                                take back
//   Start                            pause / resume
//   Back                             the settings window
//   left / right shoulder            previous / next camera view
#pragma once

#include <cstdint>
#include <string>
#include <vector>

union SDL_Event;

namespace zembrol::platform {

// What a pad press means to the game: a key of the key table, or a window command.
struct PadCommand {
    int vkCode = 0;          // a key's virtual-key number, or 0
    std::string control;     // else a command: "chkPause", "chkSet", "view-", "view+"
    bool up = false;         // a direction let go: its key goes up
    bool repeat = false;     // the pad's repeat of a held direction, as a keyboard's auto-repeat
};

// A held direction's repeat: the first repeat after `delayMs`, then one every
// `intervalMs` (the X server's default keyboard pace).
class PadRepeat {
public:
    static constexpr uint32_t kDelayMs = 660, kIntervalMs = 40;
    void Press(int vkCode, uint32_t now);
    void Release(int vkCode);
    // The repeats due by `now`, oldest first.
    std::vector<int> Due(uint32_t now);
    void Clear() { held_.clear(); }

private:
    struct Held {
        int vk;
        uint32_t next;
    };
    std::vector<Held> held_;
};

// Opens the pads already plugged in (after SDL's game controller layer started).
void OpenGamepads();
void CloseGamepads();
// One SDL event: a pad plugged in or out is opened or closed; a button or the stick
// gives the commands it means (none for anything else). `now` is SDL's tick count.
std::vector<PadCommand> GamepadEvent(const SDL_Event& ev, uint32_t now);
// Repeats of held directions due by `now`.
std::vector<PadCommand> GamepadRepeats(uint32_t now);

}  // namespace zembrol::platform
