// What the rules make happen in the application: the one-time initialisation, the
// start-up log, and (as the subsystems arrive) sounds, effects and the main window.
#pragma once

#include "game/game_events.h"

namespace zembrol {

class App;

class AppGameEvents final : public GameEvents {
public:
    explicit AppGameEvents(App& app) : app_(app) {}
    bool InitGlobals() override;
    void Log(const std::string& message, int kind, bool ok) override;

private:
    App& app_;
};

}  // namespace zembrol
