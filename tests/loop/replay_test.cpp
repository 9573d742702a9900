// Replays: a game recorded through the live input functions plays back to the same
// final state; damaged, altered and newer files are refused with their reason.
#include <gtest/gtest.h>

#include <string>

#include "game/f_init.h"
#include "game/recording_events.h"
#include "loop/command.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "loop/key_commands.h"
#include "loop/loop_clock.h"
#include "loop/mouse_commands.h"
#include "loop/replay.h"
#include "game/moves.h"

namespace zembrol::test {
namespace {

// The events of a session with the journal's game start handled, as the application routes it.
class JournalEvents : public WithDemoEvents<RecordingEvents> {
public:
    GameRecorder* recorder = nullptr;
    void OnGameEvent(const GameEvent& e) override {
        if (e.kind == EventKind::GameStarting) {
            if (recorder) recorder->GameStarting();
            return;
        }
        WithDemoEvents<RecordingEvents>::OnGameEvent(e);
    }
};

// A session whose generator is clock-seeded from a counter, so reseeds matter.
struct Table {
    GameSettings cfg;
    uint64_t tick = 1000;
    Rng rng{[this] { return tick += 7919; }};
    JournalEvents ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    Table() { ev.demoSession = &session; }
    void Passes(int n) {
        for (int k = 0; k < n; ++k) HeadlessPass(session);
    }
};

class NoWindow : public WindowCommands {};

// The program around the rules, as far as a replay needs it: a new game and the pause.
struct StartHost : CommandTarget {
    Session& s;
    explicit StartHost(Session& session) : s(session) { s.target = this; }
    void StartNewGame() override { f_Init(s.game); }
    void PressPause(bool pressed) override { s.state.g_Running = !pressed; }
};

// Records what `play` does on a fresh session, then replays the file on another.
// `game` names which of the games on record is replayed: a game over or a new game
// starts the next one, which is on record too.
ReplayReport RecordAndReplay(const std::function<void(Table&)>& setup, const std::function<void(Table&)>& play,
                             ReplayFile* kept = nullptr, int game = 0) {
    Table live;
    setup(live);
    ReplayFile file;
    int finished = 0;
    GameRecorder recorder(live.session, nullptr, "test", [&](const ReplayFile& f) {
        if (finished++ == game) file = f;
    });
    live.ev.recorder = &recorder;
    live.session.journal = &recorder;
    // The clock's reseeds go through the recorder, as the application wires them.
    live.rng.SetClockSeed([&] { return recorder.Seed('g', live.tick += 7919); });
    f_Init(live.session.game);
    play(live);
    recorder.Close();

    std::string error;
    ReplayFile parsed;
    EXPECT_TRUE(ParseReplay(WriteReplay(file), &parsed, &error)) << error;
    if (kept) *kept = parsed;
    Table again;   // default settings, another clock: everything must come from the file
    again.tick = 5;
    GameReplayer replayer(parsed);
    StartHost host(again.session);
    return RunReplay(again.session, replayer, nullptr);
}

TEST(Replay, KeysTakeBacksInversiaAndLevelChangesReplayExactly) {
    ReplayFile file;
    NoWindow window;
    const ReplayReport r = RecordAndReplay(
        [](Table& t) { t.cfg.m_DelLinesInLevel = 1; },
        [&](Table& t) {
            t.Passes(40);
            for (int code : {vk::Left, vk::Left, vk::Up, vk::Space, vk::Down}) OnKeyDown(t.session, {code}, window);
            t.Passes(300);
            OnKeyDown(t.session, {vk::Enter}, window);   // take back the landed figure
            chkDemo_Click(t.session, true);              // the demo plays on, with its own take-backs
            t.Passes(12000);
            OnMouseMove(t.session, 120, 10);
            OnMouseButton(t.session, true, true);
            t.Passes(2);
            OnMouseButton(t.session, true, false);
            t.Passes(500);
        },
        &file);
    EXPECT_TRUE(r.matches) << r.message;
    EXPECT_EQ(r.recorded, r.replayed);
    // The game really went through what the test names.
    auto value = [&](const char* name) {
        for (const auto& [n, v] : file.final.values)
            if (n == name) return v;
        return int64_t{-1};
    };
    EXPECT_GE(value("level"), 2);
    EXPECT_GE(value("takeBacks"), 1);
    EXPECT_NE(value("inversiaBonus"), 0);
    EXPECT_FALSE(file.seeds.empty()) << "a clock-seeded game keeps its reseeds";
}

TEST(Replay, TheFirstGameOfARunReplaysItsClicks) {
    // The program's first game starts while start-up is under way (mouse commands
    // blocked) and start-up ends before the first pass; the clicks that follow act.
    ReplayFile file;
    const ReplayReport r = RecordAndReplay(
        [](Table& t) { t.session.loop.inStartUp = true; },
        [](Table& t) {
            t.session.loop.inStartUp = false;
            t.Passes(20);
            for (bool right : {false, true}) {
                OnMouseButton(t.session, right, true);
                t.Passes(2);
                OnMouseButton(t.session, right, false);
                t.Passes(150);
            }
        },
        &file);
    EXPECT_TRUE(r.matches) << r.message;
    EXPECT_EQ(r.recorded, r.replayed);
}

TEST(Replay, AGameStartedByAButtonWithinAPassReplaysExactly) {
    // A button acts after the frame it was drawn in, within the pass: the new game
    // still has that pass's tick, and the replay must give it the same.
    NoWindow window;
    const ReplayReport r = RecordAndReplay(
        [](Table&) {},
        [&](Table& t) {
            t.Passes(30);
            OnKeyDown(t.session, {vk::Left}, window);
            t.Passes(5);
            LoopPass(t.session, [](Session& s) { f_Init(s.game); });
            for (int round = 0; round < 3; ++round) {
                t.Passes(37);
                for (int code : {vk::Left, vk::Up, vk::Right, vk::Down}) OnKeyDown(t.session, {code}, window);
                t.Passes(90);
            }
        },
        nullptr, 1);
    EXPECT_TRUE(r.matches) << r.message;
    EXPECT_EQ(r.recorded, r.replayed);
}

TEST(Replay, SettingsChangedDuringTheGameReplayWithTheGame) {
    // The player switches the own key repeat on and the rotation round in the settings
    // window while the game goes on; the replay must hold and turn the same way.
    ReplayFile file;
    NoWindow window;
    const ReplayReport r = RecordAndReplay(
        [](Table&) {},
        [&](Table& t) {
            auto changed = [&] { static_cast<GameRecorder*>(t.session.journal)->SettingsChanged(); };
            t.Passes(30);
            t.cfg.bOwnRepeat = true;
            t.cfg.iRepeatDelay = 100;
            t.cfg.bCW = false;
            changed();
            OnKeyDown(t.session, {vk::Left}, window);
            t.Passes(12);
            OnKeyUp(t.session, vk::Left);
            OnKeyDown(t.session, {vk::Up}, window);
            OnKeyDown(t.session, {vk::Down}, window);
            t.Passes(200);
            changed();   // nothing changed: nothing kept
        },
        &file);
    EXPECT_TRUE(r.matches) << r.message;
    int changes = 0;
    for (const ReplayInput& in : file.inputs) changes += in.kind == InputKind::Setting;
    EXPECT_EQ(changes, 3) << "bCW, bOwnRepeat and iRepeatDelay";
    // A file that changes a setting this version does not know is refused.
    file.inputs.push_back({file.endPass, InputKind::Setting, 1, "bNoSuchSetting"});
    Table again;
    GameReplayer replayer(file);
    StartHost host(again.session);
    const ReplayReport refused = RunReplay(again.session, replayer, nullptr);
    EXPECT_FALSE(refused.matches);
    EXPECT_NE(refused.message.find("bNoSuchSetting"), std::string::npos) << refused.message;
}

TEST(Replay, AGamePlayedToItsEndStopsAtTheGameOver) {
    ReplayFile file;
    const ReplayReport r = RecordAndReplay(
        [](Table&) {},
        [](Table& t) {
            chkDemo_Click(t.session, true);
            // Drop every figure at once: the field fills and the game ends.
            for (int k = 0; k < 40000 && t.session.loop.gamesOver == 0; ++k) {
                if (!t.session.state.g_Dropping) Apply(t.session, Command::Drop());
                HeadlessPass(t.session);
            }
            t.Passes(50);
        },
        &file);
    EXPECT_EQ(file.endReason, "over");
    EXPECT_TRUE(r.matches) << r.message;
}

// A game that passes the input limit stops being recorded and says so, instead of
// growing without end; the next game is recorded again.
TEST(Replay, AGamePastTheInputLimitIsNotKept) {
    Table t;
    std::vector<ReplayFile> kept;
    std::vector<std::string> notes;
    GameRecorder recorder(t.session, nullptr, "test", [&](const ReplayFile& f) { kept.push_back(f); });
    recorder.SetInputLimit(50);
    recorder.SetNote([&](const std::string& n) { notes.push_back(n); });
    t.ev.recorder = &recorder;
    t.session.journal = &recorder;
    f_Init(t.session.game);
    for (int k = 0; k < 200; ++k) {
        Apply(t.session, Command::Rotate());
        HeadlessPass(t.session);
    }
    f_Init(t.session.game);   // a new game: the cut one is not saved
    Apply(t.session, Command::Rotate());
    HeadlessPass(t.session);
    recorder.Close();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("passed 50 inputs"), std::string::npos) << notes[0];
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].inputs.size(), 1u);
}

TEST(Replay, ADifferentGameIsReportedWithTheFirstValueThatDiffers) {
    ReplayFile file;
    RecordAndReplay([](Table&) {}, [](Table& t) { t.Passes(400); }, &file);
    // Claim a different score (a file edited with its checksum recomputed by hand).
    for (auto& [n, v] : file.final.values)
        if (n == "score") v += 100;
    Table again;
    GameReplayer replayer(file);
    StartHost host(again.session);
    const ReplayReport r = RunReplay(again.session, replayer, nullptr);
    EXPECT_FALSE(r.matches);
    EXPECT_NE(r.message.find("score: recorded"), std::string::npos) << r.message;
}

TEST(ReplayFileFormat, BadFilesAreRefusedWithTheirReason) {
    ReplayFile good;
    RecordAndReplay([](Table&) {}, [](Table& t) { t.Passes(100); }, &good);
    const std::string text = WriteReplay(good);
    std::string flipped = text;
    flipped[flipped.find("set bCW 1")+8] = '0';
    std::string future = text;
    future.replace(0, 16, "zembrol-replay 9");
    struct Case { const char* what; std::string text; const char* message; };
    const Case cases[] = {
        {"empty", "", "not a replay file"},
        {"foreign", "PK\x03\x04 some archive", "not a replay file"},
        {"truncated", text.substr(0, text.size() / 2), "truncated"},
        {"check line cut", text.substr(0, text.size() - 6), "truncated"},
        {"altered", flipped, "damaged or was altered"},
        {"future version", future, "newer version"},
    };
    for (const Case& c : cases) {
        ReplayFile out;
        std::string error;
        EXPECT_FALSE(ParseReplay(c.text, &out, &error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }
    ReplayFile out;
    std::string error;
    ASSERT_TRUE(ParseReplay(text, &out, &error)) << error;
    EXPECT_EQ(WriteReplay(out), text) << "a file reads back to the same text";
}

// --- the game's own key repeat ------------------------------------------------------

TEST(KeyRepeat, AHeldKeyMovesAtTheExpectedPasses) {
    struct Case { int tickMs, delay, rate; std::vector<int> movesAtPass; };
    // Pass 0 is the key-down itself (one move at once); the list gives the passes
    // after it at which the figure moved, for the first 20 passes.
    const Case cases[] = {
        {25, 170, 50, {0, 7, 9, 11, 13, 15, 17, 19}},   // 175 ms >= 170, then every 50 ms
        {10, 170, 50, {0, 17}},                         // 170 ms exactly at pass 17; 200 ms is not 220
        {25, 100, 50, {0, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
        {15, 0, 30, {0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},   // no delay: the first pass repeats
    };
    for (const Case& c : cases) {
        GameSettings cfg;
        cfg.bOwnRepeat = true;
        cfg.g_TickMs = c.tickMs;
        cfg.iRepeatDelay = static_cast<int16_t>(c.delay);
        cfg.iRepeatRate = static_cast<int16_t>(c.rate);
        Rng rng{1};
        RecordingEvents ev;
        VirtualClock clock;
        Session s{cfg, rng, ev, clock};
        f_Init(s.game);
        // Keep the figure in the air and away from the wall: only the repeat moves it.
        s.state.g_FigX = 2;
        s.state.g_Figs[0].Cells = {};
        s.state.g_Figs[0].Cells[1][1] = 1;
        s.state.m_FallDelay = 30000;
        std::vector<int> moves;
        NoWindow window;
        int x = s.state.g_FigX;
        OnKeyDown(s, {vk::Right}, window);
        if (s.state.g_FigX != x) moves.push_back(0);
        for (int pass = 1; pass <= 20; ++pass) {
            x = s.state.g_FigX;
            OnKeyDown(s, {vk::Right, false, false, false, true}, window);   // the system's repeat is ignored
            LoopPass(s);
            for (int k = x; k < s.state.g_FigX; ++k) moves.push_back(pass);
        }
        EXPECT_EQ(moves, c.movesAtPass) << "tick " << c.tickMs << " delay " << c.delay << " rate " << c.rate;
        // Releasing the key stops the repeat.
        OnKeyUp(s, vk::Right);
        x = s.state.g_FigX;
        for (int k = 0; k < 20; ++k) LoopPass(s);
        EXPECT_EQ(s.state.g_FigX, x);
    }
}

TEST(KeyRepeat, OffEveryKeyDownOfTheSystemMovesAndPassesDoNot) {
    GameSettings cfg;
    Rng rng{1};
    RecordingEvents ev;
    VirtualClock clock;
    Session s{cfg, rng, ev, clock};
    f_Init(s.game);
    s.state.m_FallDelay = 30000;
    NoWindow window;
    const int x = s.state.g_FigX;
    OnKeyDown(s, {vk::Left}, window);
    OnKeyDown(s, {vk::Left, false, false, false, true}, window);
    for (int k = 0; k < 20; ++k) LoopPass(s);
    EXPECT_EQ(s.state.g_FigX, x - 2);
}

TEST(KeyRepeat, AHeldKeyReplaysAtTheSamePasses) {
    NoWindow window;
    const ReplayReport r = RecordAndReplay(
        [](Table& t) {
            t.cfg.bOwnRepeat = true;
            t.cfg.iRepeatDelay = 120;
            t.cfg.iRepeatRate = 40;
        },
        [&](Table& t) {
            t.Passes(10);
            OnKeyDown(t.session, {vk::Left}, window);
            t.Passes(9);
            OnKeyUp(t.session, vk::Left);
            OnKeyDown(t.session, {vk::Right}, window);
            t.Passes(30);
            OnKeyUp(t.session, vk::Right);
            OnKeyDown(t.session, {vk::Down}, window);
            t.Passes(200);
        });
    EXPECT_TRUE(r.matches) << r.message;
}

}  // namespace
}  // namespace zembrol::test
