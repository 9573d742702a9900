// The application's side of the renderer: creating it on the main window's GL
// context, feeding it the configuration, drawing the 3D view of a pass, and the
// screenshot and frame-benchmark runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/app.h"
#include "game/moves.h"
#include "loop/general_loop.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/memory.h"
#include "render/renderer.h"

namespace zembrol {

App::~App() = default;

bool App::InitRenderer() {
    platform::KeepFrameMemory();
    const platform::GlInfo gl = mainWindow_.Info();
    auto log = [this](const std::string& message, int kind, bool ok) { log_.f_Log(message, kind, ok); };
    const uint64_t seed = options_.hasSeed ? options_.seed ^ 0x9E3779B97F4A7C15ull
                                           : static_cast<uint64_t>(platform::timeGetTime()) * 2654435761u;
    renderer_ = std::make_unique<render::Renderer>(log, paths_.Data("textures"), seed, options_.hasSeed);
    if (!renderer_->d_InitD3D({gl.vendor, gl.renderer, gl.version, gl.maxTextureSize})) {
        renderer_.reset();
        return false;
    }
    view_.Attach(renderer_.get(), &session_->state);
    return true;
}

bool App::InitRenderGlobals() {
    if (!renderer_) return true;   // headless: nothing is drawn
    return renderer_->InitGlobals(settings_);
}

void App::DrawScene() {
    if (!renderer_) return;
    int w = 0, h = 0;
    mainWindow_.DrawableSize(&w, &h);
    renderer_->m_DrawAll(session_->state, settings_, w, h);
    if (!viewCapture_.empty()) {
        // The view as drawn, before the window's controls and the swap.
        platform::RgbaImage image;
        std::string error = "the view cannot be read";
        viewCaptured_ = renderer_->ReadView(&image) && platform::SaveImageRgba(viewCapture_, image, &error);
        if (!viewCaptured_) std::cerr << "zembrol: cannot write the screenshot " << viewCapture_ << ": " << error << "\n";
        viewCapture_.clear();
    }
}

render::Renderer* App::GetRenderer() { return renderer_.get(); }

namespace {
double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t k = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}
}  // namespace

bool App::FrameRun() const { return !options_.screenshot.empty() || options_.benchFrames > 0; }

void App::RunFrames() {
    Session& s = *session_;
    const bool scripted = !options_.script.empty();
    if (scripted) {
        std::ifstream script(options_.script);
        if (!script) {
            std::cerr << "zembrol: cannot read the script " << options_.script << "\n";
            exitCode_ = 2;
        } else if (RunScript(s, script, std::cout, std::cerr, commands_) == kScriptError) {
            exitCode_ = 2;
        }
    }
    const int frames = options_.benchFrames > 0 ? options_.benchFrames : options_.frames;
    if (renderer_) renderer_->MeasureFrames(options_.benchFrames > 0);
    std::vector<double> times;
    int maxCalls = 0;
    for (int k = 0; k < frames && s.loop.running && exitCode_ == 0; ++k) {
        if (platform::PumpEvents(mainWindow_.Id()).closeRequested) break;
        if (k + 1 == frames) viewCapture_ = options_.screenshot;
        // One whole main-window frame: camera, 3D view, controls, swap.
        auto draw = [&](Session&) {
            const auto t0 = std::chrono::steady_clock::now();
            m_DrawFrame();
            if (renderer_) renderer_->Finish();
            times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            if (renderer_) maxCalls = std::max(maxCalls, renderer_->DrawCalls());
        };
        // A scripted run shows the state the script left: frames are drawn, the game
        // does not tick. Otherwise the game plays its passes back to back.
        if (scripted) {
            CalcFantom(s.state);
            effects_.AdvanceFrame(s.state);
            draw(s);
        } else {
            LoopPass(s, draw);
        }
    }
    if (!options_.screenshot.empty() && !viewCaptured_ && exitCode_ == 0) exitCode_ = 3;
    if (options_.benchFrames > 0) {
        auto line = [](const char* what, const std::vector<double>& t) {
            std::printf("%s: %zu frames, median %.2f ms, p90 %.2f ms, max %.2f ms\n", what, t.size(), Percentile(t, 0.5),
                        Percentile(t, 0.9), t.empty() ? 0.0 : *std::max_element(t.begin(), t.end()));
        };
        line("main window frame", times);
        if (renderer_) line("3D view (m_DrawAll)", renderer_->MeasuredFrames());
        std::printf("draw calls of the 3D view per frame: %d at most\n", maxCalls);
        std::fflush(stdout);
    }
    if (s.loop.running) Form_QueryUnload();
}

void App::Targets::TexturePathLoaded(int /*index*/) {
    // The skin set loads as one (m_LoadSkinTextures) when the graphics section ends.
}

void App::Targets::GraphicsLoaded() {
    if (app_.renderer_) app_.renderer_->GraphicsLoaded(app_.settings_);
}

void App::Targets::WorldSpeedChanged() {
    if (app_.renderer_) app_.renderer_->cs_SetWorldSpeed(app_.settings_.m_WorldSpeed);
}

void App::Targets::ResetLabelSweeps() {
    if (app_.renderer_) app_.renderer_->ResetLabelSweeps(app_.settings_.game.g_Speed);
}

}  // namespace zembrol
