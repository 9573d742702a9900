// Screenshot and frame-benchmark runs.
#include "app/frame_runs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/app.h"
#include "game/moves.h"
#include "loop/general_loop.h"
#include "render/view.h"

namespace zembrol {

namespace {
double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t k = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}

// CPU time of the whole process (every thread, the rasteriser's included), in ms:
// on a software renderer the wall time of a frame hides the threads that shade it.
double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void PrintTimes(const char* what, const std::vector<double>& t) {
    std::printf("%s: %zu frames, median %.2f ms, p90 %.2f ms, max %.2f ms\n", what, t.size(), Percentile(t, 0.5),
                Percentile(t, 0.9), t.empty() ? 0.0 : *std::max_element(t.begin(), t.end()));
}
}  // namespace

bool IsFrameRun(const CommandLine& options) { return !options.screenshot.empty() || options.benchFrames > 0; }

void RunFrames(App& app) {
    const CommandLine& options = app.Options();
    Session& s = app.GameSession();
    render::View& view = app.View();
    const bool scripted = !options.script.empty();
    bool ok = !scripted || app.RunScriptFile();
    const int frames = options.benchFrames > 0 ? options.benchFrames : options.frames;
    view.MeasureFrames(options.benchFrames > 0);
    std::vector<double> times;
    int maxCalls = 0;
    // The first frames compile the rasteriser's shaders: the CPU figure starts after them.
    const int warmUp = std::min(frames / 4, 30);
    double cpuAtStart = ProcessCpuMs();
    // One whole main-window frame, timed until its GL work is done.
    auto draw = [&](Session&) {
        const auto t0 = std::chrono::steady_clock::now();
        app.m_DrawFrame();
        view.Finish();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        maxCalls = std::max(maxCalls, view.DrawCalls());
    };
    for (int k = 0; ok && k < frames && s.loop.running; ++k) {
        if (app.PumpCloseRequested()) break;
        if (k + 1 == frames) app.CaptureNextView(options.screenshot);
        if (k == warmUp) cpuAtStart = ProcessCpuMs();
        // A scripted run shows the state the script left: frames are drawn and the
        // effects go on, the game does not tick. Otherwise passes run back to back.
        if (scripted) {
            CalcFantom(s.state);
            AdvanceFrame(s);
            draw(s);
        } else {
            LoopPass(s, draw);
        }
    }
    if (ok && !options.screenshot.empty() && !app.ViewCaptured()) app.SetExitCode(3);
    if (options.benchFrames > 0) {
        PrintTimes("main window frame", times);
        if (static_cast<int>(times.size()) > warmUp)
            std::printf("process CPU per frame: %.2f ms (all threads, passes included, after %d frames)\n",
                        (ProcessCpuMs() - cpuAtStart) / static_cast<double>(times.size() - static_cast<size_t>(warmUp)),
                        warmUp);
        PrintTimes("3D view (m_DrawAll)", view.MeasuredFrames());
        std::printf("draw calls of the 3D view per frame: %d at most\n", maxCalls);
        std::fflush(stdout);
    }
    if (s.loop.running) app.Form_QueryUnload();
}

}  // namespace zembrol
