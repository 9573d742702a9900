// The application object: owns the process-wide state of the application frame
// (folders, log, settings, language, windows, flags) and runs start-up and shutdown.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/app_commands.h"
#include "app/app_events.h"
#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/configuration.h"
#include "app/language.h"
#include "app/log.h"
#include "app/settings.h"
#include "loop/session.h"
#include "platform/events.h"
#include "platform/gl_window.h"
#include "platform/single_instance.h"
#include "platform/splash_window.h"

namespace zembrol {

namespace render {
class Renderer;
}

// Camera home view set during start-up; the level flights return to it.
struct CameraHome {
    std::array<float, 3> eye{}, lookAt{};
    float angle = 0;
};

class App {
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
    // Creates the 3D device on the main window; false when it cannot.
    bool gg_InitDirectX();
    // Starts a game; false when the one-time initialisation failed.
    bool f_Init();
    // The main window is closing: save the configuration, end the loop.
    void Form_QueryUnload();
    // One-time initialisation of the first game: configuration and resources.
    bool InitGlobals();

    // State read by tests and later subsystems.
    const AppPaths& Paths() const { return paths_; }
    Settings& GetSettings() { return settings_; }
    StartupLog& Log() { return log_; }
    Configuration& Config() { return config_; }
    Language& Lang() { return language_; }
    bool Headless() const { return options_.headless; }
    Session& GameSession() { return *session_; }
    // The renderer of the 3D view; null in headless runs.
    render::Renderer* GetRenderer();

private:
    // Applies a loaded configuration to what exists of the application.
    class Targets : public ConfigTargets {
    public:
        explicit Targets(App& app) : app_(app) {}
        bool GetWindowEdges(float* left, float* top) override;
        void SetWindowEdges(float left, float top) override;
        bool SoundSlotsExist() override { return app_.soundSlotsCreated_; }
        void TexturePathLoaded(int index) override;
        void GraphicsLoaded() override;
        void WorldSpeedChanged() override;
        void ResetLabelSweeps() override;

    private:
        App& app_;
    };

    // The --set options of the command line, over the loaded configuration.
    void ApplySetOptions();
    bool d_InitD3D();
    void m_GeneralLoop();
    void WindowLoop();
    void HeadlessLoop();
    void OnInput(const platform::InputEvent& event);
    void ShowSplash();
    // The renderer's part of start-up, of InitGlobals and of a pass.
    bool InitRenderer();
    bool InitRenderGlobals();
    void DrawScene();
    // --screenshot and --bench-frames runs: draw the frames, write or print, close.
    bool FrameRun() const;
    void RunFrames();
    int FailStartUp();

    CommandLine options_;
    AppPaths paths_;
    StartupLog log_;
    Settings settings_;
    Configuration config_;
    Language language_;
    platform::InstanceLock instance_;
    platform::SplashWindow splash_;
    platform::GlWindow mainWindow_;
    CameraHome cameraHome_;
    MainCaptions captions_;
    Targets targets_{*this};
    AppGameEvents events_{*this};
    AppCommands commands_{*this};
    std::unique_ptr<Rng> rng_;
    std::unique_ptr<LoopClock> clock_;
    std::unique_ptr<Session> session_;  // the game, its loop flags (running, loop-again) included
    std::unique_ptr<render::Renderer> renderer_;   // the 3D view; released first at exit
    int exitCode_ = 0;

    bool startUp_ = false;           // set at the first step; selects the failure message
    bool inStartUp_ = false;         // until the mouse device exists
    bool g_Exiting = false;
    bool exitStarted_ = false;
    bool initGlobalsDone_ = false;
    bool soundSlotsCreated_ = false;
    bool videoReady_ = false;
    uint32_t timerPeriod_ = 0;       // 0: none obtained
};

}  // namespace zembrol
