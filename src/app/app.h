// The application object: owns the process-wide state of the application frame
// (folders, log, settings, language, windows, flags) and runs start-up and shutdown.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/app_commands.h"
#include "stats/record_steps.h"
#include "app/app_paths.h"
#include "app/result_windows.h"
#include "windows/settings_window.h"
#include "app/command_line.h"
#include "app/event_router.h"
#include "app/configuration.h"
#include "app/language.h"
#include "app/list_lines.h"
#include "app/run_problems.h"
#include "app/log.h"
#include "app/main_window_state.h"
#include "windows/paint_window.h"
#include "app/sound_config_targets.h"
#include "effects/effects.h"
#include "loop/script_window.h"
#include "loop/replay.h"
#include "loop/session.h"
#include "platform/events.h"
#include "platform/gl_window.h"
#include "platform/imgui_layer.h"
#include "platform/single_instance.h"
#include "platform/splash_window.h"
#include "render/render_log.h"
#include "render/view.h"
#include "render/view_events.h"
#include "render/view_layout.h"
#include "settings/settings.h"
#include "sound/sound_events.h"
#include "ui/dialogs.h"
#include "ui/main_window_ui.h"

namespace zembrol {

// RecordsHost: what the record steps see of the application. CommandTarget: the
// program around the rules for the commands that reach it (private: input reaches
// these only as Commands through Apply).
class App : private RecordsHost, private CommandTarget, private ResultWindowsHost {
public:
    explicit App(CommandLine options);
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    ~App();

    // The whole run: start-up, the loop, shutdown. Returns the process exit code.
    int Main();
    // Shutdown: releases everything once, in a fixed order. Safe to call twice.
    void g_Exit();
    // 1 at 96 dots per inch, 2 at any other value, 3 when the check failed.
    int g_CheckScreenScale();
    // Creates the 3D device on the main window, then the sound device; false when
    // the 3D device cannot be made (the game runs silent without sound).
    bool gg_InitDirectX();
    // Opens the sound device; false when there is none (the game runs silent).
    bool gg_InitSound();
    // Starts a game; the first start runs the one-time initialisation between its
    // two halves. False when that failed: the loop stops and the application exits.
    bool f_Init();
    // The main window is closing: save the configuration, end the loop.
    void Form_QueryUnload();
    // One-time initialisation of the first game: configuration and resources.
    bool InitGlobals();

    // State read by tests and later subsystems.
    const AppPaths& Paths() const { return paths_; }
    Settings& GetSettings() { return settings_; }
    // The main window's own labels as a dump lists them.
    std::vector<ControlValue> MainWindowControls() const;
    StartupLog& Log() { return log_; }
    Configuration& Config() { return config_; }
    Language& Lang() override { return language_; }
    bool Headless() const { return options_.headless; }
    Session& GameSession() { return *session_; }
    // The 3D view: the renderer in a window run, the null view otherwise.
    render::View& View() { return *view_; }
    MainWindowState& Window() { return window_; }
    // The one path of the rules' events to their owners.
    EventRouter& Router() { return router_; }
    Effects& GetEffects() { return effects_; }
    SoundEvents& Sound() { return sound_; }
    RecordSteps& Results() { return results_; }

    // The main window's controls, by control name ("chkNew", "chkView3", "lblMin0", ...),
    // from a click, a key or a script. False for a name the window does not have.
    bool OnControl(const std::string& name);
    // Esc and the minimise label: pause and minimise, or resume.
    void EscPause();
    // The main-view button and a gamepad's shoulders: move the camera to preset 1..7.
    void StartViewPreset(int preset);
    // The row counter n (1..4) of the last removal blinks.
    void CountLinesBlink(int n);
    // Runs a modal window: `frame` draws it once and returns true when it closed. The
    // loop is suspended; the 3D view and the main window keep being drawn.
    void RunModal(const std::function<bool(DialogKey)>& frame);
    // Runs a result window until it closes: a script running now feeds it its next
    // lines; a headless run with no script closes it with its default answer; a
    // window run draws it over the game (`draw`: one frame of the window, returning
    // the controls the player pressed), its keys and clicks becoming its commands.
    void RunWindow(ScriptWindow& window, const std::function<std::vector<std::string>()>& draw) override;
    // frmSettings, opened by chkSet; closing it may start a new game.
    void ShowSettingsWindow();
    // Settings on record may have changed while a game goes on (a window, a configuration
    // read): the recording keeps the changes, so its replay plays with them.
    void SettingsChangedInGame() {
        if (recorder_) recorder_->SettingsChanged();
    }
    // frmSeq over the settings window; true when the sequence was edited.
    bool ShowSeqWindow();
    // frmGraph over the settings window: every change shows in the scene at once.
    void ShowGraphWindow();
    // F9: frmPaint beside the game (a script drives it until it closes).
    void OpenMaterialEditor();
    // The game's own file choice (frmOpen) for `pattern` ("*.wav", "*.jpg;*.bmp")
    // from `folder`. True with the chosen full path and file name; false when the
    // window closed any other way, or (with the error report) for empty parameters.
    // The process's working folder is never changed.
    bool gg_GetPathAndFile(const std::string& pattern, const std::string& folder, std::string* path,
                           std::string* file);
    // The window open now (the innermost one), or null.
    ScriptWindow* OpenWindow() { return openWindow_; }
    // The material window while it is open beside the game, else null.
    ScriptWindow* ToolWindow();
    void SetWindowFeed(WindowFeed* feed) { windowFeed_ = feed; }

    // For the measuring runs (frame_runs.cpp), beside the game's own loop.
    // One whole main-window frame: camera, 3D view, controls, swap.
    void m_DrawFrame();
    // The --script file through the script runner; false (exit code 2) when it cannot
    // be read or stops at a bad line.
    bool RunScriptFile();
    // The next drawn view is written to `path`; Captured() tells whether it was.
    void CaptureNextView(const std::string& path) { viewCapture_ = path; }
    bool ViewCaptured() const { return viewCaptured_; }
    // Window events of a measuring run: true when the window is to close.
    bool PumpCloseRequested();
    void SetExitCode(int code) { exitCode_ = code; }
    // A run with nobody at the window: a script drives it, or the computer plays a
    // simulation. What it could not do ends it with an error code (RunProblems).
    bool Unattended() const { return !options_.script.empty() || (options_.headless && options_.demo); }
    // Something a save or a read could not do: the log has it already; an unattended
    // run also fails with it.
    void NoteRunProblem(const std::string& text) override { problems_.Note(text); }
    // A file of the player's that exists but cannot be read: left as it is, never saved
    // over this run; the player is told once per run.
    void NoticeUnreadable(const std::string& path, const std::string& why) override;
    const CommandLine& Options() const { return options_; }
    // Window pixels per pixel of the base layout.
    float UiScale() const override { return static_cast<float>(desktopDpi_) / 96.0f; }
    // The monospaced face of tables (null without one, or without a window).
    ImFont* UiListFont() const override { return ui_.ListFont(); }

private:
    // RecordsHost: what the record steps see of the application (app_records.cpp).
    const GameState& RecordedGame() const override;
    const GameSettings& RecordedSettings() const override;
    bool LoopRunning() const override;
    std::array<bool, 2> ListBoxes() const override;
    std::string SetFolder() const override;
    std::string SharedFolder() const override;
    std::string NameFile() const override;
    void RecordsLog(const std::string& line, bool ok) override;
    void ReportError(const std::string& message, const std::string& where) override;
    bool OpenLink(const std::string& link) override;
    // ResultWindowsHost: the records page and the game the result windows show.
    std::string RecordsPage() const override;
    Game& ResultsGame() override;

    // Applies a loaded configuration to what exists of the application.
    class Targets : public SoundConfigTargets {
    public:
        explicit Targets(App& app) : SoundConfigTargets(app.sound_), app_(app) {}
        bool GetWindowEdges(float* left, float* top) override;
        void SetWindowEdges(float left, float top) override;
        bool SoundSlotsExist() override { return app_.soundSlotsCreated_; }
        void SkinLoaded() override { app_.LoadSkinPicture(); }
        void TexturePathLoaded(int index) override;
        void GraphicsLoaded() override;
        bool GetWindowMode(bool* fullscreen, int16_t* width, int16_t* height) override;
        void WindowModeLoaded() override;
        void WorldSpeedChanged() override;
        void ResetLabelSweeps() override;

    private:
        App& app_;
    };

    bool d_InitD3D();
    // The rules' events: every owner's handler, and the two kinds the frame owns.
    void WireEvents();
    bool OnFrameEvent(const GameEvent& e);
    bool OnMainWindowEvent(const GameEvent& e);
    void m_GeneralLoop();
    void WindowLoop();
    void HeadlessLoop();
    void OnInput(const platform::InputEvent& event);
    // Fullscreen, size and focus changes of the main window.
    void OnWindowEvents(const platform::PumpResult& result);
    // The controls' scale, fonts and outline follow the window's size.
    void Relayout();
    // The pointer at (x, y) pixels of the 3D view chooses the figure's column.
    void OnViewPointer(double x, double y, const render::ViewRect& view);
    void ShowSplash();
    // The renderer's part of start-up, of InitGlobals and of a pass.
    bool InitRenderer();
    // Where the view's log records and failures go.
    render::RenderReports ViewReports();
    void UseView(std::unique_ptr<render::View> view);
    bool InitRenderGlobals();
    void DrawScene();
    // Pressing or releasing the pause button.
    void SetPause(bool pressed);
    // What the commands that reach the application do (CommandTarget).
    void StartNewGame() override;
    void PressPause(bool pressed) override;
    void MoveCamera(int preset) override;
    FrameOutcome AdvanceView() override;
    void ShowConfigWindow(int index);
    void RunWindowLoop(ScriptWindow& window, const std::function<std::vector<std::string>()>& draw);
    void ShowLanguageWindow();
    // One frame of frmPaint while it is open beside the game.
    void DrawPaintWindow();
    // The point (window pixels) lies on frmPaint: its clicks are the window's own.
    bool OverPaintWindow(int x, int y) const;
    void OpenHelp();
    // The main window's controls for this frame, laid out but not drawn yet.
    MainWindowInput BuildControls();
    void ActOnControls(const MainWindowInput& in);
    void TickWindowTimers();
    void m_ShowFPS();
    bool FpsShown() const { return settings_.bShowFPS; }
    bool Draggable(int x, int y) const;
    bool InitMainWindowUi();
    // The main window's background: skin 1..3 from data/skins, or a picture file.
    void LoadSkinPicture();
    std::string BackdropKey() const;
    int FailStartUp();
    // The run's exit code once it has ended: what the run could not do fails it.
    int FinishExitCode();
    void PreparePlayerFolder();
    static std::unique_ptr<Rng> LooksGenerator(const CommandLine& options);
    // Replays (app_replays.cpp): the recorder on every live input path, the files it
    // writes, and playing a file back.
    void SetUpJournal();
    void SaveReplay(const ReplayFile& file);
    bool LoadReplay(ReplayFile* file);
    void HeadlessReplay();
    void WindowReplay();

    CommandLine options_;
    AppPaths paths_;
    StartupLog log_;
    Settings settings_;
    Configuration config_;
    Language language_;
    platform::InstanceLock instance_;
    platform::SplashWindow splash_;
    platform::GlWindow mainWindow_;
    MainCaptions captions_;
    MainWindowState window_;
    platform::ImGuiLayer ui_;
    std::function<bool()> modal_;              // the open modal window, drawn every frame
    ScriptWindow* openWindow_ = nullptr;       // the window open now (the innermost)
    WindowPlace settingsPlace_;                // where frmSettings last stood, for the run
    bool modulate2x_ = false;                  // optModulate: kept for the run, never stored
    std::unique_ptr<PaintWindow> paint_;       // frmPaint, made at the first F9 and kept for the run
    UiRect paintPlace_;                        // where frmPaint lies while it is open
    WindowFeed* windowFeed_ = nullptr;         // the script running now, which drives windows
    std::function<bool(int, int)> dragTest_;   // where a left-button drag moves the window
    uintptr_t skinPicture_ = 0;                // the skin as a UI texture
    int skinGeneration_ = 0;                   // counts the skin loads: the backdrop's key
    ListLines<RecordTable> recordLines_;       // lstTable's lines
    ListLines<std::vector<LevelRow>> levelLines_;   // lstLevel's lines
    AppResultWindows resultWindows_{*this};
    std::unique_ptr<Rng> looks_;               // cosmetic randomness (camera), apart from the game's
    Targets targets_{*this};
    AppCommands commands_{*this};
    std::unique_ptr<Rng> rng_;
    std::unique_ptr<LoopClock> clock_;
    EventRouter router_;
    std::unique_ptr<Session> session_;  // the game, its loop flags (running, loop-again) included
    std::unique_ptr<GameRecorder> recorder_;   // keeps the game on record (none while a replay plays)
    bool replaying_ = false;                   // a replay plays: live input does not reach the game
    RecordSteps results_{*this};              // the records behind the rules' record events and the game's end
    Effects effects_;                          // camera and scene effects, one step per pass
    std::unique_ptr<AudioDevice> audioDevice_;   // none without a sound card and in headless or scripted runs
    SoundEvents sound_;                          // slots and music; released before the device
    render::ViewEvents viewEvents_{settings_};
    std::unique_ptr<render::View> view_;   // the 3D view (never null); the renderer is released first at exit
    std::string viewCapture_;   // screenshot runs: DrawScene writes the view to this file once
    bool viewCaptured_ = false;
    int exitCode_ = 0;
    RunProblems problems_;
    bool unreadableTold_ = false;   // the box about an unreadable file showed this run

    bool startUp_ = false;           // set at the first step; selects the failure message
    bool exitStarted_ = false;
    bool initGlobalsDone_ = false;
    bool soundSlotsCreated_ = false;
    bool videoReady_ = false;
    uint32_t timerPeriod_ = 0;       // 0: none obtained
    int desktopDpi_ = 96;
    int padView_ = 0;                // the camera view a gamepad's shoulders last chose (0..6)
};

}  // namespace zembrol
