// EndOfGame: the fixed sequence after a game over — result windows, record table,
// full statistics, level tables — then the next game. The records and the windows
// live outside the rules; EndOfGame reaches them through ResultSteps.
#pragma once

#include <functional>

#include "game/game.h"

namespace zembrol {

// What the end of a game asks of the records and of the result windows. Every step
// must be answered: a host that keeps no records says so with NullResultSteps.
class ResultSteps {
public:
    virtual ~ResultSteps() = default;
    // Close every window but the main window.
    virtual void CloseOtherWindows() = 0;
    // The level statistics window (modal).
    virtual void ShowLevelStats() = 0;
    // g_GetRecordPlace: the place of the current score in the current record table,
    // or -1 when it would not enter; query = true leaves the table as it is.
    virtual int g_GetRecordPlace(bool query) = 0;
    // The record entry window (modal).
    virtual void ShowRecordEntry() = 0;
    // The entry cancelled flag of the last record entry.
    virtual bool EntryCancelled() = 0;
    // Fill the game's statistics record and its result text; false on failure.
    virtual bool g_MakeGameRecord() = 0;
    // The player ticked "send the result" in the last record entry.
    virtual bool SendResultWanted() = 0;
    // Open the result mail link (reports its own failure).
    virtual void SendResult() = 0;
    virtual void g_AddRecordToFullStat() = 0;
    // The full statistics window (modal).
    virtual void ShowFullStat() = 0;
    // Read the record table of the current type, speed and variant.
    virtual void g_LoadRecords() = 0;
    virtual void g_SaveRecords() = 0;
    virtual void g_UpdateLevelRecords() = 0;
};

// No records and no result windows: every score misses the table and no window
// shows. Each game's end is logged through `log` (when given), so a run that keeps
// no records says so.
class NullResultSteps : public ResultSteps {
public:
    explicit NullResultSteps(std::function<void(const char*)> log = {}) : log_(std::move(log)) {}
    void CloseOtherWindows() override {
        if (log_) log_("EndOfGame - no records are kept in this run: the result is not entered");
    }
    void ShowLevelStats() override {}
    int g_GetRecordPlace(bool) override { return -1; }
    void ShowRecordEntry() override {}
    bool EntryCancelled() override { return false; }
    bool g_MakeGameRecord() override { return false; }
    bool SendResultWanted() override { return false; }
    void SendResult() override {}
    void g_AddRecordToFullStat() override {}
    void ShowFullStat() override {}
    void g_LoadRecords() override {}
    void g_SaveRecords() override {}
    void g_UpdateLevelRecords() override {}

private:
    std::function<void(const char*)> log_;
};

// Runs the end of a game in its fixed order. loopRunning is the loop running flag.
// Returns true when the next game started; false when the loop is to end.
bool EndOfGame(Game& g, ResultSteps& results, bool loopRunning);

}  // namespace zembrol
