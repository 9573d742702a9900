// A started game with a fixed seed and no one listening to its events: what every
// rules benchmark measures against.
#pragma once

#include "game/f_init.h"
#include "game/game.h"

namespace zembrol::bench {

// The benchmarks measure the rules alone: their events go nowhere.
class IgnoredEvents : public GameEvents {
public:
    void OnGameEvent(const GameEvent&) override {}
};

struct Rules {
    GameSettings cfg;
    Rng rng{1};
    IgnoredEvents ev;
    GameState s;
    Game g{s, cfg, rng, ev};
    Rules() { f_Init(g); }
};

}  // namespace zembrol::bench
