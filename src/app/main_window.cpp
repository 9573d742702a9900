// The main window's part of the application frame: starting a game, the loop
// that runs until the window closes (or the script ends), and the close itself.
#include <cmath>
#include <sstream>
#include <iostream>

#include "app/app.h"
#include "app/frame_runs.h"
#include "app/simulation.h"
#include "game/f_init.h"
#include "loop/general_loop.h"
#include "loop/key_commands.h"
#include "loop/demo_control.h"
#include "loop/mouse_commands.h"
#include "loop/state_dump.h"
#include "app/setting_keys.h"
#include "platform/files.h"
#include "render/picking.h"
#include "render/view_layout.h"
#include "platform/clock.h"
#include "platform/events.h"

namespace zembrol {

bool App::InitGlobals() {
    if (initGlobalsDone_) return true;
    if (!config_.ini_MainIni(1)) return false;
    log_.f_Log("ini_MainIni eLoad - complete", kLogPlain, true);
    if (!InitRenderGlobals()) return false;
    effects_.InitGlobals();
    initGlobalsDone_ = true;
    return true;
}

bool App::f_Init() {
    Game& g = session_->game;
    if (!f_InitStart(g)) return true;   // the application is exiting: nothing starts
    if (!g.s.m_GlobalsReady) {
        if (!InitGlobals()) {
            // The one-time initialisation failed: the loop stops and the application exits.
            session_->loop.running = false;
            return false;
        }
        InitGameGlobals(g);
        if (recorder_) recorder_->SettingsLoaded();
    }
    results_.BeforePass();
    f_InitFinish(g);
    return true;
}

void App::m_GeneralLoop() {
    if (options_.headless) HeadlessLoop();
    else WindowLoop();
}

void App::OnInput(const platform::InputEvent& e) {
    switch (e.type) {
        case platform::InputEvent::Type::KeyDown:
            // Typing into a window beside the game (frmPaint's power) moves no figure.
            if (platform::UiTakesKeys()) break;
            OnKeyDown(*session_, KeyPress{e.vkCode, e.shift, e.ctrl, e.alt, e.repeat}, commands_);
            break;
        case platform::InputEvent::Type::KeyUp:
            OnKeyUp(*session_, e.vkCode);
            break;
        case platform::InputEvent::Type::Control:
            // A gamepad's window commands: pause, settings, and the camera views in turn.
            if (e.control == "view+" || e.control == "view-") {
                padView_ = (padView_ + (e.control == "view+" ? 1 : 6)) % 7;
                StartViewPreset(padView_ + 1);
            } else {
                OnControl(e.control);
            }
            break;
        case platform::InputEvent::Type::MouseMove:
        case platform::InputEvent::Type::MouseButton: {
            // The mouse plays only over the 3D view, in the view's own pixels.
            int w, h;
            mainWindow_.DrawableSize(&w, &h);
            const render::ViewRect v = render::LayoutView(w, h);
            const double x = e.x - v.x, y = e.y - v.y;
            // A window beside the game takes the clicks on it.
            const bool inView = x >= 0 && y >= 0 && x < v.width && y < v.height && !OverPaintWindow(static_cast<int>(e.x), static_cast<int>(e.y));
            if (e.type == platform::InputEvent::Type::MouseMove) {
                if (inView) OnViewPointer(x, y, v);
            } else if (inView || !e.down) {
                OnMouseButton(*session_, e.right, e.down);
            }
            break;
        }
    }
}

void App::OnViewPointer(double x, double y, const render::ViewRect& view) {
    // The pointer picks the column drawn under it, whatever the camera: the point of
    // the field plane under the pointer, its column, and the figure box placed so
    // that its middle columns lie under the pointer.
    const FrameView& c = effects_.View();
    glm::vec2 p;
    if (!render::FieldPointUnderPointer({c.eye.x, c.eye.y, c.eye.z}, {c.lookAt.x, c.lookAt.y, c.lookAt.z},
                                        {c.up.x, c.up.y, c.up.z}, c.fov, static_cast<float>(view.width),
                                        static_cast<float>(view.height),
                                        static_cast<float>(x), static_cast<float>(y), &p))
        return;
    const int column = static_cast<int>(std::lround(p.x));
    // The loop's column rule reads view pixels at the base size: 250 twips, 15 twips a pixel.
    const double columnWidth = 250.0 / 15.0;
    OnMouseMove(*session_, (column - 2) * columnWidth + columnWidth / 2, y / view.scale, 1.0);
}

void App::WindowLoop() {
    if (IsFrameRun(options_)) {
        RunFrames(*this);
        return;
    }
    if (replaying_) {
        WindowReplay();
        return;
    }
    Session& s = *session_;
    auto pump = [this] {
        platform::PumpResult r =
            platform::PumpEvents(mainWindow_.Id(), [this](const platform::InputEvent& e) { OnInput(e); });
        // Minimising the window by any means pauses the game.
        if (r.minimized && !window_.pausePressed) SetPause(true);
        OnWindowEvents(r);
        if (r.closeRequested && session_->loop.running) Form_QueryUnload();
        TickWindowTimers();
        DemoTimerPump(*session_);
    };
    auto draw = [this](Session&) { m_DrawFrame(); };
    while (s.loop.running) {
        if (!WaitForPass(s, pump)) break;
        m_ShowFPS();
        LoopPass(s, draw);
    }
}

void App::HeadlessLoop() {
    Session& s = *session_;
    if (replaying_) {
        HeadlessReplay();
    } else if (options_.demo) {
        // The simulation: whole games played by the demo, one JSON line each.
        exitCode_ = RunSimulation(s, results_, options_.games, std::cout);
    } else if (!options_.script.empty()) {
        RunScriptFile();
    }
    // A headless run ends when its input ends, closing as a player would.
    if (s.loop.running) Form_QueryUnload();
}

bool App::RunScriptFile() {
    const platform::FileRead read = platform::ReadFileChecked(options_.script);
    if (!read.Ok()) {
        std::cerr << "zembrol: cannot read the script " << options_.script << ": " << read.error << "\n";
        exitCode_ = 2;
        return false;
    }
    std::istringstream script(read.bytes);
    switch (RunScript(*session_, script, std::cout, std::cerr, commands_)) {
        case kScriptOk: return true;
        case kScriptLoopEnded:
            // The script could not be played to its end: a failure, not a finished run.
            exitCode_ = 1;
            return false;
        default:
            exitCode_ = 2;
            return false;
    }
}

bool App::PumpCloseRequested() { return platform::PumpEvents(mainWindow_.Id()).closeRequested; }

void App::Form_QueryUnload() {
    log_.SetInitializationComplete(true);
    log_.f_Log("Form_QueryUnload()", kLogEnter, true);
    session_->loop.running = false;
    session_->loop.loopAgain = false;
    // The demo timer and the row-counter blink stop before anything is saved.
    session_->state.tmrDemo = false;
    window_.blinkRunning = false;
    window_.blinkHidden = false;
    if (recorder_) recorder_->Close();
    // A replay plays with its game's settings: the player's own stay as they were saved.
    if (!replaying_ && !config_.ini_MainIni(0)) NoteRunProblem("the settings could not be saved to " + config_.currentPath);
    if (!options_.dumpAtExit.empty()) {
        std::string error;
        DumpExtras extras;
        extras.window = openWindow_;
        extras.settings = SettingValues(settings_);
        extras.mainWindow = MainWindowControls();
        if (!platform::WriteFileAtomic(options_.dumpAtExit, DumpState(*session_, &extras) + "\n", &error)) {
            // The file asked for is the run's result: without it the run failed.
            std::cerr << "zembrol: cannot write " << options_.dumpAtExit << ": " << error << "\n";
            if (exitCode_ == 0) exitCode_ = 1;
        }
    }
    splash_.Close();
    log_.f_Log("Form_QueryUnload()", kLogLeave, true);
}

}  // namespace zembrol
