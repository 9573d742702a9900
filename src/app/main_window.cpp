// The main window's part of the application frame: starting a game, the loop
// that runs until the window closes, and the close itself.
#include "app/app.h"
#include "platform/clock.h"
#include "platform/events.h"

namespace zembrol {

bool App::InitGlobals() {
    if (initGlobalsDone_) return true;
    if (!config_.ini_MainIni(1)) return false;
    log_.f_Log("ini_MainIni eLoad - complete", kLogPlain, true);
    initGlobalsDone_ = true;
    return true;
}

bool App::f_Init() {
    log_.f_Log("f_Init()", kLogEnter, true);
    if (g_Exiting) {
        log_.f_Log("f_Init()", kLogLeave, true);
        return true;
    }
    if (!InitGlobals()) {
        loopRunning_ = false;
        return false;
    }
    log_.f_Log("f_Init()", kLogLeave, true);
    return true;
}

void App::m_GeneralLoop() {
    uint32_t lastPass = platform::timeGetTime();
    while (loopRunning_) {
        if (options_.headless) {
            // Nothing to wait for without a window: the run closes as a player would.
            Form_QueryUnload();
            break;
        }
        if (platform::PumpEvents(mainWindow_.Id()).closeRequested) {
            Form_QueryUnload();
            break;
        }
        uint32_t now = platform::timeGetTime();
        if (now - lastPass < static_cast<uint32_t>(settings_.game.g_TickMs)) {
            platform::Sleep(1);
            continue;
        }
        lastPass = now;
        mainWindow_.Clear(0.05f, 0.06f, 0.10f);
        mainWindow_.Swap();
        platform::Sleep(20);
    }
}

void App::Form_QueryUnload() {
    log_.SetInitializationComplete(true);
    log_.f_Log("Form_QueryUnload()", kLogEnter, true);
    loopRunning_ = false;
    loopAgain_ = false;
    config_.ini_MainIni(0);
    splash_.Close();
    log_.f_Log("Form_QueryUnload()", kLogLeave, true);
}

}  // namespace zembrol
