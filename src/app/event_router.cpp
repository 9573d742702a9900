// Which subsystem owns each event kind, and the dispatch to it.
#include "app/event_router.h"

namespace zembrol {

EventOwner OwnerOf(EventKind kind) {
    switch (kind) {
        case EventKind::Log:
        case EventKind::ErrorReport: return EventOwner::Log;
        case EventKind::GameStarting: return EventOwner::Journal;
        case EventKind::PlaySound:
        case EventKind::PlaySoundAt:
        case EventKind::PlaySoundAtNextFigure:
        case EventKind::MusicStart:
        case EventKind::MusicPanSweep: return EventOwner::Sound;
        case EventKind::RowRemovalStart:
        case EventKind::RowRemovalAdd:
        case EventKind::RemovedFigureStop:
        case EventKind::RemovedFigureStart:
        case EventKind::LevelBannerRestart:
        case EventKind::LevelFlightStart:
        case EventKind::ViewReset: return EventOwner::Effects;
        case EventKind::FlyingDigits:
        case EventKind::TimeBonusDigits:
        case EventKind::MiracleDigits:
        case EventKind::BlockMeshesRefresh: return EventOwner::View;
        case EventKind::CountLinesBlink: return EventOwner::MainWindow;
        case EventKind::DemoResume:
        case EventKind::DemoPlanFigure: return EventOwner::Demo;
        case EventKind::RecordPlaceLabelsReset:
        case EventKind::RecordPlaceStringsClear:
        case EventKind::RecordsNewGame:
        case EventKind::LevelFinished:
        case EventKind::BookLevelStat:
        case EventKind::RecordDisplayUpdate: return EventOwner::Records;
        case EventKind::Count: break;
    }
    return EventOwner::Count;
}

const char* EventOwnerName(EventOwner owner) {
    static constexpr const char* kNames[] = {"Log", "Sound", "Effects", "View", "MainWindow", "Demo", "Records", "Journal"};
    const auto k = static_cast<size_t>(owner);
    return k < std::size(kNames) ? kNames[k] : "none";
}

bool EventRouter::Dispatch(const GameEvent& e) {
    if (watch) watch(e);
    const auto owner = static_cast<size_t>(OwnerOf(e.kind));
    const bool taken = owner < owners_.size() && owners_[owner] && owners_[owner](e);
    if (!taken && unhandled) unhandled(e);
    return taken;
}

}  // namespace zembrol
