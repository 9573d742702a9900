// A started game with a fixed seed and no one listening to its events: what every
// rules benchmark measures against.
#pragma once

#include "game/f_init.h"
#include "game/game.h"

namespace zembrol::bench {

struct Rules {
    GameSettings cfg;
    Rng rng{1};
    GameEvents ev;
    GameState s;
    Game g{s, cfg, rng, ev};
    Rules() { f_Init(g); }
};

}  // namespace zembrol::bench
