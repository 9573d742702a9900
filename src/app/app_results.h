// The application's records and result windows: serves the end of a game (ResultSteps)
// and the record events of the rules (game start, level change, landing) with one
// RecordBook over the application folder's data/set.
//
// The three end-of-game windows (level statistics, record entry, full statistics) are
// reached through ResultWindows: the real windows (result_windows.h), or in the
// simulation the rules' own answers (the record goes under "Computer").
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/end_of_game.h"
#include "game/game_events.h"
#include "stats/record_book.h"
#include "stats/record_display.h"

namespace zembrol {

class App;

// What the record entry window answers.
struct RecordEntry {
    bool cancelled = true;
    std::string name;      // the name as typed (surrounding spaces kept)
    bool send = false;     // "send the result" ticked
};

class ResultWindows {
public:
    virtual ~ResultWindows() = default;
    // frmLevelStats: g_LevelStat up to the level reached.
    virtual void ShowLevelStats(const std::array<int32_t, 2 * (kMaxLevel + 1)>& stat, int levelReached) {
        (void)stat, (void)levelReached;
    }
    // frmEnterName: offered is the stored name; after a demo game the name is fixed to
    // "Computer" and the result cannot be sent.
    virtual RecordEntry ShowRecordEntry(const std::string& offered, bool demoPlayed) = 0;
    // frmFullStat: the table as the addition left it; marked is the game just ended
    // (1-based place in the rows, 0 when it did not enter).
    virtual void ShowFullStat(const std::vector<StatRec>& rows, int marked) { (void)rows, (void)marked; }
};

inline constexpr const char* kComputerName = "Computer";

// The record entry's question for an empty name: Yes, No and Cancel with Cancel as the
// default button. True when the player takes the empty name (Yes); No and Cancel send
// the player back to the name field.
bool AcceptEmptyName(const std::string& question);

class AppResults final : public ResultSteps {
public:
    explicit AppResults(App& app) : app_(app) {}

    // The windows the end of a game shows; none: every window takes its default answer.
    void SetWindows(ResultWindows* windows) { windows_ = windows; }
    RecordBook& Book();
    RecordKey CurrentKey() const;
    // The place the score took in the record table at the last game end; -1 when it did not enter.
    int LastInsertPlace() const { return lastInsertPlace_; }
    // Called when a game has ended, before any result step: the game as it ended.
    std::function<void(const GameState&)> onGameOver;

    // Between passes and before a game starts: the tables the next rules call may load
    // are read now, so the record events answer from memory.
    void BeforePass();
    // The record events of the rules; false for an event that is not the records'.
    bool OnGameEvent(const GameEvent& e);
    void NewGame();
    void LevelFinished(int levelLeft);
    void BookLevelStat(int level, bool atGameOver);
    // The record display (lblLevelPlace, the lists' selection); levelChanged: the
    // level table is new since the last update.
    void UpdatePlace(bool levelChanged);
    const RecordDisplay& Display() const { return display_; }
    // f_Init resets the heights of the two place labels (the label sweeps).
    std::function<void()> onPlaceLabelsReset;

    // ResultSteps
    void CloseOtherWindows() override;
    void ShowLevelStats() override;
    int g_GetRecordPlace(bool query) override;
    void ShowRecordEntry() override;
    bool EntryCancelled() override { return cancelled_; }
    bool g_MakeGameRecord() override;
    bool SendResultWanted() override { return send_; }
    void SendResult() override;
    void g_AddRecordToFullStat() override;
    void ShowFullStat() override;
    void g_LoadRecords() override;
    void g_SaveRecords() override;
    void g_UpdateLevelRecords() override;

private:
    bool SeriesOn() const;
    // Reads the tables of the current settings when the ones in memory belong to others.
    void FollowSettings();
    std::string StoredName() const;

    App& app_;
    std::unique_ptr<RecordBook> book_;
    ResultWindows* windows_ = nullptr;
    std::string g_PlayerName;
    bool nameRead_ = false;
    bool cancelled_ = false;   // the entry cancelled flag; a series keeps the last one
    bool send_ = false;
    StatRec g_GameRec;
    std::string g_ResultText;
    int lastInsertPlace_ = -1;
    RecordDisplay display_;
    bool prefetched_ = false;
    RecordKey prefetchedKey_;   // speed and variant of the last Prefetch
};

}  // namespace zembrol
