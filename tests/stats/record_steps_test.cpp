// The record steps on their own, with a host of the test's making: the end of a game
// enters the score under the name the entry window gave, keeps the name, and a name
// that cannot be kept is a problem the run reports.
#include <gtest/gtest.h>

#include "game/end_of_game.h"
#include "game/f_init.h"
#include "stats/record_steps.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {

// The rules' events reach the record steps, as the application routes them.
struct RecordEvents final : GameEvents {
    RecordSteps* steps = nullptr;
    void OnGameEvent(const GameEvent& e) override { steps->OnGameEvent(e); }
};

class TestHost final : public RecordsHost {
public:
    TempDir dir;
    GameState state;
    GameSettings settings;
    std::string nameFile = dir / "set/zembrol.ini";
    std::vector<std::string> problems, logged;

    const GameState& RecordedGame() const override { return state; }
    const GameSettings& RecordedSettings() const override { return settings; }
    bool LoopRunning() const override { return true; }
    std::array<bool, 2> ListBoxes() const override { return {true, true}; }
    std::string SetFolder() const override { return dir / "set"; }
    std::string SharedFolder() const override { return dir.Path(); }
    std::string NameFile() const override { return nameFile; }
    void RecordsLog(const std::string& line, bool) override { logged.push_back(line); }
    void NoticeUnreadable(const std::string& path, const std::string&) override { problems.push_back(path); }
    void NoteRunProblem(const std::string& problem) override { problems.push_back(problem); }
    void ReportError(const std::string& message, const std::string&) override { problems.push_back(message); }
    bool OpenLink(const std::string&) override { return false; }
};

class NameEntry final : public ResultWindows {
public:
    RecordEntry ShowRecordEntry(const std::string&, bool) override { return RecordEntry{false, "Ann", false}; }
};

struct EndOfAGame {
    TestHost host;
    NameEntry windows;
    RecordSteps steps{host};
    Rng rng{1};
    RecordEvents events;
    Game game{host.state, host.settings, rng, events};

    EndOfAGame() {
        events.steps = &steps;
        host.dir.Write("set/zembrol.ini", "[MAIN]\nname=Bob\n");
        steps.SetWindows(&windows);
        f_Init(game);
        host.state.score.s_setval(5000);
    }
};

}  // namespace

TEST(RecordSteps, TheScoreGoesIntoTheTableUnderTheNameEntered) {
    EndOfAGame end;
    ASSERT_TRUE(EndOfGame(end.game, end.steps, true));
    EXPECT_EQ(end.steps.LastInsertPlace(), 1);
    EXPECT_EQ(end.host.dir.Read("set/DF_slow_zemb.txt").substr(0, 11), "Ann\r\n5000\r\n");
    EXPECT_NE(end.host.dir.Read("set/zembrol.ini").find("name=Ann"), std::string::npos);
    EXPECT_TRUE(end.host.problems.empty()) << end.host.problems.front();
}

TEST(RecordSteps, ANameThatCannotBeKeptIsAProblemOfTheRun) {
    EndOfAGame end;
    end.host.nameFile = end.host.dir / "no such folder/zembrol.ini";
    ASSERT_TRUE(EndOfGame(end.game, end.steps, true));
    EXPECT_EQ(end.host.dir.Read("set/DF_slow_zemb.txt").substr(0, 11), "Ann\r\n5000\r\n") << "the record is kept all the same";
    ASSERT_EQ(end.host.problems.size(), 1u);
    EXPECT_NE(end.host.problems[0].find("the player's name could not be kept"), std::string::npos);
}
