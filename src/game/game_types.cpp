// Captions of the game type, speed and variant as the windows and statistics show them.
#include "game/game_types.h"

namespace zembrol {

std::string gg_GetCaptionForGame(Game& g, int16_t kind) {
    switch (kind) {
        case 1: {
            static const char* const kTypes[] = {"Zembrol", "Classic", "Sequence"};
            const int32_t t = g.cfg.gt_CurGameType;
            return t >= 1 && t <= 3 ? kTypes[t - 1] : "";
        }
        case 2: {
            static const char* const kSpeeds[] = {"Slow", "Middle", "Fast"};
            const int16_t sp = g.cfg.g_Speed;
            return sp >= 0 && sp <= 2 ? kSpeeds[sp] : "";
        }
        case 3: return g.cfg.g_Trial ? "Trial" : "Simple";
        default:
            g.Raise({.kind = EventKind::ErrorReport, .text = "gg_GetCaptionForGame()", .text2 = "Case Else"});
            return "";
    }
}

void g_SetTickMs(GameSettings& cfg) { cfg.g_TickMs = TickMsForSpeed(cfg.g_Speed, cfg.g_TickMs); }

}  // namespace zembrol
