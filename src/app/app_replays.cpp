// Replays in the application: the recorder on the journal of every command and generator
// reseed, the files it writes in the player's data folder (the last game, each game
// that entered a record table, and the newest other finished games), and playing a
// file back headless or in the window.
#include <algorithm>
#include <ctime>
#include <iostream>

#include "app/app.h"
#include "game/f_init.h"
#include "loop/command.h"
#include "loop/general_loop.h"
#include "loop/replay.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/files.h"

namespace zembrol {

namespace {
const char* const kProgram = ZEMBROL_VERSION;
}  // namespace

void App::SetUpJournal() {
    if (!options_.replay.empty()) {
        replaying_ = true;
        return;
    }
    recorder_ = std::make_unique<GameRecorder>(*session_, looks_.get(), kProgram,
                                                [this](const ReplayFile& f) { SaveReplay(f); });
    recorder_->SetNote([this](const std::string& line) { log_.f_Log(line, kLogPlain, false); });
    session_->journal = recorder_.get();
    // A clock-seeded run keeps every reseed the clock gives, so the game can be replayed.
    if (!options_.hasSeed) {
        rng_->SetClockSeed([this] {
            const uint64_t v = static_cast<uint64_t>(std::time(nullptr)) * 1000003u + platform::timeGetTime();
            return recorder_ ? recorder_->Seed('g', v) : v;
        });
        looks_->SetClockSeed([this] {
            const uint64_t v = static_cast<uint64_t>(platform::timeGetTime()) * 2654435761u;
            return recorder_ ? recorder_->Seed('l', v) : v;
        });
    }
}

void App::SaveReplay(const ReplayFile& file) {
    const std::string text = WriteReplay(file);
    std::string error;
    auto write = [&](const std::string& path) {
        if (platform::WriteFileAtomic(path, text, &error)) return true;
        log_.f_Log("replay not saved: " + path + ": " + error, kLogPlain, false);
        return false;
    };
    // The file asked for on the command line is the run's result: without it the run failed.
    if (!options_.record.empty() && !write(options_.record)) {
        std::cerr << "zembrol: cannot write the replay " << options_.record << ": " << error << "\n";
        if (exitCode_ == 0) exitCode_ = 1;
    }
    const std::string folder = paths_.Data("replays");
    if (!platform::MakeFolders(folder, &error)) {
        log_.f_Log("replay folder not made: " + folder + ": " + error, kLogPlain, false);
        return;
    }
    write(folder + "/last.zrp");
    // A finished game also keeps a file named by its time and score: one that entered a
    // record table for good ("record-"), any other among the newest iReplaysKept ("game-",
    // the oldest removed first). Files of other names are the player's and stay.
    if (file.endReason != "over") return;
    const bool record = results_.LastInsertPlace() > 0;
    const size_t kept = static_cast<size_t>(std::max<int>(0, settings_.iReplaysKept));
    if (record || kept > 0) {
        char stamp[32];
        const std::time_t now = std::time(nullptr);
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
        int64_t score = 0;
        for (const auto& [name, value] : file.final.values)
            if (name == "score") score = value;
        write(folder + (record ? "/record-" : "/game-") + stamp + "-" + std::to_string(score) + ".zrp");
    }
    std::string pruneError;
    platform::RemoveOldestFiles(folder, "game-*.zrp", kept, &pruneError);
    if (!pruneError.empty()) log_.f_Log("old replay not removed: " + folder + "/" + pruneError, kLogPlain, false);
}

bool App::LoadReplay(ReplayFile* file) {
    const platform::FileRead read = platform::ReadFileChecked(options_.replay, platform::kReplayFileLimit);
    std::string error;
    if (!read.Ok()) error = "cannot read the file: " + read.error;
    else if (ParseReplay(read.bytes, file, &error)) return true;
    std::cerr << "zembrol: " << options_.replay << ": " << error << "\n";
    exitCode_ = 2;
    return false;
}

void App::HeadlessReplay() {
    ReplayFile file;
    if (!LoadReplay(&file)) return;
    GameReplayer replayer(std::move(file));
    // The replayed game's results stay out of the player's tables.
    session_->results = nullptr;
    const ReplayReport r = RunReplay(*session_, replayer, looks_.get());
    std::cout << "replay " << options_.replay << " (recorded by " << replayer.File().program << ", "
              << replayer.File().endReason << " at pass " << replayer.File().endPass << ")\n";
    std::cout << "recorded: " << r.recorded.Text() << "\n";
    std::cout << "replayed: " << r.replayed.Text() << "\n";
    std::cout << (r.matches ? "MATCH: " : "MISMATCH: ") << r.message << "\n";
    exitCode_ = r.matches ? 0 : 1;
}

void App::WindowReplay() {
    ReplayFile file;
    if (!LoadReplay(&file)) {
        Form_QueryUnload();
        return;
    }
    GameReplayer replayer(std::move(file));
    session_->results = nullptr;
    Session& s = *session_;
    std::string error;
    if (!replayer.Restore(s, looks_.get(), ExtraSettings{}, &error)) {
        std::cerr << "zembrol: " << options_.replay << ": " << error << "\n";
        exitCode_ = 2;
        Form_QueryUnload();
        return;
    }
    s.journal = &replayer;
    Apply(s, Command::NewGame());
    s.loop.gamePass = 0;
    // The viewer's keys: Space holds the replay, F runs it eight passes a frame, Esc ends it.
    bool held = false, fast = false;
    auto pump = [&] {
        platform::PumpResult r = platform::PumpEvents(mainWindow_.Id(), [&](const platform::InputEvent& e) {
            if (e.type != platform::InputEvent::Type::KeyDown || e.repeat) return;
            if (e.vkCode == 32) held = !held;
            if (e.vkCode == 'F') fast = !fast;
            if (e.vkCode == 27) Form_QueryUnload();
        });
        OnWindowEvents(r);
        if (r.closeRequested && s.loop.running) Form_QueryUnload();
        TickWindowTimers();
    };
    auto draw = [this](Session&) { m_DrawFrame(); };
    while (s.loop.running && !replayer.Done(s) && !replayer.Diverged()) {
        if (held) {
            pump();
            m_DrawFrame();
            platform::Sleep(20);
            continue;
        }
        const int passes = fast ? 8 : 1;
        for (int k = 0; k < passes && s.loop.running && !replayer.Done(s); ++k) {
            replayer.ApplyInputs(s);
            if (k == 0 && !WaitForPass(s, pump)) break;
            if (k > 0) s.loop.m_LastPass = s.clock.NowMs();
            m_ShowFPS();
            LoopPass(s, k + 1 == passes ? std::function<void(Session&)>(draw) : std::function<void(Session&)>());
        }
    }
    const FinalCounters got = replayer.Final(s);
    const std::string diff = replayer.File().final.FirstDifference(got);
    std::cout << (replayer.Diverged() || !diff.empty() ? "MISMATCH: " + (diff.empty() ? std::string("diverged") : diff)
                                                       : std::string("MATCH"))
              << std::endl;   // said when the game ends, not only when the window closes
    // The finished replay stays on show until the player closes the window.
    while (s.loop.running) {
        pump();
        m_DrawFrame();
        platform::Sleep(20);
    }
}

}  // namespace zembrol
