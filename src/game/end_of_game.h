// EndOfGame: the fixed sequence after a game over — result windows, record table,
// full statistics, level tables — then the next game. The records and the windows
// live outside the rules; EndOfGame reaches them through ResultSteps.
#pragma once

#include "game/game.h"

namespace zembrol {

// What the end of a game asks of the records and of the result windows. Every method
// has a harmless default: a host without records sees every score miss the table.
class ResultSteps {
public:
    virtual ~ResultSteps() = default;
    // Close every window but the main window.
    virtual void CloseOtherWindows() {}
    // The level statistics window (modal).
    virtual void ShowLevelStats() {}
    // g_GetRecordPlace: the place of the current score in the current record table,
    // or -1 when it would not enter; query = true leaves the table as it is.
    virtual int g_GetRecordPlace(bool query) { (void)query; return -1; }
    // The record entry window (modal).
    virtual void ShowRecordEntry() {}
    // The entry cancelled flag of the last record entry.
    virtual bool EntryCancelled() { return false; }
    // Fill the game's statistics record and its result text; false on failure.
    virtual bool g_MakeGameRecord() { return false; }
    // The player ticked "send the result" in the last record entry.
    virtual bool SendResultWanted() { return false; }
    // Open the result mail link (reports its own failure).
    virtual void SendResult() {}
    virtual void g_AddRecordToFullStat() {}
    // The full statistics window (modal).
    virtual void ShowFullStat() {}
    // Read the record table of the current type, speed and variant.
    virtual void g_LoadRecords() {}
    virtual void g_SaveRecords() {}
    virtual void g_UpdateLevelRecords() {}
};

// Runs the end of a game in its fixed order. loopRunning is the loop running flag.
// Returns true when the next game started; false when the loop is to end.
bool EndOfGame(Game& g, ResultSteps& results, bool loopRunning);

}  // namespace zembrol
