// The application's wiring of the rules' events: each owner of EventRouter gets
// its subsystem's handler, and the two kinds the application frame owns itself
// (the log and the error report, the main window's blink) are handled here.
#include <cstdio>

#include "app/app.h"
#include "app/messages.h"
#include "loop/demo_control.h"

namespace zembrol {

void App::WireEvents() {
    router_.SetOwner(EventOwner::Log, [this](const GameEvent& e) { return OnFrameEvent(e); });
    router_.SetOwner(EventOwner::Sound, [this](const GameEvent& e) { return sound_.OnGameEvent(e); });
    router_.SetOwner(EventOwner::Effects, [this](const GameEvent& e) { return effects_.OnGameEvent(e); });
    router_.SetOwner(EventOwner::View, [this](const GameEvent& e) { return viewEvents_.OnGameEvent(e); });
    router_.SetOwner(EventOwner::MainWindow, [this](const GameEvent& e) { return OnMainWindowEvent(e); });
    router_.SetOwner(EventOwner::Demo, [this](const GameEvent& e) { return DemoOnGameEvent(*session_, e); });
    router_.SetOwner(EventOwner::Journal, [this](const GameEvent&) {
        if (recorder_) recorder_->GameStarting();
        return true;
    });
    router_.SetOwner(EventOwner::Records, [this](const GameEvent& e) { return results_.OnGameEvent(e); });
    router_.unhandled = [this](const GameEvent& e) {
        log_.f_Log(std::string("event ") + EventKindName(e.kind) + " not handled by " + EventOwnerName(OwnerOf(e.kind)),
                   kLogPlain, false);
    };
}

bool App::OnFrameEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::Log: log_.f_Log(e.text, e.value, e.flag); return true;
        case EventKind::ErrorReport: g_ErrorReport(e.text2, e.text, ErrorInfo{}); return true;
        default: return false;
    }
}

bool App::OnMainWindowEvent(const GameEvent& e) {
    switch (e.kind) {
        case EventKind::CountLinesBlink: CountLinesBlink(e.value); return true;
        default: return false;
    }
}

}  // namespace zembrol
