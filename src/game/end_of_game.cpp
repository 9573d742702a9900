// EndOfGame: start the next game with the same settings.
#include "game/end_of_game.h"

#include "game/f_init.h"

namespace zembrol {

bool EndOfGame(Game& g) {
    if (!g_SeriesOn(g)) g.s.g_TrialGameNo = 0;
    return f_Init(g);
}

}  // namespace zembrol
