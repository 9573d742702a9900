// EventRouter: the one path from the rules to the subsystems. Every event kind has
// exactly one owner (OwnerOf, a switch over every kind: a new kind without an owner
// is a build error), and each owner handles its kinds in one place:
//
//   Log         the start-up log and the error report      App::OnFrameEvent
//   Sound       slots, music start, pan sweep               SoundEvents (src/sound)
//   Effects     row removal, taken-back figure, banner,     Effects (src/effects)
//               level flight, view reset
//   View        flying numbers, block meshes                render::ViewEvents (src/render)
//   MainWindow  the row counter's blink                     App::OnMainWindowEvent
//   Demo        demo box and timer                          DemoOnGameEvent (src/loop)
//   Records     record tables and the record display        RecordSteps::OnGameEvent (src/stats)
//   Journal     a game starts: the replay recorder          GameRecorder (src/loop)
//
// An owner answers false for a kind it does not handle; the router reports such a
// gap through its `unhandled` callback (the application logs it), and the tests
// send every kind through the application's router to prove there is none.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/game_events.h"

namespace zembrol {

enum class EventOwner : uint8_t { Log, Sound, Effects, View, MainWindow, Demo, Records, Journal, Count };

EventOwner OwnerOf(EventKind kind);
const char* EventOwnerName(EventOwner owner);

class EventRouter final : public GameEvents {
public:
    using Handler = std::function<bool(const GameEvent&)>;

    void SetOwner(EventOwner owner, Handler handler) { owners_[static_cast<size_t>(owner)] = std::move(handler); }
    // Called with an event its owner did not take (or that has no owner set).
    std::function<void(const GameEvent&)> unhandled;
    // Sees every event before its owner does (a test's or a diagnostic's tap); it must
    // not change the game.
    std::function<void(const GameEvent&)> watch;

    void OnGameEvent(const GameEvent& e) override { Dispatch(e); }
    // True when the event's owner took it.
    bool Dispatch(const GameEvent& e);

private:
    std::array<Handler, static_cast<size_t>(EventOwner::Count)> owners_;
};

}  // namespace zembrol
