// The application's side of the renderer: creating it on the main window's GL
// context, feeding it the configuration and drawing the 3D view of a pass.
#include <iostream>

#include "app/app.h"
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
    renderer_ = std::make_unique<render::Renderer>(log, paths_.Shipped("textures"), seed, options_.hasSeed);
    if (!renderer_->d_InitD3D({gl.vendor, gl.renderer, gl.version, gl.maxTextureSize})) {
        renderer_.reset();
        return false;
    }
    view_.Attach(renderer_.get(), &session_->state);
    renderer_->AttachEffects(&effects_);
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
    // A place that changed since the last frame starts its label's sweep.
    const RecordDisplay& display = results_.Display();
    renderer_->SetLabelPlaces(display.levelPlace, display.place);
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

void App::Targets::TexturePathLoaded(int /*index*/) {
    // The skin set loads as one (m_LoadSkinTextures) when the graphics section ends.
}

void App::Targets::GraphicsLoaded() {
    app_.effects_.GraphicsLoaded();
    if (app_.renderer_) app_.renderer_->GraphicsLoaded(app_.settings_);
}

void App::Targets::WorldSpeedChanged() {
    if (app_.renderer_) app_.renderer_->cs_SetWorldSpeed(app_.settings_.m_WorldSpeed);
}

void App::Targets::ResetLabelSweeps() {
    if (app_.renderer_) app_.renderer_->ResetLabelSweeps(app_.settings_.game.g_Speed);
}

}  // namespace zembrol
