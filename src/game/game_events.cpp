// Names of the event kinds.
#include "game/game_events.h"

namespace zembrol {

const char* EventKindName(EventKind kind) {
    switch (kind) {
        case EventKind::Log: return "Log";
        case EventKind::ErrorReport: return "ErrorReport";
        case EventKind::GameStarting: return "GameStarting";
        case EventKind::PlaySound: return "PlaySound";
        case EventKind::PlaySoundAt: return "PlaySoundAt";
        case EventKind::PlaySoundAtNextFigure: return "PlaySoundAtNextFigure";
        case EventKind::MusicStart: return "MusicStart";
        case EventKind::MusicPanSweep: return "MusicPanSweep";
        case EventKind::RowRemovalStart: return "RowRemovalStart";
        case EventKind::RowRemovalAdd: return "RowRemovalAdd";
        case EventKind::RemovedFigureStop: return "RemovedFigureStop";
        case EventKind::RemovedFigureStart: return "RemovedFigureStart";
        case EventKind::LevelBannerRestart: return "LevelBannerRestart";
        case EventKind::LevelFlightStart: return "LevelFlightStart";
        case EventKind::ViewReset: return "ViewReset";
        case EventKind::FlyingDigits: return "FlyingDigits";
        case EventKind::TimeBonusDigits: return "TimeBonusDigits";
        case EventKind::MiracleDigits: return "MiracleDigits";
        case EventKind::BlockMeshesRefresh: return "BlockMeshesRefresh";
        case EventKind::CountLinesBlink: return "CountLinesBlink";
        case EventKind::DemoResume: return "DemoResume";
        case EventKind::DemoPlanFigure: return "DemoPlanFigure";
        case EventKind::RecordPlaceLabelsReset: return "RecordPlaceLabelsReset";
        case EventKind::RecordPlaceStringsClear: return "RecordPlaceStringsClear";
        case EventKind::RecordsNewGame: return "RecordsNewGame";
        case EventKind::LevelFinished: return "LevelFinished";
        case EventKind::BookLevelStat: return "BookLevelStat";
        case EventKind::RecordDisplayUpdate: return "RecordDisplayUpdate";
        case EventKind::Count: break;
    }
    return "?";
}

}  // namespace zembrol
