// ViewEvents: the events of the rules that the 3D view shows — the flying numbers
// and the block meshes of a new level — in one place. Without a renderer (a
// headless run) they are taken and nothing is drawn.
#pragma once

#include "game/game_events.h"

namespace zembrol {
struct GameState;
struct Settings;
}  // namespace zembrol

namespace zembrol::render {

class Renderer;

class ViewEvents {
public:
    explicit ViewEvents(const Settings& settings) : settings_(settings) {}
    // The renderer (none: nothing is drawn) and the game whose numbers it shows.
    void Attach(Renderer* renderer, const GameState* state) {
        renderer_ = renderer;
        state_ = state;
    }
    // The view's events; false for an event that is not the view's.
    bool OnGameEvent(const GameEvent& e);

private:
    const Settings& settings_;
    const GameState* state_ = nullptr;
    Renderer* renderer_ = nullptr;
};

}  // namespace zembrol::render
