// The rules play the same game whoever listens. A seeded demo game is played by the
// application with every real handler attached (sound, effects and the level flight,
// the view's flying numbers, the records, the demo player, the journal); the same
// game is then played by the rules alone — a recorder and the demo player, fed the
// frame reports the application's effects made — and must raise the same events and
// reach the same state at its end. A handler that wrote the game's state, or rules
// that read a host's flag, would part the two.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/app.h"
#include "game/f_init.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "loop/state_dump.h"
#include "platform/message_box.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {

std::string Describe(const GameEvent& e) {
    char line[160];
    std::snprintf(line, sizeof line, "%s slot=%d col=%.6g row=%.6g value=%d flag=%d", EventKindName(e.kind),
                  static_cast<int>(e.slot), e.column, e.row, e.value, e.flag ? 1 : 0);
    std::string text = line;
    for (const auto& row : e.cells)
        for (bool c : row) text += c ? '1' : '0';
    return text + " " + e.text + "|" + e.text2;
}

// What one game left behind: its events up to the game over, and the state then.
struct GameTrace {
    std::vector<std::string> events;
    std::string stateAtGameOver;
    bool over = false;
    int flights = 0;

    void Note(const GameEvent& e, const Session& s) {
        if (over) return;
        events.push_back(Describe(e));
        if (e.kind == EventKind::LevelFlightStart) ++flights;
        // Game over: the last level is booked, then the end-of-game steps begin.
        if (e.kind == EventKind::BookLevelStat && e.flag) {
            over = true;
            stateAtGameOver = DumpState(s);
        }
    }
};

// The rules' own listener: the trace, and the demo player's events for its session.
class RulesOnly final : public GameEvents {
public:
    GameTrace trace;
    Session* session = nullptr;
    void OnGameEvent(const GameEvent& e) override {
        trace.Note(e, *session);
        DemoOnGameEvent(*session, e);
    }
};

}  // namespace

TEST(RulesParity, TheRulesAloneReplayTheApplicationsGameEventForEvent) {
    constexpr uint64_t kSeed = 4;
    TempDir dir;
    dir.Write("data/set/default.ini", "[MAIN]\ng_Speed=2\n");
    dir.Write("data/lang/english.ini", "[fMain]\ncPause=Pause\n");
    dir.Write("lang.txt", "english.ini\n");
    CommandLine options;
    options.root = dir.Path();
    options.headless = true;
    options.hasSeed = true;
    options.seed = kSeed;
    options.demo = true;
    options.games = 1;
    platform::SetBoxPolicy(platform::BoxPolicy::Scripted);
    App app(options);

    // The application's run: every event seen before its owner, every frame's report kept.
    GameTrace hosted;
    std::vector<FrameOutcome> reports;
    std::optional<GameSettings> settingsAtPlay;
    Session& live = app.GameSession();
    app.Router().watch = [&](const GameEvent& e) { hosted.Note(e, live); };
    auto effects = live.advanceFrame;
    live.advanceFrame = [&](const GameState& st) {
        if (!settingsAtPlay) settingsAtPlay = live.settings;
        const FrameOutcome o = effects(st);
        if (!hosted.over) reports.push_back(o);
        return o;
    };
    ASSERT_EQ(app.Main(), 0);
    ASSERT_TRUE(hosted.over);
    ASSERT_TRUE(settingsAtPlay);
    EXPECT_GT(hosted.flights, 0) << "the game should change level at least once, so a flight is waited for";

    // The rules alone: the same seed and settings, the same start, the frames' reports fed back.
    GameSettings cfg = *settingsAtPlay;
    Rng rng(kSeed);
    VirtualClock clock;
    RulesOnly rules;
    Session s(cfg, rng, rules, clock);
    rules.session = &s;
    size_t pass = 0;
    s.advanceFrame = [&](const GameState&) { return pass < reports.size() ? reports[pass++] : FrameOutcome{}; };
    ASSERT_TRUE(f_InitStart(s.game));
    InitGameGlobals(s.game);
    f_InitFinish(s.game);
    chkDemo_Click(s, true);
    for (int k = 0; k < 10'000'000 && !rules.trace.over; ++k) ASSERT_NE(HeadlessPass(s), PassEnd::Stopped);

    ASSERT_TRUE(rules.trace.over);
    EXPECT_EQ(pass, reports.size()) << "both games took the same passes";
    ASSERT_EQ(rules.trace.events.size(), hosted.events.size());
    for (size_t k = 0; k < hosted.events.size(); ++k)
        ASSERT_EQ(rules.trace.events[k], hosted.events[k]) << "event " << k << " of " << hosted.events.size();
    EXPECT_EQ(rules.trace.stateAtGameOver, hosted.stateAtGameOver);
}
