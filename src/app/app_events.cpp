// Game events served by the application.
#include "app/app_events.h"

#include "app/app.h"

namespace zembrol {

bool AppGameEvents::InitGlobals() { return app_.InitGlobals(); }

void AppGameEvents::Log(const std::string& message, int kind, bool ok) { app_.Log().f_Log(message, kind, ok); }

}  // namespace zembrol
