// What the rules make happen in the application: the one-time initialisation, the
// start-up log, the demo player, the records, and (as the subsystems arrive) sounds,
// effects and the main window.
#pragma once

#include "app/app_results.h"
#include "game/game_events.h"
#include "loop/demo_control.h"

namespace zembrol {

class App;

class AppGameEvents final : public ForwardDemoEvents<GameEvents> {
public:
    explicit AppGameEvents(App& app) : app_(app), results_(app) {}
    // The records and result windows behind the end of a game.
    AppResults& Results() { return results_; }
    bool InitGlobals() override;
    void Log(const std::string& message, int kind, bool ok) override;
    void FlyingDigits(int32_t value, double column, double row) override;
    void TimeBonusDigits(int32_t value, double column, double row) override;
    void MiracleDigits(int32_t meter) override;
    void ErrorReport(const std::string& function, const std::string& message) override;
    // Records.
    void RecordsNewGame() override;
    void LevelFinished(int levelLeft) override;
    void BookLevelStat(int level, bool atGameOver) override;
    void RecordDisplayUpdate(bool levelChanged) override;
    void CountLinesBlink(int n) override;

private:
    Session& DemoSession() override;   // the demo player is the session's
    App& app_;
    AppResults results_;
};

}  // namespace zembrol
