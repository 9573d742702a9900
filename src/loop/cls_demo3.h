// clsDemo3: the computer player. Once per figure it tries every rotation of the figure
// and of its complement in every column on a copy of the field, scores each landing,
// and keeps the best; dem_GotoMove then names one command per demo-timer tick until
// the figure stands there.
//
// The field copy is kept as one bit column per field column (bit r = row r), so a
// whole plan (at most 8 x 23 candidates) stays far inside one tick of the fastest speed.
#pragma once

#include <array>
#include <cstdint>

#include "game/game.h"

namespace zembrol {

// Commands one plan may name before the figure is dropped where it stands: far more
// than any reachable placement takes (an inversion, four turns and fourteen moves, with
// the turns the walls undo repeated between moves), so only a figure that cannot
// follow its plan (a path that a field cell blocks, a figure resting on the floor that
// each turn lifts) meets it — and such a figure would otherwise never land.
inline constexpr int kDemoPlanCommands = 200;

// dem_GotoMove's command codes.
namespace demo_cmd {
inline constexpr int16_t Wait = 0;        // withheld by the throttle: no command
inline constexpr int16_t Drop = -1;       // in place
inline constexpr int16_t Rotate = 1;
inline constexpr int16_t Left = 2;
inline constexpr int16_t Right = 3;
inline constexpr int16_t Invert = 4;
inline constexpr int16_t TakeBack = 5;
}  // namespace demo_cmd

class clsDemo3 {
public:
    using Columns = std::array<uint64_t, kPoleCols>;

    // Plans the current figure: its four turns and their complements, then dem_Main.
    void dem_Init(Game& g);
    // The command for this tick of the demo timer.
    int16_t dem_GotoMove(const GameState& s);
    void dem1_SetSpeed(int16_t speed) { speed_ = speed; }

    // The search over every rotation and column; part of dem_Init.
    void dem_Main(Game& g);

    // Scoring helpers over a bit-column field, exposed for tests.
    static Columns FieldColumns(const GameState& s);
    static int Holes(const Columns& f);
    static int Wells(const Columns& f);
    static int FullRows(const Columns& f);

    // The plan, for the dump and the tests.
    int16_t TargetRotation() const { return targetRotation_; }
    int16_t TargetColumn() const { return targetColumn_; }
    int16_t TargetHoles() const { return targetHoles_; }
    bool InvertWanted() const { return invertWanted_; }
    bool InvertDone() const { return invertDone_; }
    bool TakeBackNow() const { return takeBackNow_; }
    bool TakeBackWanted() const { return takeBackWanted_; }
    int16_t Speed() const { return speed_; }
    const CellBox& Rotation(int r) const { return rotations_[static_cast<size_t>(r)]; }

private:
    bool dem_CheckFigPos(int r, int column) const;
    // Drops rotation r from row 0 in column on f and places it; returns the landing row.
    int dem_MoveDownFig(int r, int column, Columns& f) const;
    bool VerticalBar(int r) const;

    std::array<CellBox, 8> rotations_{};
    std::array<std::array<uint8_t, 4>, 8> bits_{};   // [rotation][box column]: bit j = row offset j
    std::array<int8_t, 8> lowest_{};                 // lowest row offset with a cell, -1 for none
    int16_t targetRotation_ = 0, targetColumn_ = 0, targetHoles_ = 1000;
    bool invertWanted_ = false, invertDone_ = false;
    bool takeBackNow_ = false, takeBackWanted_ = false;
    int16_t speed_ = 0;
    int16_t tickCounter_ = 0, rotateAttempts_ = 0;
    int commandsForPlan_ = 0;   // commands named since the plan was made
};

}  // namespace zembrol
