// Game events served by the application.
#include "app/app_events.h"

#include "app/app.h"
#include "app/messages.h"
#include "loop/demo_control.h"

namespace zembrol {

bool AppGameEvents::InitGlobals() {
    // The end of every game works with the application's records from the first game on.
    app_.GameSession().results = &results_;
    return app_.InitGlobals();
}

void AppGameEvents::Log(const std::string& message, int kind, bool ok) { app_.Log().f_Log(message, kind, ok); }

void AppGameEvents::ErrorReport(const std::string& function, const std::string& message) {
    g_ErrorReport(message, function, ErrorInfo{});
}

void AppGameEvents::DemoStop() { DemoOnFreshGame(app_.GameSession()); }
void AppGameEvents::DemoResume() { DemoOnGameStart(app_.GameSession()); }
bool AppGameEvents::DemoRunning() { return DemoTimerRunning(app_.GameSession()); }
void AppGameEvents::DemoPlanFigure() { DemoOnNewFigure(app_.GameSession()); }
void AppGameEvents::DemoTimerOff() { DemoOnGameOver(app_.GameSession()); }

void AppGameEvents::RecordsNewGame() { results_.NewGame(); }
void AppGameEvents::LevelFinished(int levelLeft) { results_.LevelFinished(levelLeft); }
void AppGameEvents::BookLevelStat(int level, bool atGameOver) { results_.BookLevelStat(level, atGameOver); }
void AppGameEvents::RecordDisplayUpdate(bool) { results_.UpdatePlace(); }

}  // namespace zembrol
