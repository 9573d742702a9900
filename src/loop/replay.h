// Replays: one recorded game (a three-game series counts as one) — how it started
// (the generators' states, the settings that change the rules, the values a game
// start keeps), every reseed the clock gave, every input with the pass at which it
// landed, and the final score and counters. GameRecorder writes it from a live game
// through the Journal; GameReplayer plays it back as the same Commands (command.h).
//
// The file is plain text, one item a line, ended by a checksum line; see the README.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "loop/journal.h"
#include "loop/session.h"

namespace zembrol {

// Format 2 added "change" lines; format 3 games start their first figure with no time
// counted. Older files read and replay as before.
inline constexpr int kReplayFormat = 3;

struct ReplayInput {
    int64_t pass = 0;
    InputKind kind = InputKind::Move;
    int32_t value = 0;
    std::string setting;   // InputKind::Setting: the setting's name
    bool operator==(const ReplayInput&) const = default;
};

struct ReplaySeed {
    int64_t pass = 0;
    char generator = 'g';   // 'g' the game's, 'l' the looks' (camera presets hold drops back)
    uint64_t value = 0;
    bool operator==(const ReplaySeed&) const = default;
};

// What a replay must reproduce: the score, the counters and the field.
struct FinalCounters {
    std::vector<std::pair<std::string, int64_t>> values;
    bool operator==(const FinalCounters&) const = default;
    std::string Text() const;               // "score=1200 level=0 ..."
    // The first value that differs, as "score: recorded 1200, replayed 900"; empty when equal.
    std::string FirstDifference(const FinalCounters& replayed) const;
};
FinalCounters CaptureFinal(const Session& s);

struct ReplayFile {
    int format = kReplayFormat;
    std::string program;                                    // version of the program that recorded it
    bool clockSeeded = true;                                // false: a fixed --seed run (reseeds do nothing)
    std::string gameRng, looksRng;                          // generator states at the game's start
    std::vector<std::pair<std::string, int64_t>> settings;  // rule settings, by name
    std::vector<std::pair<std::string, int64_t>> carried;   // state a game start keeps, by name
    uint8_t seqPosition = 1;
    std::vector<uint8_t> sequence;                          // the player's sequence (UserSeq)
    std::vector<ReplaySeed> seeds;
    std::vector<ReplayInput> inputs;
    int64_t endPass = 0;
    std::string endReason = "closed";                       // over, new (a new game replaced it), closed
    FinalCounters final;
};

std::string WriteReplay(const ReplayFile& f);
// False with a message for the player on a damaged, truncated, altered, foreign or
// newer file.
bool ParseReplay(const std::string& text, ReplayFile* out, std::string* error);

// Settings the application holds outside the rules that still change them (the level
// flight holds the game back): read and written by name.
struct ExtraSettings {
    std::function<std::vector<std::pair<std::string, int64_t>>()> read;
    std::function<bool(const std::string&, int64_t)> write;
};

// Inputs one recording keeps: hours of play with a command every pass. A game past it
// (a figure kept in the air by endless turns) stops being recorded instead of taking
// all the memory there is.
inline constexpr size_t kReplayInputsMax = 1'000'000;

class GameRecorder final : public Journal {
public:
    using Sink = std::function<void(const ReplayFile&)>;
    // Says (for the log) that a recording was given up and why.
    using Note = std::function<void(const std::string&)>;
    GameRecorder(Session& s, Rng* looks, std::string program, Sink onFinished, ExtraSettings extra = {});

    // f_Init begins: a fresh start ends the game on record and starts the next one.
    void GameStarting();
    // The first start reads the configuration after f_Init has begun: the settings on
    // record are taken again once it is read.
    void SettingsLoaded();
    // The application closes: the game on record ends here.
    void Close();
    // A reseed from the clock of generator 'g' or 'l': kept, and passed through.
    uint64_t Seed(char generator, uint64_t clockValue);
    // A window may have changed settings on record while the game went on (the
    // settings window, a configuration read): each one that did is kept with the pass.
    void SettingsChanged();
    bool Recording() const { return active_; }
    void SetNote(Note note) { note_ = std::move(note); }
    void SetInputLimit(size_t limit) { inputLimit_ = limit; }

    void Input(InputKind kind, int32_t value) override;
    void GameOver(const Session& s) override;

private:
    void Finish(const std::string& reason);
    void Keep(ReplayInput in);
    void TakeSettings();
    std::vector<std::pair<std::string, int64_t>> CurrentSettings() const;
    Session& s_;
    Rng* looks_;
    std::string program_;
    Sink sink_;
    ExtraSettings extra_;
    bool active_ = false, over_ = false;
    bool cut_ = false;   // the game passed the input limit: it is not saved
    size_t inputLimit_ = kReplayInputsMax;
    Note note_;
    int64_t startPass_ = 0;   // the game's pass count when it started (0, or 1 within a pass)
    ReplayFile file_;
    std::vector<std::pair<std::string, int64_t>> settingsNow_;   // as the recording last saw them
};

class GameReplayer final : public Journal {
public:
    explicit GameReplayer(ReplayFile f, ExtraSettings extra = {}) : f_(std::move(f)), extra_(std::move(extra)) {}
    // Settings, kept state, the sequence and the generators as the game found them.
    // False with a message when the file names something this program does not know.
    bool Restore(Session& s, Rng* looks, const ExtraSettings& extra, std::string* error);
    // The next recorded reseed of a generator; a replay that asks for more than its
    // game took has left the recorded game (Diverged()).
    uint64_t Seed(char generator);
    // The inputs stamped with the passes done so far.
    void ApplyInputs(Session& s);
    bool Done(const Session& s) const { return over_ || s.loop.gamePass >= f_.endPass; }
    bool Diverged() const { return diverged_; }
    const ReplayFile& File() const { return f_; }
    // The final state: at the game over, or as the session stands.
    FinalCounters Final(const Session& s) const { return over_ ? final_ : CaptureFinal(s); }

    void Input(InputKind, int32_t) override {}
    void GameOver(const Session& s) override;

private:
    ReplayFile f_;
    ExtraSettings extra_;
    size_t nextInput_ = 0;
    std::array<size_t, 2> nextSeed_{};
    bool diverged_ = false, over_ = false;
    FinalCounters final_;
};

// Applies one recorded input as the Command it stands for; a setting change writes
// the setting (`extra` holds those outside the rules).
void ApplyReplayInput(Session& s, const ReplayInput& in, const ExtraSettings& extra = {});

struct ReplayReport {
    bool matches = false;
    FinalCounters recorded, replayed;
    std::string message;   // what differs, or why the replay stopped
};
// Plays a whole replay without waiting: restore, start the game (a NewGame command:
// the session needs its CommandTarget), every pass with its inputs, then the
// comparison with the recorded final state.
ReplayReport RunReplay(Session& s, GameReplayer& replayer, Rng* looks, const ExtraSettings& extra = {});

}  // namespace zembrol
