// The scripted headless runner: commands, errors with their line numbers, the host
// hand-off, the dump, and whole games played from the script files beside this test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "game/f_init.h"
#include "game/recording_events.h"
#include "loop/script_runner.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {

// A started game with a fixed seed, as `zembrol --headless --seed N` builds it.
struct HeadlessRun {
    explicit HeadlessRun(uint64_t seed) : rng(seed) { f_Init(session.game); }
    GameSettings cfg;
    Rng rng;
    RecordingEvents ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    ScriptHost noHost;
    std::ostringstream out, err;
    int Play(const std::string& script, ScriptHost* host = nullptr) {
        std::istringstream in(script);
        return RunScript(session, in, out, err, host ? *host : noHost);
    }
    std::vector<std::string> Dumps() const {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        return lines;
    }
};

std::string ScriptFile(const std::string& name) {
    const std::string path = std::string(ZEMBROL_TESTS_DIR) + "/loop/scripts/" + name;
    std::ifstream f(path);
    EXPECT_TRUE(f) << "missing script " << path;
    std::stringstream text;
    text << f.rdbuf();
    return text.str();
}

// The raw text of a top-level value in a dump line: a number, true/false, a string
// without its quotes, or an array with its brackets.
std::string Value(const std::string& json, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    size_t p = json.find(tag);
    if (p == std::string::npos) return "<missing " + key + ">";
    p += tag.size();
    if (json[p] == '"') return json.substr(p + 1, json.find('"', p + 1) - p - 1);
    size_t e = p;
    if (json[p] == '[') {
        int depth = 0;
        do {
            if (json[e] == '[') ++depth;
            if (json[e] == ']') --depth;
            ++e;
        } while (depth > 0);
    } else {
        e = json.find_first_of(",}", p);
    }
    return json.substr(p, e - p);
}
long Num(const std::string& json, const std::string& key) { return std::stol(Value(json, key)); }

class RecordingHost : public ScriptHost {
public:
    std::vector<std::string> calls;
    bool Click(const std::string& c) override { return Add("click " + c); }
    bool Answer(const std::string& w) override { return Add("answer " + w); }
    bool Type(const std::string& t) override { return Add("type " + t); }
    bool Set(const std::string& n, const std::string& v, std::string*) override { return Add("set " + n + "=" + v); }
    bool EscPause() override { return Add("EscPause"); }

private:
    bool Add(std::string c) {
        calls.push_back(std::move(c));
        return true;
    }
};

}  // namespace

TEST(ScriptRunner, ErrorsStopTheRunAndNameTheLine) {
    struct Case { const char* script; const char* error; };
    for (const Case& c : {
             Case{"tick x", "line 1: bad number 'x' for tick count"},
             Case{"tick -1", "line 1: tick count must lie in 0..1000000000, not '-1'"},
             Case{"# comment\n\nfly 3", "line 3: unknown command 'fly'"},
             Case{"row 30 11100", "line 1: bad pattern '11100': 15 characters 0 or 1"},
             Case{"row 30 11111111111111x", "line 1: bad pattern '11111111111111x': 15 characters 0 or 1"},
             Case{"row 31 111111111111111", "line 1: row must lie in 0..30, not '31'"},
             Case{"figure 5 0000111100000000", "line 1: queue entry must lie in 0..4, not '5'"},
             Case{"figure 0 000011110000000", "line 1: bad mask '000011110000000': 16 characters 0 or 1"},
             Case{"set g_FigX 20", "line 1: g_FigX must lie in 0..19, not '20'"},
             Case{"set bCW maybe", "line 1: bad value for bCW: 'maybe' is not true or false"},
             Case{"set g_Level 2x", "line 1: bad value for g_Level: '2x' is not a number"},
             Case{"set nothing 1", "line 1: unknown name 'nothing'"},
             Case{"click chkNew", "line 1: click chkNew is not supported"},
             Case{"answer ok", "line 1: answer is not supported"},
             Case{"answer maybe", "line 1: unknown answer 'maybe'"},
             Case{"type hello", "line 1: type is not supported"},
             Case{"key Esc", "line 1: key Esc is not supported"},
             Case{"key Hyper+Left", "line 1: unknown modifier 'Hyper'"},
             Case{"key Foo", "line 1: unknown key 'Foo'"},
             Case{"mouse down middle", "line 1: unknown mouse button 'middle'"},
             Case{"mouse move 1", "line 1: usage: mouse move X Y"},
             Case{"mouse move 1 nan", "line 1: bad number 'nan' for Y"},
             Case{"dump now", "line 1: usage: dump"},
         }) {
        HeadlessRun run(1);
        EXPECT_EQ(run.Play(c.script), kScriptError) << c.script;
        EXPECT_EQ(run.err.str(), std::string(c.error) + "\n") << c.script;
    }
}

// Numbers too large for their argument, or not finite, stop the script at their
// line instead of wrapping into some other row, count or pointer position.
TEST(ScriptRunner, NumbersThatDoNotFitAreRefused) {
    struct Case { const char* script; const char* error; };
    for (const Case& c : {
             Case{"tick 1e300", "line 1: tick count must lie in 0..1000000000, not '1e300'"},
             Case{"tick 99999999999", "line 1: tick count must lie in 0..1000000000, not '99999999999'"},
             Case{"tick inf", "line 1: bad number 'inf' for tick count"},
             Case{"tick 0x10", "line 1: bad number '0x10' for tick count"},
             Case{"dump\nrow 4294967326 111111111111111", "line 2: row must lie in 0..30, not '4294967326'"},
             Case{"figure -1e300 0000111100000000", "line 1: queue entry must lie in 0..4, not '-1e300'"},
             Case{"mouse move 1e300 0", "line 1: X must lie in -32767..32767, not '1e300'"},
             Case{"mouse move 10 -inf", "line 1: bad number '-inf' for Y"},
             Case{"set g_Level 1e300", "line 1: g_Level must lie in 0..10, not '1e300'"},
             Case{"set score 99999999999", "line 1: score must lie in -2147483648..2147483647, not '99999999999'"},
             Case{"set g_FigX nan", "line 1: bad value for g_FigX: 'nan' is not a number"},
         }) {
        HeadlessRun run(1);
        const GameState before = run.session.state;
        EXPECT_EQ(run.Play(c.script), kScriptError) << c.script;
        EXPECT_EQ(run.err.str(), std::string(c.error) + "\n") << c.script;
        EXPECT_EQ(run.session.state.g_FigX, before.g_FigX) << c.script;
        EXPECT_EQ(run.session.state.g_Level, before.g_Level) << c.script;
        EXPECT_EQ(run.session.state.score.s_getval(), before.score.s_getval()) << c.script;
    }
    // Within range, numbers read as the settings files read them: a fraction rounds half to even.
    HeadlessRun run(1);
    ASSERT_EQ(run.Play("set g_FigX 3.5\nset g_Level 2.5\nset bCW 0\nset bCW TRUE\n"), kScriptOk) << run.err.str();
    EXPECT_EQ(run.session.state.g_FigX, 4);
    EXPECT_EQ(run.session.state.g_Level, 2);
    EXPECT_TRUE(run.cfg.bCW);
}

TEST(ScriptRunner, CommandsBeforeAnErrorRunAndNoneAfter) {
    HeadlessRun run(1);
    EXPECT_EQ(run.Play("dump\nkey Left\nbogus\ndump\n"), kScriptError);
    EXPECT_EQ(run.Dumps().size(), 1u);
    EXPECT_EQ(run.session.state.g_FigX, 8);
    EXPECT_EQ(run.err.str(), "line 3: unknown command 'bogus'\n");
}

TEST(ScriptRunner, WhatTheRulesCannotServeGoesToTheHost) {
    HeadlessRun run(1);
    RecordingHost host;
    EXPECT_EQ(run.Play("click chkNew\nanswer yes\ntype  Ivan Petrov  \nset gr_Alpha 3\nkey Esc\nset bCW false\n", &host),
              kScriptOk)
        << run.err.str();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"click chkNew", "answer yes", "type Ivan Petrov",
                                                    "set gr_Alpha=3", "EscPause"}));
    EXPECT_FALSE(run.cfg.bCW);
}

// A host whose `click chkExit` closes the window as the program's does, and which
// knows one setting of its own (gr_Alpha, 0..255).
class ClosingHost : public ScriptHost {
public:
    explicit ClosingHost(Session& s) : s_(s) {}
    bool Click(const std::string& c) override {
        if (c != "chkExit") return false;
        s_.loop.running = false;
        return true;
    }
    bool Set(const std::string& n, const std::string& v, std::string* problem) override {
        if (n != "gr_Alpha") return false;
        *problem = "\"" + v + "\" is not a number for a byte";
        return false;
    }

private:
    Session& s_;
};

TEST(ScriptRunner, ClosingTheWindowEndsTheScriptOnlyOnItsLastLine) {
    struct Case { const char* script; int result; const char* error; int dumps; };
    for (const Case& c : {
             Case{"dump\nclick chkExit\n", kScriptOk, "", 1},
             Case{"dump\nclick chkExit\n\n# done\n", kScriptOk, "", 1},
             Case{"click chkExit\ntick 5\ndump\n", kScriptError,
                  "line 1: the window was closed here, but line 2 and the lines after it were not run\n", 0},
             Case{"dump\n\nclick chkExit  # bye\n\ndump\n", kScriptError,
                  "line 3: the window was closed here, but line 5 and the lines after it were not run\n", 1},
         }) {
        HeadlessRun run(1);
        run.session.loop.running = true;
        ClosingHost host(run.session);
        EXPECT_EQ(run.Play(c.script, &host), c.result) << c.script;
        EXPECT_EQ(run.err.str(), c.error) << c.script;
        EXPECT_EQ(run.Dumps().size(), static_cast<size_t>(c.dumps)) << c.script;
    }
}

TEST(ScriptRunner, MessagesShowOffendingWordsShortAndReadable) {
    struct Case { std::string script; std::string error; };
    const std::string longWord(500, 'q');
    for (const Case& c : {
             Case{"fly" + longWord, "line 1: unknown command 'fly" + std::string(77, 'q') + "...'"},
             Case{"tick 1" + longWord, "line 1: bad number '1" + std::string(79, 'q') + "...' for tick count"},
             Case{std::string("key \x01\xff\x1b[A"), "line 1: unknown key '\\x01\\xFF\\x1B[A'"},
             Case{"set Жук 1", "line 1: unknown name 'Жук'"},
             Case{"set gr_Alpha x\x7f", "line 1: bad value for gr_Alpha: \"x\\x7F\" is not a number for a byte"},
             Case{"\xEF\xBB\xBF" "bogus", "line 1: unknown command 'bogus'"},
             Case{"dump\n\xEF\xBB\xBF" "dump", "line 2: unknown command '\\xEF\\xBB\\xBF" "dump'"},
         }) {
        HeadlessRun run(1);
        ClosingHost host(run.session);
        EXPECT_EQ(run.Play(c.script, &host), kScriptError) << c.script;
        EXPECT_EQ(run.err.str(), c.error + "\n") << c.script;
    }
    // A byte-order mark before the first command is not part of it.
    HeadlessRun run(1);
    EXPECT_EQ(run.Play("\xEF\xBB\xBF" "dump\n"), kScriptOk) << run.err.str();
    EXPECT_EQ(run.Dumps().size(), 1u);
}

TEST(ScriptRunner, EveryKindOfLineEndEndsALine) {
    HeadlessRun run(1);
    EXPECT_EQ(run.Play("dump\rdump\r\ndump\n\rbogus\r"), kScriptError);
    EXPECT_EQ(run.Dumps().size(), 3u);
    EXPECT_EQ(run.err.str(), "line 5: unknown command 'bogus'\n");
}

TEST(ScriptRunner, RowFigureAndSetChangeTheState) {
    HeadlessRun run(1);
    ASSERT_EQ(run.Play("row 30 100000000000001\nfigure 2 1001111110011111\nset g_Speed 2\nset score -5\n"
                       "set m_DelLinesInLevel 1\ndump\n"),
              kScriptOk)
        << run.err.str();
    const std::string d = run.Dumps().at(0);
    EXPECT_NE(Value(d, "field").find("\"100000000000001\"]"), std::string::npos);  // row 30 is the last
    EXPECT_NE(Value(d, "queue").find("{\"mask\":\"1001111110011111\",\"Price\":0,\"IsSpecial\":false,\"IsZemb\":true}"),
              std::string::npos);
    EXPECT_EQ(Num(d, "g_Speed"), 2);
    EXPECT_EQ(run.cfg.g_TickMs, 10);
    EXPECT_EQ(Num(d, "score"), -5);
    EXPECT_EQ(run.cfg.m_DelLinesInLevel, 1);
}

TEST(ScriptRunner, TheDumpHoldsTheWholeGameState) {
    HeadlessRun run(1);
    ASSERT_EQ(run.Play("dump"), kScriptOk);
    const std::string d = run.Dumps().at(0);
    for (const char* key :
         {"g_FigX", "g_FigY", "g_Level", "score", "m_FallDelay", "m_FallCounter", "g_LinesInLevel", "g_Running",
          "g_Dropping", "g_DropArmed", "gt_CurGameType", "g_Speed", "g_Trial", "g_TrialGameNo", "m_NumKinds", "queue",
          "field", "g_FigCount", "g_LineKinds", "g_ZembBonus", "g_TimeBonus", "g_TimeBonusNow", "m_FigTicks",
          "g_MovesFig", "g_MovesTotal", "g_SpecialCount", "g_ZembCount", "m_MouseCol", "m_FantomX", "m_FantomY",
          "lblScore", "lblLevel", "lblCountLines"})
        EXPECT_EQ(Value(d, key).find("<missing"), std::string::npos) << key;
    EXPECT_EQ(Value(d, "lblScore"), "---");
    EXPECT_EQ(Value(d, "lblCountLines"), R"(["","","",""])");
    EXPECT_EQ(Value(d, "g_LineKinds"), "[0,0,0,0]");
    const std::string field = Value(d, "field");
    EXPECT_EQ(std::count(field.begin(), field.end(), ','), 30);  // 31 rows
    EXPECT_EQ(field.find('1'), std::string::npos);
    EXPECT_EQ(std::count(d.begin(), d.end(), '\n'), 0);
}

TEST(HeadlessGames, FourRowsThenTheGameRunsToItsEnd) {
    HeadlessRun run(1);
    ASSERT_EQ(run.Play(ScriptFile("four_rows_then_game_over.txt")), kScriptOk) << run.err.str();
    const auto d = run.Dumps();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(Num(d[0], "score"), 5500 + 50);  // four rows, and the time bonus of a figure dropped at once
    EXPECT_EQ(Value(d[0], "lblScore"), "5550");
    EXPECT_EQ(Value(d[0], "g_LineKinds"), "[0,0,0,1]");
    EXPECT_EQ(Value(d[0], "lblCountLines"), R"(["","","","4-Lines*1 = 5500"])");
    EXPECT_EQ(Num(d[0], "g_LinesInLevel"), 4);
    EXPECT_EQ(Num(d[0], "g_FigCount"), 1);
    EXPECT_EQ(Num(d[0], "g_MovesTotal"), 9);
    EXPECT_EQ(Value(d[0], "field").find('1'), std::string::npos);
    EXPECT_EQ(Num(d[0], "gamesOver"), 0);
    EXPECT_GE(Num(d[1], "gamesOver"), 1);
    EXPECT_EQ(Value(d[1], "g_Running"), "true");
}

TEST(HeadlessGames, MouseAndKeysOnOneFigure) {
    HeadlessRun run(1);
    ASSERT_EQ(run.Play(ScriptFile("controls.txt")), kScriptOk) << run.err.str();
    const auto d = run.Dumps();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(Num(d[0], "g_FigX"), 5);
    EXPECT_EQ(Num(d[0], "m_MouseCol"), 5);
    EXPECT_EQ(Num(d[0], "g_MovesFig"), 3);
    EXPECT_EQ(Value(d[0], "queue").substr(0, 27), R"([{"mask":"0000000011110000")");
    EXPECT_EQ(Num(d[1], "g_FigY"), 3);  // three dropped passes, then two at the normal pace
    EXPECT_EQ(Value(d[1], "g_Dropping"), "false");
    EXPECT_EQ(Value(d[1], "g_DropArmed"), "true");
    EXPECT_EQ(Num(d[1], "g_MovesFig"), 4);
    EXPECT_EQ(Num(d[2], "g_FigCount"), 1);
    EXPECT_EQ(Num(d[2], "g_MovesTotal"), 5);
    EXPECT_EQ(Num(d[2], "score"), 50);  // three ticks outside drops: round(248 / 5)
    EXPECT_NE(Value(d[2], "field").find(R"("000100000000000","000100000000000","000100000000000","000100000000000"])"),
              std::string::npos);
}

TEST(HeadlessGames, ClassicGamesHaveOnlyOrdinaryFigures) {
    HeadlessRun run(3);
    ASSERT_EQ(run.Play(ScriptFile("classic.txt")), kScriptOk) << run.err.str();
    const std::string d = run.Dumps().at(0);
    EXPECT_GE(Num(d, "gamesOver"), 1);
    EXPECT_EQ(Num(d, "gt_CurGameType"), 2);
    EXPECT_EQ(Value(d, "queue").find("\"IsSpecial\":true"), std::string::npos);
    const std::string queue = Value(d, "queue");
    size_t prices = 0;
    for (size_t p = queue.find("\"Price\":0,"); p != std::string::npos; p = queue.find("\"Price\":0,", p + 1)) ++prices;
    EXPECT_EQ(prices, 5u);
    EXPECT_EQ(Num(d, "g_SpecialCount"), 0);
}

TEST(HeadlessGames, ASeriesRunsSequenceClassicMainAndKeepsCounting) {
    HeadlessRun run(1);
    ASSERT_EQ(run.Play(ScriptFile("series.txt")), kScriptOk) << run.err.str();
    const auto d = run.Dumps();
    ASSERT_EQ(d.size(), 20u);
    // Game 1 of the session is the main type outside a series; from then on the series
    // repeats Sequence (1), Classic (2), main type (3).
    auto series = [](long games) { return games == 0 ? -1 : (games - 1) / 3; };
    long lastFigCount = 0, lastGames = 0;
    for (const std::string& dump : d) {
        const long games = Num(dump, "gamesOver");
        const long no = games == 0 ? 0 : (games - 1) % 3 + 1;
        EXPECT_EQ(Num(dump, "g_TrialGameNo"), no) << "after " << games << " games";
        EXPECT_EQ(Num(dump, "gt_CurGameType"), games == 0 ? 1 : 4 - no) << "after " << games << " games";
        // Within a series the figure count runs on from game to game.
        if (games > 0 && series(games) == series(lastGames)) {
            EXPECT_GE(Num(dump, "g_FigCount"), lastFigCount) << "after " << games << " games";
        }
        lastFigCount = Num(dump, "g_FigCount");
        lastGames = games;
    }
    EXPECT_GE(lastGames, 4);  // the fresh series after the first one has begun
}

TEST(HeadlessGames, AFixedSeedReplaysTheSameGame) {
    auto play = [](uint64_t seed) {
        HeadlessRun run(seed);
        EXPECT_EQ(run.Play(ScriptFile("four_rows_then_game_over.txt")), kScriptOk);
        return run.out.str();
    };
    const std::string first = play(1);
    EXPECT_EQ(play(1), first);
    EXPECT_NE(play(2), first);
}
