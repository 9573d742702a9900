// Speed of the demo player: one plan (dem_Main) on an empty and on a half-filled field,
// and the simulation's pass rate — the rules and the demo on the virtual clock, without
// record files. Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include "game/f_init.h"
#include "game/figures.h"
#include "loop/demo_control.h"
#include "loop/general_loop.h"
#include "rules_fixture.h"

using namespace zembrol;

namespace {

struct Demo : bench::Rules {
    clsDemo3 demo;
    Demo() { SetQueueEntry(s.g_Figs[0], FigureChoice{kFigureMasks[1], 0, false}); }
};

void BM_DemMainEmptyField(benchmark::State& state) {
    Demo d;
    for (auto _ : state) d.demo.dem_Init(d.g);
}
BENCHMARK(BM_DemMainEmptyField)->Unit(benchmark::kMicrosecond);

void BM_DemMainHalfFilledField(benchmark::State& state) {
    Demo d;
    // Rows 15..30 filled with a ragged surface and a hole in every row.
    for (int r = 15; r <= 30; ++r)
        for (int c = kFirstCol; c < kFirstCol + kPlayWidth; ++c) d.s.g_Pole[c][r] = (c * 7 + r * 3) % 11 != 0;
    for (auto _ : state) d.demo.dem_Init(d.g);
}
BENCHMARK(BM_DemMainHalfFilledField)->Unit(benchmark::kMicrosecond);

// Games played by the demo at speed "Fast" (the demo timer ticks twice a pass).
void BM_SimulationPasses(benchmark::State& state) {
    GameSettings cfg;
    cfg.g_Speed = 2;
    cfg.g_TickMs = 10;
    Rng rng(1);
    WithDemoEvents<bench::IgnoredEvents> ev;
    VirtualClock clock;
    Session session(cfg, rng, ev, clock);
    ev.demoSession = &session;
    f_Init(session.game);
    int64_t passes = 0;
    for (auto _ : state) {
        if (!session.state.chkDemo) chkDemo_Click(session, true);
        benchmark::DoNotOptimize(HeadlessPass(session));
        ++passes;
    }
    state.SetItemsProcessed(passes);
    state.counters["games"] = session.loop.gamesOver;
}
BENCHMARK(BM_SimulationPasses);

}  // namespace
