// EndOfGame: the order of the result steps, the skips (no record, cancelled entry,
// a series under way), and a Trial series entering its three scores at its end.
#include <gtest/gtest.h>

#include "game/end_of_game.h"
#include "game/f_init.h"
#include "game/game_types.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

namespace {

class RecordingResults : public ResultSteps {
public:
    explicit RecordingResults(Game& g) : g_(g) {}
    std::vector<std::string> calls;
    int place = 1;
    bool cancelled = false;
    bool send = false;

    void CloseOtherWindows() override { calls.push_back("CloseOtherWindows"); }
    void ShowLevelStats() override { calls.push_back("ShowLevelStats"); }
    int g_GetRecordPlace(bool query) override {
        calls.push_back(query ? "Query" : "Insert " + std::to_string(g_.cfg.gt_CurGameType) + " " +
                                              std::to_string(g_.s.score.s_getval()));
        return place;
    }
    void ShowRecordEntry() override { calls.push_back("ShowRecordEntry"); }
    bool EntryCancelled() override { return cancelled; }
    bool g_MakeGameRecord() override { calls.push_back("MakeGameRecord"); return true; }
    bool SendResultWanted() override { return send; }
    void SendResult() override { calls.push_back("SendResult"); }
    void g_AddRecordToFullStat() override { calls.push_back("AddRecordToFullStat"); }
    void ShowFullStat() override { calls.push_back("ShowFullStat"); }
    void g_LoadRecords() override { calls.push_back("LoadRecords " + std::to_string(g_.cfg.gt_CurGameType)); }
    void g_SaveRecords() override { calls.push_back("SaveRecords"); }
    void g_UpdateLevelRecords() override { calls.push_back("UpdateLevelRecords"); }

private:
    Game& g_;
};

using Calls = std::vector<std::string>;

}  // namespace

class EndOfGameTest : public RulesFixture {
protected:
    RecordingResults results{g};
    void SetUp() override {
        cfg.m_DelLinesInLevel = 10;
        f_Init(g);
        s.score.s_setval(4200);
        ev.Clear();
    }
    bool End(bool loopRunning = true) {
        results.calls.clear();
        return EndOfGame(g, results, loopRunning);
    }
};

TEST_F(EndOfGameTest, ARecordRunsEveryStepInOrderThenTheNextGame) {
    results.send = true;
    s.tmrDemo = true;
    ASSERT_TRUE(End());
    EXPECT_EQ(results.calls, (Calls{"CloseOtherWindows", "ShowLevelStats", "Query", "ShowRecordEntry",
                                    "MakeGameRecord", "SendResult", "AddRecordToFullStat", "ShowFullStat",
                                    "Insert 1 4200", "SaveRecords", "UpdateLevelRecords"}));
    EXPECT_FALSE(s.tmrDemo) << "the demo timer stops at a game's end";
    EXPECT_EQ(s.score.s_getval(), 0) << "the next game started";
}

TEST_F(EndOfGameTest, SkipsTakeTheGameStraightToTheNext) {
    struct Case { const char* what; int place; bool cancelled; int16_t linesPerLevel; Calls calls; };
    for (const Case& c : {
             Case{"no record", -1, false, 10, {"CloseOtherWindows", "ShowLevelStats", "Query"}},
             Case{"cancelled entry", 5, true, 10, {"CloseOtherWindows", "ShowLevelStats", "Query", "ShowRecordEntry"}},
             Case{"three rows a level: no level statistics", -1, false, 3, {"CloseOtherWindows", "Query"}},
         }) {
        results.place = c.place;
        results.cancelled = c.cancelled;
        cfg.m_DelLinesInLevel = c.linesPerLevel;
        s.score.s_setval(4200);
        ev.Clear();
        ASSERT_TRUE(End()) << c.what;
        EXPECT_EQ(results.calls, c.calls) << c.what;
        EXPECT_EQ(ev.Matching("Log f_Init() 5").size(), 1u) << c.what;
    }
}

TEST_F(EndOfGameTest, AStoppedLoopEndsWithoutANewGame) {
    EXPECT_FALSE(End(false));
    EXPECT_EQ(results.calls, Calls{"CloseOtherWindows"});
    EXPECT_EQ(s.score.s_getval(), 4200);
}

TEST_F(EndOfGameTest, ATrialSeriesKeepsItsScoreAndEntersItsThreeTablesAtTheEnd) {
    cfg.g_Trial = true;
    s.g_TrialGameNo = 0;
    f_Init(g);
    ASSERT_EQ(cfg.gt_CurGameType, 3);
    // Each game adds to the one running score.
    s.score.s_addval(1000);
    ASSERT_TRUE(End());
    EXPECT_EQ(results.calls, (Calls{"CloseOtherWindows", "Query", "MakeGameRecord"}));
    EXPECT_EQ(cfg.gt_CurGameType, 2);
    EXPECT_EQ(s.score.s_getval(), 1000);
    s.score.s_addval(2000);
    ASSERT_TRUE(End());
    EXPECT_EQ(cfg.gt_CurGameType, 1);
    EXPECT_EQ(s.score.s_getval(), 3000);
    s.score.s_addval(4000);
    ASSERT_TRUE(End());
    EXPECT_EQ(s.g_TrialScores, (std::array<int32_t, 3>{7000, 3000, 1000}));
    EXPECT_EQ(results.calls, (Calls{"CloseOtherWindows", "Query", "ShowRecordEntry", "MakeGameRecord",
                                    "AddRecordToFullStat", "ShowFullStat", "LoadRecords 1", "Insert 1 7000",
                                    "SaveRecords", "LoadRecords 2", "Insert 2 3000", "SaveRecords",
                                    "LoadRecords 3", "Insert 3 1000", "SaveRecords", "UpdateLevelRecords"}));
    // A fresh series follows.
    EXPECT_EQ(s.g_TrialGameNo, 1);
    EXPECT_EQ(cfg.gt_CurGameType, 3);
    EXPECT_EQ(s.score.s_getval(), 0);
}

TEST_F(EndOfGameTest, ASeriesGameWhoseScoreMissesKeepsTheEarlierTrialScore) {
    cfg.g_Trial = true;
    s.g_TrialGameNo = 0;
    f_Init(g);
    s.g_TrialScores = {0, 0, 555};
    s.score.s_setval(10);
    results.place = -1;
    ASSERT_TRUE(End());
    EXPECT_EQ(s.g_TrialScores[2], 555);
}

TEST_F(EndOfGameTest, CaptionsOfTypeSpeedAndVariant) {
    struct Case { int32_t type; int16_t speed; bool trial; const char* t; const char* sp; const char* v; };
    for (const Case& c : {Case{1, 0, false, "Zembrol", "Slow", "Simple"}, Case{2, 1, true, "Classic", "Middle", "Trial"},
                          Case{3, 2, false, "Sequence", "Fast", "Simple"}, Case{4, 3, false, "", "", "Simple"}}) {
        cfg.gt_CurGameType = c.type;
        cfg.g_Speed = c.speed;
        cfg.g_Trial = c.trial;
        EXPECT_EQ(gg_GetCaptionForGame(g, 1), c.t);
        EXPECT_EQ(gg_GetCaptionForGame(g, 2), c.sp);
        EXPECT_EQ(gg_GetCaptionForGame(g, 3), c.v);
    }
    EXPECT_EQ(gg_GetCaptionForGame(g, 4), "");
    EXPECT_EQ(ev.Matching("ErrorReport"), std::vector<std::string>{"ErrorReport gg_GetCaptionForGame() Case Else"});
    cfg.g_Speed = 2;
    g_SetTickMs(cfg);
    EXPECT_EQ(cfg.g_TickMs, 10);
    cfg.g_Speed = 7;
    g_SetTickMs(cfg);
    EXPECT_EQ(cfg.g_TickMs, 10) << "an unknown speed keeps the interval";
}
