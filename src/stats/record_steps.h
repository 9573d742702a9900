// RecordSteps: the records' side of a game — the end of a game's steps (ResultSteps)
// and the record events of the rules (game start, level change, landing) — over one
// RecordBook of the application folder's data/set.
//
// What it needs of the program around it comes through RecordsHost; the three
// end-of-game windows (level statistics, record entry, full statistics) through
// ResultWindows: the real windows, or in the simulation the rules' own answers (the
// record goes under "Computer").
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
#include "stats/result_windows.h"

namespace zembrol {

// What the record steps need of the program around them.
class RecordsHost {
public:
    virtual ~RecordsHost() = default;
    // The game the results are of, its rules' settings, and the loop running flag.
    virtual const GameState& RecordedGame() const = 0;
    virtual const GameSettings& RecordedSettings() const = 0;
    virtual bool LoopRunning() const = 0;
    // The record lists' boxes (bLstBox): which lists the record display keeps current.
    virtual std::array<bool, 2> ListBoxes() const = 0;
    // data/set; the folder of addr.txt; the configuration file that keeps the player's name.
    virtual std::string SetFolder() const = 0;
    virtual std::string SharedFolder() const = 0;
    virtual std::string NameFile() const = 0;
    // A start-up log line; a file found unreadable (told to the player once); a problem
    // an unattended run reports at its end; the error report box.
    virtual void RecordsLog(const std::string& line, bool ok) = 0;
    virtual void NoticeUnreadable(const std::string& path, const std::string& why) = 0;
    virtual void NoteRunProblem(const std::string& problem) = 0;
    virtual void ReportError(const std::string& message, const std::string& where) = 0;
    // Opens a link with the desktop's program for it; false when none took it.
    virtual bool OpenLink(const std::string& link) = 0;
};

class RecordSteps final : public ResultSteps {
public:
    explicit RecordSteps(RecordsHost& host) : host_(host) {}

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

    RecordsHost& host_;
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
