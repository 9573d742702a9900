// The graphics and material windows in the running application: frmGraph behind the
// settings window's cmdSetGraph, frmPaint behind F9, and what their changes do to
// the scene being drawn.
#include <string>

#include "app/app.h"
#include "windows/graph_window.h"
#include "app/messages.h"
#include "windows/paint_window.h"
#include "render/view.h"
#include "ui/graph_views.h"

namespace zembrol {

namespace {

// The running scene as the graphics window changes it: only what changed is made
// again (one texture, the world's rates, the deformation), never the device.
class SceneTargets final : public GraphTargets {
public:
    SceneTargets(const Settings& settings, Effects& effects, render::View& view)
        : s_(settings), effects_(effects), view_(view) {}

    void DeformTypeChanged() override { effects_.DeformTypeChanged(); }
    void DeformSpeedChanged() override { effects_.DeformSpeedChanged(); }
    void WorldSpeedChanged() override { view_.cs_SetWorldSpeed(s_.m_WorldSpeed); }
    void BannerSwitched() override { effects_.BannerSwitched(); }
    void ShowLights(int count) override { view_.ShowLights(count); }
    void BlendChanged() override { view_.m_ApplyAlpha(s_); }
    void ModulateChanged(bool enhanced) override { view_.SetModulate2x(enhanced); }
    bool ReloadTexture(int index) override {
        return view_.ReloadSkinTexture(index, s_.gr_arTex[static_cast<size_t>(index)]);
    }

private:
    const Settings& s_;
    Effects& effects_;
    render::View& view_;
};

}  // namespace

void App::ShowGraphWindow() {
    const auto text = [this](const std::string& key) { return language_.ini_GetParam("fGraph", key); };
    GraphTexts texts;
    for (int k = 0; k < kDeformTypes; ++k) texts.deformTypes[static_cast<size_t>(k)] = text("cmbDeformType" + std::to_string(k));
    texts.textures[0] = text("gr_eTexBkg");
    for (int k = 1; k < kTextureKeys; ++k) texts.textures[static_cast<size_t>(k)] = text("d" + std::to_string(k));
    texts.help = text;
    SceneTargets targets(settings_, effects_, *view_);
    GraphWindow w(settings_, modulate2x_, targets, texts);
    w.textureFolder = paths_.Shipped("textures");
    w.chooseFile = [this](const std::string& pattern, const std::string& folder, std::string* path) {
        std::string file;
        return gg_GetPathAndFile(pattern, folder, path, &file);
    };
    w.infoBox = [](const std::string& message) { g_InfoBox(message); };
    w.Load();
    log_.f_Log("frmGraph load", kLogPlain, true);

    GraphView view;
    view.caption = std::string(kAppTitle) + " : " + text("Caption");
    view.text = text;
    view.deformTypes.assign(texts.deformTypes.begin(), texts.deformTypes.end());
    view.textures.assign(texts.textures.begin(), texts.textures.end());
    view.blendNames.assign(kBlendNames.begin(), kBlendNames.end());
    view.settings = &settings_;
    std::string pointedAt;   // the control the help label was last set for
    const UndimmedScene undimmed;
    RunWindow(w, [&] {
        view.shown = w.Shown();
        const GraphInput in = DrawGraph(view, UiScale());
        // The help follows the pointer onto a control, or onto the window between them.
        if ((!in.hovered.empty() || in.overWindow) && in.hovered != pointedAt) {
            pointedAt = in.hovered;
            w.Hover(in.hovered);
        }
        for (const auto& [name, item] : in.in.chosen) w.Choose(name, item);
        for (const auto& [name, value] : in.in.slid) w.Slide(name, value);
        return in.in.clicked;
    });
    log_.f_Log("frmGraph unload", kLogPlain, true);
}

void App::OpenMaterialEditor() {
    if (!paint_) {
        paint_ = std::make_unique<PaintWindow>(render::MatDefault(), [this](const render::Material& m) {
            view_->SetFigureMaterial(m);
        });
        paint_->onClosed = [this] { log_.f_Log("frmPaint unload", kLogPlain, true); };
    }
    const bool wasOpen = !paint_->Closed();
    paint_->Load();
    if (!wasOpen) log_.f_Log("frmPaint load", kLogPlain, true);
    // It stays open beside the game: drawn in the window (DrawPaintWindow), given the
    // script's window lines in a scripted run (ToolWindow); a run with nobody to use
    // it closes it.
    if (!windowFeed_ && (options_.headless || !ui_.Active())) {
        RunWindow(*paint_, [] { return std::vector<std::string>{}; });
    }
}

ScriptWindow* App::ToolWindow() {
    if (!paint_ || paint_->Closed()) return nullptr;
    return paint_.get();
}

bool App::OverPaintWindow(int x, int y) const {
    return paint_ && !paint_->Closed() && paintPlace_.Contains(static_cast<float>(x), static_cast<float>(y));
}

void App::DrawPaintWindow() {
    if (!paint_ || paint_->Closed()) return;
    // The components are named in the player's language; the window knows them by place.
    const auto text = [this](const std::string& key) { return language_.ini_GetParam("fPaint", key); };
    PaintView view;
    view.part = paint_->Part();
    view.bars = paint_->Bars(paint_->Part());
    view.power = paint_->Power();
    view.caption = text("Caption");
    view.powerCaption = text("lblPower");
    for (const char* part : kMaterialPartNames) view.parts.push_back(text(part));
    const PaintInput in = DrawPaint(view, UiScale());
    for (const auto& [name, item] : in.in.chosen)
        for (size_t k = 0; k < view.parts.size(); ++k)
            if (view.parts[k] == item) paint_->Choose(name, std::to_string(k));
    for (const auto& [name, value] : in.in.slid) paint_->Scroll(name, value);
    if (in.typed) paint_->Type(in.power);
    paintPlace_ = in.place;
    if (in.closed) paint_->Click("close");
}

}  // namespace zembrol
