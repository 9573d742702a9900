// ViewEvents: the events of the rules that the 3D view shows — the flying numbers
// and the block meshes of a new level — in one place. The view they go to may be
// the null view of a headless run, which takes them and draws nothing.
#pragma once

#include "game/game_events.h"

namespace zembrol {
struct GameState;
struct Settings;
}  // namespace zembrol

namespace zembrol::render {

class View;

class ViewEvents {
public:
    explicit ViewEvents(const Settings& settings) : settings_(settings) {}
    // The view the numbers fly in and the game whose numbers they are.
    void Attach(View& view, const GameState& state) {
        view_ = &view;
        state_ = &state;
    }
    // The view's events; false for an event that is not the view's. Before a view
    // is attached they are taken and nothing is shown.
    bool OnGameEvent(const GameEvent& e);

private:
    const Settings& settings_;
    const GameState* state_ = nullptr;
    View* view_ = nullptr;
};

}  // namespace zembrol::render
