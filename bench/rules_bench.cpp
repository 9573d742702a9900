// Speed of the game rules and the headless loop: one tick, a four-row landing, a game
// start, and a headless script of 100,000 passes. Run with
// --benchmark_repetitions=10 --benchmark_report_aggregates_only=true for medians.
#include <benchmark/benchmark.h>

#include <sstream>

#include "game/f_init.h"
#include "game/figures.h"
#include "game/landing.h"
#include "game/tick.h"
#include "loop/general_loop.h"
#include "loop/script_runner.h"
#include "rules_fixture.h"

using namespace zembrol;

namespace {

using bench::Rules;

void BM_TickWithoutLanding(benchmark::State& state) {
    Rules r;
    for (auto _ : state) {
        // Lift the figure back before it could land, so every tick is a plain one.
        if (r.s.g_FigY > 20) r.s.g_FigY = 0;
        benchmark::DoNotOptimize(GameTick(r.g));
    }
}
BENCHMARK(BM_TickWithoutLanding);

void BM_LandingFourRows(benchmark::State& state) {
    Rules r;
    for (auto _ : state) {
        state.PauseTiming();
        for (auto& col : r.s.g_Pole) col.fill(false);
        for (int row = 27; row <= 30; ++row)
            for (int c = kFirstCol; c < kFirstCol + kPlayWidth - 1; ++c) r.s.g_Pole[c][row] = true;
        SetQueueEntry(r.s.g_Figs[0], FigureChoice{"0000111100000000", 0, false});
        r.s.g_FigX = 17;
        r.s.g_FigY = 27;
        state.ResumeTiming();
        benchmark::DoNotOptimize(Landing(r.g));
    }
}
BENCHMARK(BM_LandingFourRows);

void BM_FInit(benchmark::State& state) {
    Rules r;
    for (auto _ : state) {
        f_Init(r.g);
        benchmark::DoNotOptimize(r.s);
    }
}
BENCHMARK(BM_FInit);

void BM_HeadlessScript100kPasses(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        GameSettings cfg;
        Rng rng(1);
        bench::IgnoredEvents ev;
        VirtualClock clock;
        Session session(cfg, rng, ev, clock);
        f_Init(session.game);
        ScriptHost host;
        std::istringstream script("tick 100000\n");
        std::ostringstream out, err;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RunScript(session, script, out, err, host));
    }
}
BENCHMARK(BM_HeadlessScript100kPasses)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
