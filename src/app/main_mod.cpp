// Start-up and shutdown of the application: Main, g_Exit, the desktop check and
// the creation of the 3D device.
#include <algorithm>
#include <cmath>
#include <ctime>
#include <exception>
#include <iostream>

#include "app/app.h"
#include "app/messages.h"
#include "app/system_clock.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/openal_device.h"
#include "platform/video.h"
#include "platform/x_errors.h"
#include "render/null_view.h"
#include "render/view_layout.h"

namespace zembrol {

namespace {
constexpr int kSplashWidth = 360, kSplashHeight = 150;
const char* const kVersion = ZEMBROL_VERSION;
}  // namespace

App::App(CommandLine options)
    : options_(std::move(options)),
      config_(paths_, log_, settings_),
      language_(paths_, log_),
      looks_(LooksGenerator(options_)),
      effects_(settings_, *looks_),
      // The sound's variant generator is cosmetic: seeded from the clock in every run.
      sound_(settings_, static_cast<uint64_t>(std::time(nullptr)) * 40503u + platform::timeGetTime()) {
    config_.SetTargets(&targets_);
    config_.SetRunValues(options_.sets);
    language_.SetCaptionSink([this](const MainCaptions& c) { captions_ = c; });
    // Until a language file is applied the labels read in English.
    for (const MainLabelKey& k : MainLabelKeys()) *k.field(captions_) = k.english;
    if (options_.dpi > 0) platform::OverrideDesktopDpi(options_.dpi);
    if (options_.headless || !options_.answers.empty()) platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    if (options_.hasSeed) rng_ = std::make_unique<Rng>(options_.seed);
    else rng_ = std::make_unique<Rng>([] { return static_cast<uint64_t>(std::time(nullptr)) * 1000003u + platform::timeGetTime(); });
    // Scripted runs count their own time, so a script replays the same in a window.
    if (options_.headless || !options_.script.empty()) clock_ = std::make_unique<VirtualClock>();
    else clock_ = std::make_unique<SystemLoopClock>();
    session_ = std::make_unique<Session>(settings_.game, *rng_, router_, *clock_);
    session_->results = &results_;
    session_->target = this;
    // What a pass advances whether or not it draws: the camera move, the effects and
    // the music's fade-in.
    session_->advanceFrame = [this](const GameState& state) {
        results_.BeforePass();
        return AdvanceView();
    };
    sound_.SetLog([this](const std::string& line) { log_.f_Log(line, kLogPlain, false); });
    // A level flight stops the music and plays the level sound; its end stops that
    // sound and lets the music go on.
    effects_.onFlight = [this](bool started) {
        if (started) sound_.LevelFlightStarted();
        else sound_.LevelFlightEnded();
    };
    UseView(std::make_unique<render::NullView>(ViewReports()));
    WireEvents();
    // The end-of-game windows: drawn in a window run, driven by a script, or answered
    // at once with their defaults.
    results_.SetWindows(&resultWindows_);
    // The level statistics window's music (faded in) and the row sound of its bars.
    resultWindows_.startMusic = [this](const std::string& file) { sound_.StartStatsMusic(paths_.Shipped("music/" + file)); };
    resultWindows_.barStepSound = [this] { sound_.Slot(SoundSlot::mDel1).DMCtrlPlay(false); };
    results_.onPlaceLabelsReset = [this] { targets_.ResetLabelSweeps(); };
    config_.onUnreadable = [this](const std::string& path, const std::string& why) { NoticeUnreadable(path, why); };
    session_->loop.running = false;
    session_->loop.loopAgain = false;
    SetUpJournal();
    for (const std::string& word : options_.answers) {
        platform::BoxAnswer a;
        platform::QueueBoxAnswer(platform::ParseBoxAnswer(word, &a) ? std::optional(a) : std::nullopt);
    }
}

std::unique_ptr<Rng> App::LooksGenerator(const CommandLine& options) {
    // A seeded run seeds the looks too: a random camera move holds drops back, so a
    // seed must replay it for the game to replay.
    if (options.hasSeed) return std::make_unique<Rng>(options.seed ^ 0x5DEECE66Dull);
    return std::make_unique<Rng>([] { return static_cast<uint64_t>(platform::timeGetTime()) * 2654435761u; });
}

int App::Main() {
    try {
        startUp_ = true;
        // The folders come first: the single-instance lock lives in the player's data folder.
        // A --root folder is made absolute, so the paths stored in the configuration stay
        // right when a later run starts from another working folder.
        paths_ = ResolveFolders({platform::ExecutableFolder(),
                                 options_.root.empty() ? std::string() : platform::AbsolutePath(options_.root),
                                 platform::EnvironmentValue("XDG_DATA_HOME"), platform::EnvironmentValue("HOME"),
                                 platform::IsDirectory});
        if (paths_.installed) PreparePlayerFolder();
        const platform::InstanceLock::Result lock = instance_.Acquire(paths_.Data("zembrol.lock"));
        if (lock == platform::InstanceLock::Result::HeldByAnother) {
            // Another run owns this folder: leave, its log untouched. A run that was to
            // play a script or a simulation did not, and says so.
            if (!Unattended()) return 0;
            std::cerr << "zembrol: another run of the game is using the folder " << paths_.root
                      << "; this run did nothing\n";
            return 1;
        }
        session_->state.g_Exiting = false;
        log_.SetInitializationComplete(false);
        paths_.machine = platform::MachineName();
        exitStarted_ = false;
        session_->loop.inStartUp = true;
        log_.ResetIndentation();

        if (!log_.f_OpenLog(paths_.LogFile())) {
            g_InfoBox(kTextLogNotCreated);
            // The boxes say what failed; the terminal also says where and why.
            std::cerr << "zembrol: cannot create the log file " << paths_.LogFile() << " in the application folder "
                      << paths_.root << ": "
                      << (platform::IsDirectory(paths_.root) ? log_.FileError() : "no such folder") << "\n";
            return 1;
        }
        // Saves cut short by a crash or a kill leave their temporary files; while this run
        // holds the folder's lock no other run saves here, so they are stale.
        if (lock == platform::InstanceLock::Result::Acquired)
            for (const std::string& folder : {paths_.root, paths_.Data(""), paths_.Data("set"), paths_.Data("replays")})
                for (const std::string& name : platform::RemoveStaleTempFiles(NormaliseAppFolder(folder)))
                    log_.f_Log("removed the temporary file " + name + " of a save cut short", kLogPlain, true);
        if (!options_.headless) {
            std::string error;
            videoReady_ = platform::VideoInit(&error);
            if (!videoReady_) log_.f_Log("SDL_Init(SDL_INIT_VIDEO) - " + error, kLogPlain, false);
            // An X error is written down and the game goes on; the log has it from the next pass.
            platform::SetXErrorLog([this](const std::string& line) { log_.f_Log(line, kLogPlain, false); });
        }
        switch (g_CheckScreenScale()) {
            case 2:
                if (!AskOkCancel(kTextDpiQuestion, platform::BoxIcon::Question)) return 0;
                break;
            case 3:
                if (!AskOkCancel(kTextContinueLoading, platform::BoxIcon::Critical)) return 0;
                break;
            default: break;
        }
        ShowSplash();
        if (!language_.set_lang(false))
            NoteRunProblem("the language could not be read from " + paths_.root + "/lang.txt");
        if (!platform::FileExists(paths_.Shipped("lang/" + language_.Current())))
            NoteRunProblem("the language file " + paths_.Shipped("lang/" + language_.Current()) +
                           " is missing: the windows show \"...\" for their texts");
        for (uint32_t p = 1; p <= 10; ++p)
            if (platform::timeBeginPeriod(p)) {
                timerPeriod_ = p;
                break;
            }
        initGlobalsDone_ = false;
        if (!gg_InitDirectX()) {
            log_.f_Log("gg_InitDirectX()", kLogLeave, false);
            return FailStartUp();
        }
        soundSlotsCreated_ = true;  // mDown1 .. mInv1: given their files by the configuration
        if (!f_Init()) {
            log_.f_Log("f_Init()", kLogLeave, false);
            return FailStartUp();
        }
        splash_.Close();
        log_.SetInitializationComplete(true);
        sound_.SetInitializationComplete(true);
        log_.f_Log("__Initialization is complete!", kLogPlain, true);
        mainWindow_.Show();
        InitMainWindowUi();
        // The mouse buttons are read from SDL's mouse state, which exists with the window.
        log_.f_Log("DirectInput8 created", kLogPlain, true);
        session_->loop.inStartUp = false;
    } catch (const std::exception&) {
        return FailStartUp();
    }

    LoopState& loop = session_->loop;
    do {
        loop.loopAgain = false;
        loop.running = true;
        m_GeneralLoop();
    } while (loop.loopAgain);

    if (timerPeriod_) platform::timeEndPeriod(timerPeriod_);
    g_Exit();
    log_.f_CloseLog();
    return FinishExitCode();
}

int App::FinishExitCode() {
    const RecordBook& book = results_.Book();
    if (const int failed = book.FailedWrites(); failed > 0)
        problems_.Note(std::to_string(failed) + (failed == 1 ? " record file" : " record files") +
                       " could not be saved; last: " + book.LastWriteError());
    if (!Unattended()) return exitCode_;
    return problems_.Finish(exitCode_, std::cerr);
}

void App::NoticeUnreadable(const std::string& path, const std::string& why) {
    problems_.Note(path + " exists but cannot be read (" + why + "); it was left as it is");
    if (unreadableTold_) return;
    unreadableTold_ = true;
    g_InfoBox(language_.TextOr("fMain", "msgUnreadable",
                               "A file of your records or settings exists but cannot be read:") +
              "\n" + path + "\n(" + why + ")\n" +
              language_.TextOr("fMain", "msgUnreadable2",
                               "It is left as it is, and nothing is saved over it until the game starts again."));
}

void App::PreparePlayerFolder() {
    // An installed game's first start makes the player's folder; the language starts
    // as shipped. What cannot be made shows when the log cannot be opened.
    std::string error;
    if (!platform::MakeFolders(paths_.Data("set"), &error))
        std::cerr << "zembrol: cannot make the folder " << paths_.Data("set") << ": " << error << "\n";
    const std::string langTxt = paths_.root + "/lang.txt";
    if (!platform::FileExists(langTxt)) platform::CopyFileAtomic(paths_.shared + "/lang.txt", langTxt);
}

int App::FailStartUp() {
    // The start-up flag is never cleared, so the message always shows.
    if (startUp_) g_InfoBox(kTextInitFailed);
    g_Exit();
    log_.f_CloseLog();
    return 1;
}

void App::g_Exit() {
    if (exitStarted_) return;
    exitStarted_ = true;
    session_->state.g_Exiting = true;
    // From here every step runs whatever the previous one did.
    log_.f_Log("g_Exit()", kLogEnter, true);
    session_->loop.running = false;
    // The render objects go first; nothing is drawn from here on.
    UseView(std::make_unique<render::NullView>(ViewReports()));
    // Windows in their fixed order: of them only the loading window and the main
    // window exist so far.
    splash_.Close();
    platform::DestroyUiTexture(skinPicture_);
    skinPicture_ = 0;
    ui_.Shutdown();
    mainWindow_.Destroy();
    // The music buffer, then the slots' buffers, then the device they were made on.
    sound_.ReleaseAll();
    audioDevice_.reset();
    if (videoReady_) platform::VideoQuit();
    videoReady_ = false;
    log_.f_Log("g_Exit()", kLogLeave, true);
}

int App::g_CheckScreenScale() {
    int dpi = 0;
    if (options_.headless) {
        dpi = 96;  // no desktop: the layout of a headless run has nothing to scale
    } else if (!videoReady_ && options_.dpi == 0) {
        // No display at all: there is no desktop to warn about; the device step
        // reports the failure to start.
        log_.f_Log("GetDC(HWND_DESKTOP)=0", kLogPlain, true);
        return 1;
    } else if (!platform::DesktopDpi(&dpi)) {
        log_.f_Log("g_CheckScreenScale()", kLogPlain, false);
        g_ErrorReport(kTextDesktopUnknown, "g_CheckScreenScale()", ErrorInfo{0, "display DPI unknown"});
        return 3;
    }
    log_.f_Log("XPIXELSPERINCH=" + std::to_string(dpi), kLogPlain, true);
    desktopDpi_ = dpi;
    return dpi == 96 ? 1 : 2;
}

void App::ShowSplash() {
    if (options_.headless || !videoReady_) return;
    const std::string caption = std::string("Loading ") + kAppTitle + " v." + kVersion;
    if (!splash_.Open(caption, kSplashWidth, kSplashHeight)) {
        log_.f_Log("frm3dSplash load  ERR DESC: " + platform::VideoError(), kLogPlain, false);
        return;
    }
    log_.SetProgressSink([this](int value, int maximum) {
        splash_.Paint(value, maximum);
        // Closing the loading window ends the run once start-up is over.
        if (splash_.CloseRequested()) session_->loop.running = false;
    });
    splash_.Paint(log_.Counter(), StartupLog::kProgressMax);
}

bool App::gg_InitDirectX() {
    if (!d_InitD3D()) {
        log_.f_Log("gg_InitDirectX - d_InitD3D()=false", kLogPlain, true);
        return false;
    }
    gg_InitSound();  // the game runs silent without it
    return true;
}

bool App::gg_InitSound() {
    // Headless and scripted runs are tests and simulations: they never open a device.
    if (options_.headless || !options_.script.empty()) return false;
    log_.f_Log("gg_InitSound()", kLogEnter, true);
    std::string error;
    switch (platform::OpenAudioDevice(&audioDevice_, &error)) {
        case platform::AudioOpen::Opened:
            sound_.AttachDevice(audioDevice_.get());
            log_.f_Log("gg_InitSound()", kLogLeave, true);
            return true;
        case platform::AudioOpen::NoDevice:
            // No sound card or sound server: nothing to report to the player. The
            // record closes the entry, marked failed, so the log says it once.
            log_.f_Log("gg_InitSound()", kLogLeave, false);
            return false;
        case platform::AudioOpen::Failed: break;
    }
    log_.f_Log("gg_InitSound()", kLogLeave, false);
    g_ErrorReport(kTextSoundInitFailed, "gg_InitSound", ErrorInfo{0, error});
    return false;
}

bool App::d_InitD3D() {
    if (options_.headless) return true;  // the null device: nothing is drawn
    if (!videoReady_) return false;
    log_.f_Log("d_InitD3D()", kLogEnter, true);
    std::string error;
    // The window keeps its base layout at any desktop scale: it grows with the dots per inch.
    const float scale = desktopDpi_ > 0 ? desktopDpi_ / 96.0f : 1.0f;
    if (!mainWindow_.Create(kAppTitle, static_cast<int>(std::lround(render::kBaseWindowWidth * scale)),
                            static_cast<int>(std::lround(render::kBaseWindowHeight * scale)), &error)) {
        log_.f_Log("d_InitD3D() - " + error, kLogPlain, false);
        log_.f_Log("d_InitD3D()", kLogLeave, false);
        return false;
    }
    // Smaller than half the base layout the controls no longer read.
    mainWindow_.SetMinimumSize(render::kBaseWindowWidth / 2, render::kBaseWindowHeight / 2);
    if (!InitRenderer()) {
        log_.f_Log("d_InitD3D()", kLogLeave, false);
        return false;
    }
    log_.f_Log("d_InitD3D()", kLogLeave, true);
    return true;
}

bool App::Targets::GetWindowEdges(float* left, float* top) {
    // Fullscreen or maximised, the free window's place stays as it was stored.
    if (!app_.mainWindow_.Exists() || app_.mainWindow_.IsFullscreen() || app_.mainWindow_.IsMaximized()) return false;
    app_.mainWindow_.Restore();
    int x, y;
    app_.mainWindow_.GetPosition(&x, &y);
    *left = static_cast<float>(x * 15);
    *top = static_cast<float>(y * 15);
    return true;
}

void App::Targets::SetWindowEdges(float left, float top) {
    // A hand-edited edge can be any single; the window place keeps it on a screen.
    auto pixels = [](float twips) { return static_cast<int>(std::lround(std::clamp(twips / 15, -32767.0f, 32767.0f))); };
    app_.mainWindow_.SetPosition(pixels(left), pixels(top));
}

}  // namespace zembrol
