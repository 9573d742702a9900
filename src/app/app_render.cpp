// The application's side of the renderer: creating it on the main window's GL
// context, feeding it the configuration and drawing the 3D view of a pass.
#include <iostream>

#include "app/app.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "render/renderer.h"

namespace zembrol {

App::~App() = default;

render::RenderReports App::ViewReports() {
    return {[this](const std::string& message, int kind, bool ok) { log_.f_Log(message, kind, ok); },
            [](const std::string& caption, const std::string& text) {
                platform::ShowMessageBox({caption, text, platform::BoxIcon::Exclamation, platform::BoxButtons::Ok,
                                          platform::BoxAnswer::Ok});
            }};
}

void App::UseView(std::unique_ptr<render::View> view) {
    view_ = std::move(view);
    viewEvents_.Attach(*view_, session_->state);
}

bool App::InitRenderer() {
    platform::KeepFrameMemory();
    const platform::GlInfo gl = mainWindow_.Info();
    const uint64_t seed = options_.hasSeed ? options_.seed ^ 0x9E3779B97F4A7C15ull
                                           : static_cast<uint64_t>(platform::timeGetTime()) * 2654435761u;
    auto renderer = std::make_unique<render::Renderer>(ViewReports(), paths_.Shipped("textures"), seed, options_.hasSeed);
    if (!renderer->d_InitD3D({gl.vendor, gl.renderer, gl.version, gl.maxTextureSize})) return false;
    renderer->AttachEffects(&effects_);
    UseView(std::move(renderer));
    return true;
}

bool App::InitRenderGlobals() { return view_->InitGlobals(settings_); }

void App::DrawScene() {
    int w = 0, h = 0;
    mainWindow_.DrawableSize(&w, &h);
    // A place that changed since the last frame starts its label's sweep.
    const RecordDisplay& display = results_.Display();
    view_->SetLabelPlaces(display.levelPlace, display.place);
    view_->m_DrawAll(session_->state, settings_, w, h);
    if (!viewCapture_.empty()) {
        // The view as drawn, before the window's controls and the swap.
        platform::RgbaImage image;
        std::string error = "the view cannot be read";
        viewCaptured_ = view_->ReadView(&image) && platform::SaveImageRgba(viewCapture_, image, &error);
        if (!viewCaptured_) std::cerr << "zembrol: cannot write the screenshot " << viewCapture_ << ": " << error << "\n";
        viewCapture_.clear();
    }
}

void App::Targets::TexturePathLoaded(int /*index*/) {
    // The skin set loads as one (m_LoadSkinTextures) when the graphics section ends.
}

void App::Targets::GraphicsLoaded() {
    app_.effects_.GraphicsLoaded();
    app_.view_->GraphicsLoaded(app_.settings_);
}

void App::Targets::WorldSpeedChanged() {
    app_.view_->cs_SetWorldSpeed(app_.settings_.m_WorldSpeed);
}

void App::Targets::ResetLabelSweeps() {
    app_.view_->ResetLabelSweeps(app_.settings_.game.g_Speed);
}

}  // namespace zembrol
