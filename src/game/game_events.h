// GameEvent: everything the rules make happen outside themselves — sounds, effects,
// flying numbers, the main window's blink, the demo player, the records, the log —
// as one value per consequence. The rules raise events and ask nothing back: what
// they need to know from outside (is the demo timer on, does a level flight play)
// is plain state in GameState that its owner keeps current.
//
// Who consumes them: the application routes each kind to the one subsystem that
// owns it (OwnerOf in app/event_router.h); tests record them. A kind added here
// without an owner does not compile.
#pragma once

#include <array>
#include <cstdint>

#include "game/sound_slots.h"

namespace zembrol {

enum class EventKind : uint8_t {
    // --- start-up log and error reports ---------------------------------------------
    Log,                    // text: message, value: record kind (5 enter, 10 leave, 15 plain), flag: ok
    ErrorReport,            // text: function, text2: message

    // --- the game journal -------------------------------------------------------------
    GameStarting,           // f_Init begins a start (fresh or the next game of a series), before any draw

    // --- sound slots and the background music -----------------------------------------
    PlaySound,              // slot, not positioned
    PlaySoundAt,            // slot at field (column, row): the sound pans with the position
    PlaySoundAtNextFigure,  // slot at the next-figure display of the current skin
    MusicStart,             // a game starts: the background music starts
    MusicPanSweep,          // once per game tick; applied only while the music loops

    // --- effects of the scene -------------------------------------------------------------
    RowRemovalStart,        // one landing removes rows: RowRemovalAdd follows per row
    RowRemovalAdd,          // value: the row's index before the landing removed anything
    RemovedFigureStop,      // a game starts: the taken-back figure's effect stops
    RemovedFigureStart,     // cells of the taken-back figure, at its landing (column, row)
    LevelBannerRestart,     // the sliding level banner starts again (when bWalkText)
    LevelFlightStart,       // the level-change camera flight: the game waits (cl_Busy) until the host ends it
    ViewReset,              // a game starts: random camera start vectors, the default view

    // --- flying numbers and meshes of the 3D view -------------------------------------------
    FlyingDigits,           // value: an amount (price, Inversia, colour bonus) from (column, row)
    TimeBonusDigits,        // value: the landing's time bonus, from (column, row)
    MiracleDigits,          // value: the Miracle meter
    BlockMeshesRefresh,     // the level changed: the block meshes follow it

    // --- main window ----------------------------------------------------------------------
    CountLinesBlink,        // value: n = 1..4, the row counter of this removal blinks

    // --- demo player ----------------------------------------------------------------------
    DemoResume,             // game start: the rules have run the timer again (tmrDemo) when the box is down
    DemoPlanFigure,         // a new figure: the demo player plans it when the box is down

    // --- records and the record display -----------------------------------------------------
    RecordPlaceLabelsReset, // the two record-place labels go back to their start height
    RecordPlaceStringsClear,// the two record-place strings are cleared
    RecordsNewGame,         // load the record tables and level 0's, refill the display, reset level stats
    LevelFinished,          // value: the level left; load the next level's table
    BookLevelStat,          // value: level, flag: at game over
    RecordDisplayUpdate,    // flag: the level changed

    Count
};

inline constexpr int kEventKinds = static_cast<int>(EventKind::Count);

struct GameEvent {
    EventKind kind = EventKind::Log;
    SoundSlot slot = SoundSlot::mDown1;
    double column = 0, row = 0;
    int32_t value = 0;
    bool flag = false;
    const char* text = "";
    const char* text2 = "";
    std::array<std::array<bool, 4>, 4> cells{};
};

// The kind's name as written above ("PlaySoundAt"), for logs and tests.
const char* EventKindName(EventKind kind);

// Where the events go. The application's router and the tests' recorder implement it.
class GameEvents {
public:
    virtual ~GameEvents() = default;
    virtual void OnGameEvent(const GameEvent& event) = 0;
};

}  // namespace zembrol
