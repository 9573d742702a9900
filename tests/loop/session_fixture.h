// SessionFixture: a started game on a virtual clock with a fixed seed and recording events.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "game/f_init.h"
#include "game/figures.h"
#include "game/recording_events.h"
#include "loop/loop_clock.h"
#include "loop/session.h"

namespace zembrol::test {

class SessionFixture : public ::testing::Test {
protected:
    GameSettings cfg;
    Rng rng{1};
    RecordingEvents ev;
    VirtualClock clock;
    Session session{cfg, rng, ev, clock};
    GameState& s = session.state;

    void SetUp() override {
        f_Init(session.game);
        ev.Clear();
    }
    void Figure(std::string_view mask, int x = kSpawnCol, int y = 0) {
        SetQueueEntry(s.g_Figs[0], FigureChoice{std::string(mask), 0, false});
        s.g_FigX = x;
        s.g_FigY = y;
    }
    std::string Mask() const { return CellsToMask(s.g_Figs[0].Cells); }
};

inline constexpr std::string_view kBar = "0000111100000000";

}  // namespace zembrol::test
