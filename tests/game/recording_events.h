// RecordingEvents: a GameEvents that writes every event as one line of text
// ("PlaySoundAt mDown1 11 2"), so tests can check which events ran and in what order.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "game/game_events.h"

namespace zembrol::test {

class RecordingEvents : public GameEvents {
public:
    std::vector<std::string> calls;
    std::vector<GameEvent> events;
    bool recordPanSweep = false;   // MusicPanSweep comes every tick; off keeps logs short

    void Clear() {
        calls.clear();
        events.clear();
    }
    // Calls whose text starts with prefix.
    std::vector<std::string> Matching(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }

    void OnGameEvent(const GameEvent& e) override {
        if (e.kind == EventKind::MusicPanSweep && !recordPanSweep) return;
        events.push_back(e);
        std::ostringstream o;
        o << EventKindName(e.kind);
        switch (e.kind) {
            case EventKind::Log: o << ' ' << e.text << ' ' << e.value << ' ' << e.flag; break;
            case EventKind::ErrorReport: o << ' ' << e.text << ' ' << e.text2; break;
            case EventKind::PlaySound:
            case EventKind::PlaySoundAtNextFigure: o << ' ' << SoundSlotName(e.slot); break;
            case EventKind::PlaySoundAt: o << ' ' << SoundSlotName(e.slot) << ' ' << e.column << ' ' << e.row; break;
            case EventKind::RemovedFigureStart: o << ' ' << e.column << ' ' << e.row; break;
            case EventKind::FlyingDigits:
            case EventKind::TimeBonusDigits: o << ' ' << e.value << ' ' << e.column << ' ' << e.row; break;
            case EventKind::RowRemovalAdd:
            case EventKind::MiracleDigits:
            case EventKind::CountLinesBlink:
            case EventKind::LevelFinished: o << ' ' << e.value; break;
            case EventKind::BookLevelStat: o << ' ' << e.value << ' ' << e.flag; break;
            case EventKind::RecordDisplayUpdate: o << ' ' << e.flag; break;
            default: break;
        }
        calls.push_back(o.str());
    }
};

}  // namespace zembrol::test
