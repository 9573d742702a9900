// The main window's buttons, labels and timers: what a click, a key or a script
// does to the game and the windows.
#include "app/app.h"
#include "app/messages.h"
#include "effects/view_presets.h"
#include "game/f_init.h"
#include "game/key_bindings.h"
#include "loop/command.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"
#include "ui/dialogs.h"

namespace zembrol {

bool App::OnControl(const std::string& name) {
    Session& s = *session_;
    if (name == "chkNew") {
        Apply(s, Command::NewGame());
    } else if (name == "chkPause") {
        SetPause(!window_.pausePressed);
    } else if (name == "chkDemo") {
        chkDemo_Click(s, !s.state.chkDemo);
    } else if (name == "chkSet") {
        ShowSettingsWindow();
    } else if (name == "chkLang") {
        ShowLanguageWindow();
    } else if (name == "chkHelp") {
        OpenHelp();
    } else if (name.rfind("chkView", 0) == 0 && name.size() == 8 && name[7] >= '0' && name[7] <= '5') {
        const int index = name[7] - '0';
        if (index == 0) StartViewPreset(1);
        else ShowConfigWindow(index);
        window_.viewPressed = index;
    } else if (name == "chkExit" || name == "lblMin1") {
        s.loop.inStartUp = true;  // no mouse command may run while the window closes
        Form_QueryUnload();
    } else if (name == "lblMin0") {
        EscPause();
    } else {
        return false;
    }
    return true;
}

void App::EscPause() {
    window_.escPause = true;
    SetPause(!window_.pausePressed);
}

void App::SetPause(bool pressed) { Apply(*session_, Command::Pause(pressed)); }

void App::StartNewGame() {
    session_->state.g_TrialGameNo = 0;  // a new game starts a new series
    f_Init();
}

void App::PressPause(bool pressed) {
    window_.pausePressed = pressed;
    GameState& state = session_->state;
    sound_.Pause(pressed);
    if (pressed) {
        state.g_Running = false;
        if (window_.escPause) mainWindow_.Minimize();
    } else {
        state.g_Running = true;
        mainWindow_.Restore();
        mainWindow_.Raise();
    }
    window_.escPause = false;
}

void App::StartViewPreset(int preset) { Apply(*session_, Command::Camera(preset)); }

void App::MoveCamera(int preset) { effects_.StartViewPreset(preset, session_->state); }

FrameOutcome App::AdvanceView() {
    // Every drawn frame steps the music's fade-in, under a window too: the level
    // statistics window starts its music faded out and would stay at -35 dB.
    sound_.AdvanceFrame();
    return effects_.AdvanceFrame(session_->state);
}

void App::CountLinesBlink(int n) {
    window_.blinkLine = n;
    if (window_.blinkRunning) return;
    window_.blinkRunning = true;
    window_.blinkTicks = 0;
    window_.blinkNext = session_->clock.NowMs() + 250;
}

void App::TickWindowTimers() {
    const int64_t now = session_->clock.NowMs();
    if (!window_.highlighted.empty() && now >= window_.highlightEnds) window_.highlighted.clear();
    // Six ticks toggle the label; it is left visible.
    while (window_.blinkRunning && now >= window_.blinkNext) {
        window_.blinkHidden = !window_.blinkHidden;
        window_.blinkNext += 250;
        if (++window_.blinkTicks >= 6) {
            window_.blinkRunning = false;
            window_.blinkHidden = false;
            window_.blinkTicks = 0;
        }
    }
}

std::vector<ControlValue> App::MainWindowControls() const {
    // Only whether the frame rate is shown: its figure changes from run to run.
    return {{"lblFPS.Visible", FpsShown() ? "True" : "False"}};
}

void App::m_ShowFPS() {
    const int64_t now = session_->clock.NowMs();
    if (now < window_.fpsTime + 500) return;
    window_.fpsText = "FPS : " + std::to_string(window_.fpsCounter * 2);
    window_.fpsCounter = 0;
    window_.fpsTime = now;
}

void App::RunModal(const std::function<bool(DialogKey)>& frame) {
    if (options_.headless || !ui_.Active()) return;
    bool closed = false;
    DialogKey key = DialogKey::None;
    modal_ = [&] {
        closed = frame(key);
        key = DialogKey::None;
        return closed;
    };
    // The game does not tick meanwhile; the window keeps drawing about every 20 ms.
    while (!closed && session_->loop.running) {
        platform::PumpResult r = platform::PumpEvents(mainWindow_.Id(), [&](const platform::InputEvent& e) {
            if (e.type != platform::InputEvent::Type::KeyDown) return;
            if (e.vkCode == 13) key = DialogKey::Enter;
            if (e.vkCode == 27) key = DialogKey::Escape;
        });
        if (r.closeRequested) {
            modal_ = nullptr;
            Form_QueryUnload();
            return;
        }
        if (r.resized || r.toggleFullscreen || r.exposed) OnWindowEvents(r);
        // The scene stays alive under the window: its camera and effects go on (and a
        // replay must advance them the same).
        Apply(*session_, Command::Frame());
        m_DrawFrame();
        platform::Sleep(20);
    }
    modal_ = nullptr;
}

void App::RunWindow(ScriptWindow& w, const std::function<std::vector<std::string>()>& draw) {
    // The log shows which window the game waits on.
    log_.f_Log(w.Name(), kLogEnter, true);
    // A window may open another over itself (the settings window a file choice).
    ScriptWindow* outer = openWindow_;
    openWindow_ = &w;
    if (!session_->loop.running) w.Dismiss();
    else if (windowFeed_) windowFeed_->DriveWindow(w);
    else if (options_.headless || !ui_.Active()) w.CloseByDefault();
    else RunWindowLoop(w, draw);
    openWindow_ = outer;
    log_.f_Log(w.Name(), kLogLeave, true);
}

void App::RunWindowLoop(ScriptWindow& w, const std::function<std::vector<std::string>()>& draw) {
    // What the player does in one frame acts after it: a click may ask a question in
    // a box of its own, which must not open inside the window's frame.
    std::vector<std::string> keys, clicks;
    bool closeKey = false;
    // The window under this one is drawn again once this one closes.
    std::function<bool()> outer = std::move(modal_);
    modal_ = [&] {
        clicks = draw();
        return false;
    };
    // The game does not tick meanwhile; the window keeps drawing about every 20 ms.
    while (!w.Closed()) {
        platform::PumpResult r = platform::PumpEvents(mainWindow_.Id(), [&](const platform::InputEvent& e) {
            if (e.type != platform::InputEvent::Type::KeyDown) return;
            // Alt+F4 closes the game from a window too, as it does during play.
            if (e.alt && e.vkCode == 115 && !e.shift && !e.ctrl) closeKey = true;
            if (e.shift || e.ctrl || e.alt) return;
            // Every named key: a window takes Enter, Esc or Space, the Keys tab any key.
            if (BindableKey(e.vkCode)) keys.emplace_back(KeyName(e.vkCode));
        });
        if (r.closeRequested || closeKey || !session_->loop.running) {
            // The game closes: the window goes without an answer.
            modal_ = std::move(outer);
            w.Dismiss();
            if (session_->loop.running) Form_QueryUnload();
            return;
        }
        for (const std::string& k : keys)
            if (!w.Closed()) w.Key(k);
        keys.clear();
        if (w.Closed()) break;
        w.Frame();
        // The scene stays alive under the window: its camera and effects go on.
        Apply(*session_, Command::WindowFrame());
        m_DrawFrame();
        for (const std::string& c : clicks)
            if (!w.Closed()) w.Click(c);
        clicks.clear();
        platform::Sleep(kWindowFrameMs);
    }
    modal_ = std::move(outer);
}

void App::ShowConfigWindow(int index) {
    const std::string number = std::to_string(index);
    ConfigDialogTexts texts;
    texts.caption = language_.ini_GetParam("fMain", "frmConCap") + " " + number;
    texts.load = language_.ini_GetParam("fMain", "fload") + " " + number;
    texts.save = language_.ini_GetParam("fMain", "fsave") + " " + number;
    texts.cancel = language_.ini_GetParam("fMain", "fcаncеl");
    texts.loadEnabled = a_FindFile(log_, config_.ini_ConfigPathFor(number));

    ConfigChoice choice = ConfigChoice::Cancel;
    if (options_.headless) {
        // A script answers with "load", "save" or "cancel"; no answer cancels.
        if (!window_.dialogAnswers.empty()) {
            const std::string a = window_.dialogAnswers.front();
            window_.dialogAnswers.pop_front();
            if (a == "load" && texts.loadEnabled) choice = ConfigChoice::Load;
            else if (a == "save") choice = ConfigChoice::Save;
        }
    } else {
        RunModal([&](DialogKey key) {
            choice = DrawConfigDialog(texts, UiScale(), key);
            return choice != ConfigChoice::None;
        });
    }
    if (choice == ConfigChoice::Load) {
        config_.ini_config = number;
        config_.ini_MainIni(1);
        SettingsChangedInGame();
        sound_.OnGameEvent({.kind = EventKind::MusicStart});  // the loaded music restarts with its fade-in
    } else if (choice == ConfigChoice::Save) {
        config_.ini_config = number;
        config_.ini_MainIni(0);
    }
}

void App::ShowLanguageWindow() {
    LanguageDialog dialog;
    if (!language_.get_languages(&dialog.files)) {
        g_InfoBox("Language files not found");
        language_.set_lang(true);
        return;
    }
    dialog.title = language_.ini_GetParam("fLang", "Title");
    for (const std::string& file : dialog.files) dialog.names.push_back(language_.LanguageName(file));
    // Opening the window selects the first file of the folder's listing.
    language_.SetCurrent(dialog.files.front());
    if (options_.headless) {
        // A script chooses by file name or by the name the list shows.
        for (size_t i = 0; i < dialog.files.size(); ++i)
            if (dialog.files[i] == window_.typedText || dialog.names[i] == window_.typedText)
                language_.SetCurrent(dialog.files[i]);
        window_.typedText.clear();
    } else {
        RunModal([&](DialogKey key) {
            const bool closed = DrawLanguageDialog(dialog, UiScale(), key);
            language_.SetCurrent(dialog.files[static_cast<size_t>(dialog.selected)]);
            return closed;
        });
    }
    // Whenever the window closes the choice is stored and the captions change at once.
    language_.set_lang(true);
}

void App::OpenHelp() {
    const std::string& file = language_.Current();
    const std::string base = paths_.Shipped("help/" + (file.size() > 4 ? file.substr(0, file.size() - 4) : file));
    // Both help files are offered to the desktop; a missing one says nothing. Without a
    // handler the player is told once, not once per file.
    for (const char* ext : {".chm", ".txt"})
        if (platform::FileExists(base + ext) && !OpenWithDesktopOrSay(base + ext)) return;
}

}  // namespace zembrol
