// GameEvents: everything the rules make happen outside themselves — sounds, effects,
// labels of other subsystems, timers, records, the log. The app implements it; tests
// use a recording fake. Every method has an empty default, so a host overrides only
// what it has. Queries (…Busy, …Running) default to "no".
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zembrol {

class GameEvents {
public:
    virtual ~GameEvents() = default;

    // --- start-up and log -----------------------------------------------------------
    // The app's one-time initialisation: reads the configuration, builds resources.
    // Called by f_Init until it first succeeds; false makes f_Init fail.
    virtual bool InitGlobals() { return true; }
    // One start-up log record; kind 5 enter, 10 leave, 15 plain.
    virtual void Log(const std::string& message, int kind, bool ok) { (void)message, (void)kind, (void)ok; }

    // --- sound slots, by slot name ("mRht1", "mDown1", ...) ----------------------------
    virtual void PlaySound(const char* slot) { (void)slot; }
    // Positioned at a field column and row (the sound pans with the position).
    virtual void PlaySoundAt(const char* slot, double column, double row) { (void)slot, (void)column, (void)row; }
    // Positioned at the next-figure display of the current skin.
    virtual void PlaySoundAtNextFigure(const char* slot) { (void)slot; }
    virtual void MusicStart() {}
    // Once per game tick; the music applies it only while it loops (EnableLoop).
    virtual void MusicPanSweep() {}

    // --- effects drawn by the frame ------------------------------------------------------
    // Row removal of one landing: Start once, then Add per row, rows as indexed before removal.
    virtual void RowRemovalStart() {}
    virtual void RowRemovalAdd(int row) { (void)row; }
    virtual void RemovedFigureEffectStop() {}
    // A taken-back figure spins out of the field: its cells and its landing column and row.
    virtual void RemovedFigureEffectStart(const std::array<std::array<bool, 4>, 4>& cells, int column, int row) {
        (void)cells, (void)column, (void)row;
    }
    // Points flying up from a field position.
    virtual void FlyingDigits(int32_t value, double column, double row) { (void)value, (void)column, (void)row; }
    // The landing's time-bonus digits (they show g_TimeBonusNow).
    virtual void TimeBonusDigits(int32_t value, double column, double row) { (void)value, (void)column, (void)row; }
    // The Miracle digits at the meter position of the current skin.
    virtual void MiracleDigits(int32_t meter) { (void)meter; }
    // Restart the sliding level banner; the app applies it only when bWalkText is set.
    virtual void LevelBannerRestart() {}
    // Start the level-change camera flight; the app applies it only when b_AnimateChangeLevel is set.
    virtual void LevelFlightStart() {}
    virtual bool LevelFlightBusy() { return false; }
    // Refresh the block meshes after a level change.
    virtual void BlockMeshesRefresh() {}
    // Random camera start vectors and the default view, at a game start.
    virtual void ViewReset() {}

    // --- main window -------------------------------------------------------------------
    // Blink lblCountLines(n) with tmrMigCountLines (started at tick 0 unless it already runs).
    virtual void CountLinesBlink(int n) { (void)n; }
    // Show the three take-back indicator images.
    virtual void TakeBackIndicatorsShow() {}
    virtual void ColorIndicatorHide() {}
    // Write the game-type, speed and variant captions.
    virtual void GameCaptionsWrite() {}
    // Disable tmrBusy and tmrBusy2.
    virtual void BusyTimersStop() {}

    // --- demo player ---------------------------------------------------------------------
    // Fresh game: clear the demo-used flag, uncheck the demo box, stop tmrDemo.
    virtual void DemoStop() {}
    // Start tmrDemo when the demo box is checked.
    virtual void DemoResume() {}
    // tmrDemo runs: new figures spawn at column 9 instead of the mouse column.
    virtual bool DemoRunning() { return false; }
    // When the demo box is checked, let the demo player plan the new figure.
    virtual void DemoPlanFigure() {}
    // Game over: switch tmrDemo off (the demo box stays as it is).
    virtual void DemoTimerOff() {}

    // --- error reports ------------------------------------------------------------------
    // The error report box: "Function : " function, "Message : " message.
    virtual void ErrorReport(const std::string& function, const std::string& message) { (void)function, (void)message; }

    // --- records and statistics ------------------------------------------------------------
    virtual void RecordPlaceLabelsReset() {}
    virtual void RecordPlaceStringsClear() {}
    // Game start: load the record tables (and level 0's), refill the record display, reset
    // the per-level bookkeeping, update the record display, set the view check boxes.
    virtual void RecordsNewGame() {}
    // A level was finished inside a landing: record the statistics texts of levelLeft,
    // load the record table of the new level and refill the record display.
    virtual void LevelFinished(int levelLeft) { (void)levelLeft; }
    // Book the per-level statistics of level (at the first landing after a change, or at game over).
    virtual void BookLevelStat(int level, bool atGameOver) { (void)level, (void)atGameOver; }
    virtual void RecordDisplayUpdate(bool levelChanged) { (void)levelChanged; }
};

}  // namespace zembrol
