// GameSettings: the player's settings that the game rules read. The configuration
// file fills them (app/config), the settings windows edit them, the rules read them.
#pragma once

#include <cstdint>

#include "game/cls_seq.h"
#include "game/key_bindings.h"

namespace zembrol {

struct GameSettings {
    bool bCW = true;                   // rotate clockwise
    int16_t m_DelLinesInLevel = 10;    // rows to remove for the next level
    int32_t gt_CurGameType = 1;        // 1 main type, 2 Classic, 3 Sequence (4: the series, settings window only)
    bool g_Trial = false;              // variant: a "Trial" series of three games (else "Simple")
    int16_t g_Speed = 0;               // 0 slow, 1 middle, 2 fast
    int32_t g_TickMs = 25;             // pass interval derived from g_Speed
    uint8_t iFantom = 2;               // ghost: 0 never, 1 while a special figure falls, 2 always
    bool bEnableMiracle = true;        // figure change (Miracle meter) on
    uint8_t iNumSpeedMiracle = 1;      // Miracle speed: 0 slow, 1 middle, 2 fast
    bool EnableSvet = true;            // colour bonus on
    int16_t iVerColorBonus = 2000;     // rarity of the colour bonus
    bool bRandomSeq = true;            // "Sequence" games draw the player's sequence at random
    int16_t iNumNexts = 4;             // next figures shown
    bool bRightButton = true;          // drop with the right mouse button
    clsSeq UserSeq;                    // the player's sequence (one for the application); games never rewrite it
    // The game's own repeat of a held Left/Right instead of the system's (input, not rules:
    // kept here because a replay must play with the values its game had).
    bool bOwnRepeat = false;
    int16_t iRepeatDelay = 170;        // ms held before the first repeat
    int16_t iRepeatRate = 50;          // ms between repeats; 0: straight to the wall
    KeyBindings keys;                  // the key of each action of the key table
    // Games recorded before a game start cleared the falling figure's time (replay
    // format 2 and older) replay with that time carried into the new game's first figure.
    bool bCarryFigTicks = false;
    // A level change plays the camera flight, and the game waits for it (cl_Busy).
    bool b_AnimateChangeLevel = true;
};

// Pass interval of a speed: 25, 15 or 10 ms; any other speed leaves the interval unchanged.
inline int32_t TickMsForSpeed(int16_t speed, int32_t current) {
    switch (speed) {
        case 0: return 25;
        case 1: return 15;
        case 2: return 10;
        default: return current;
    }
}

}  // namespace zembrol
