// Game events served by the application.
#include "app/app_events.h"

#include "app/app.h"
#include "render/renderer.h"
#include "app/messages.h"
#include "loop/demo_control.h"

namespace zembrol {

bool AppGameEvents::InitGlobals() {
    // The end of every game works with the application's records from the first game on.
    app_.GameSession().results = &results_;
    return app_.InitGlobals();
}

void AppGameEvents::Log(const std::string& message, int kind, bool ok) { app_.Log().f_Log(message, kind, ok); }

// Flying numbers: the amounts of prices, Inversia and the colour bonus take turns in
// slots 2, 5 and 6, so one flight does not cut another short.
void AppGameEvents::FlyingDigits(int32_t value, double column, double row) {
    if (render::Renderer* r = app_.GetRenderer())
        r->StartAmountDigits(value, static_cast<float>(column), static_cast<float>(row), app_.GameSession().state,
                             app_.GetSettings());
}

void AppGameEvents::TimeBonusDigits(int32_t value, double column, double row) {
    if (render::Renderer* r = app_.GetRenderer())
        r->StartDigits(1, static_cast<float>(column), static_cast<float>(row), value, app_.GameSession().state,
                       app_.GetSettings());
}

void AppGameEvents::MiracleDigits(int32_t meter) {
    if (render::Renderer* r = app_.GetRenderer()) r->StartMiracleDigits(meter, app_.GameSession().state, app_.GetSettings());
}

void AppGameEvents::ErrorReport(const std::string& function, const std::string& message) {
    g_ErrorReport(message, function, ErrorInfo{});
}

Session& AppGameEvents::DemoSession() { return app_.GameSession(); }

void AppGameEvents::RecordsNewGame() { results_.NewGame(); }
void AppGameEvents::LevelFinished(int levelLeft) { results_.LevelFinished(levelLeft); }
void AppGameEvents::BookLevelStat(int level, bool atGameOver) { results_.BookLevelStat(level, atGameOver); }
void AppGameEvents::RecordDisplayUpdate(bool) { results_.UpdatePlace(); }

void AppGameEvents::CountLinesBlink(int n) { app_.CountLinesBlink(n); }

}  // namespace zembrol
