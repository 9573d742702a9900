// One frame of the main window: the camera, the 3D view, the controls around it
// and an open modal window.
#include "app/app.h"
#include "game/game_state.h"
#include "game/number_text.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/text_encoding.h"
#include "platform/window_shape.h"
#include "stats/record_book.h"
#include "render/view_layout.h"
#include "ui/dialogs.h"
#include "ui/main_window_ui.h"

namespace zembrol {

namespace {
// The window's plain background, under a backdrop drawn again (or without one).
constexpr float kWindowBackground[3] = {0.075f, 0.08f, 0.11f};
// A change over this many tenths of the window or more is shown as a whole frame.
constexpr int kWholeFromTenths = 6;
// The 3D view in the main window's drawable, in window pixels.
UiRect ViewRectOf(const platform::GlWindow& window) {
    int w, h;
    window.DrawableSize(&w, &h);
    const render::ViewRect v = render::LayoutView(w, h);
    return UiRect{static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.width),
                  static_cast<float>(v.height)};
}
}  // namespace

bool App::InitMainWindowUi() {
    if (!mainWindow_.Exists()) return true;  // headless: no window, no controls to draw
    int w, h;
    mainWindow_.DrawableSize(&w, &h);
    if (w <= 0 || h <= 0) return false;
    const float scale = render::LayoutView(w, h).scale;
    std::string error;
    std::string font = platform::FindFontFile("sans:bold:lang=ru");
    if (font.empty()) log_.f_Log("ImGui - no sans-serif font with Cyrillic found; using the built-in font", kLogPlain, false);
    // The record lists align their scores with spaces, which needs a monospaced face.
    const std::string mono = platform::FindMonospaceFontFile("monospace:lang=ru");
    if (mono.empty())
        log_.f_Log("ImGui - no monospaced font with Cyrillic found; the record lists use the main font", kLogPlain,
                   false);
    if (!ui_.Init(mainWindow_, font, mono, 15 * scale, &error)) {
        log_.f_Log("ImGui - " + error, kLogPlain, false);
        return false;
    }
    // The outline: a rounded rectangle, as far as the display can shape windows.
    platform::SetRoundedShape(mainWindow_, w, h, static_cast<int>(37 * scale));
    LoadSkinPicture();
    dragTest_ = [this](int x, int y) { return Draggable(x, y); };
    platform::SetDragArea(mainWindow_, &dragTest_);
    return true;
}

std::string App::BackdropKey() const {
    // The drawable's size (and with it the layout) is the layer's own part of the key.
    return settings_.iNumSkin + "\n" + std::to_string(skinGeneration_);
}

void App::LoadSkinPicture() {
    if (!ui_.Active()) return;  // the configuration is read before the window's controls exist
    ++skinGeneration_;
    const std::string& skin = settings_.iNumSkin;
    std::string path;
    if (platform::Utf8Length(skin) > 2) {
        path = skin;  // a picture file of the player's
    } else {
        const NumberRead<int> n = ParseNumberIn(skin, 1, 3);
        path = paths_.Shipped("skins/skin" + std::to_string(n ? n.value : 1) + ".png");
    }
    platform::RgbaImage image;
    std::string error;
    platform::DestroyUiTexture(skinPicture_);
    skinPicture_ = 0;
    if (!platform::LoadImageRgba(path, &image, &error)) {
        // Without its picture the skin is painted in its colours.
        log_.f_Log("m_LoadSkin - " + path + ": " + error, kLogPlain, false);
        return;
    }
    skinPicture_ = platform::CreateUiTexture(image);
}

bool App::Draggable(int x, int y) const {
    // A modal window takes every click: none of them may start a window drag.
    if (modal_ || OverPaintWindow(x, y)) return false;
    const UiRect view = ViewRectOf(mainWindow_);
    if (view.Contains(static_cast<float>(x), static_cast<float>(y))) return false;
    for (const UiRect& r : ControlRects())
        if (r.Contains(static_cast<float>(x), static_cast<float>(y))) return false;
    return true;
}

void App::m_DrawFrame() {
    // A minimised window shows nothing: its passes go on (a minimised game is paused)
    // without shading pictures nobody sees, and the first frame back is whole.
    if (mainWindow_.Exists() && !mainWindow_.IsShown()) {
        window_.redrawWhole = true;
        return;
    }
    // The view this pass's effects step left (its camera move included).
    const FrameView& c = effects_.View();
    view_->SetCamera({c.eye.x, c.eye.y, c.eye.z}, {c.lookAt.x, c.lookAt.y, c.lookAt.z}, {c.up.x, c.up.y, c.up.z}, c.fov);
    int w = 0, h = 0;
    mainWindow_.DrawableSize(&w, &h);
    const bool backdropKept = ui_.BackdropCurrent(BackdropKey(), w, h);
    // The controls are laid out first: what they will draw decides whether this frame
    // must be whole, or whether only the 3D view and the part of the controls that
    // changed are drawn and shown. Most frames only the view changes, and a software
    // rasteriser then shades and shows a third of the pixels.
    const MainWindowInput in = BuildControls();
    const platform::PixelBox changed = ui_.ChangedBox();
    const bool whole = !mainWindow_.PartialPresent() || !ui_.Active() || !backdropKept || modal_ ||
                       platform::UiWindowOpen() || window_.redrawWhole ||
                       changed.Area() * 10 >= w * h * kWholeFromTenths;
    const render::ViewRect v = render::LayoutView(w, h);
    if (whole) {
        // The window's still backdrop from its kept picture, or the plain background
        // under a backdrop drawn again this frame; the 3D view draws its own part.
        if (backdropKept) ui_.CopyBackdrop();
        else mainWindow_.Clear(kWindowBackground[0], kWindowBackground[1], kWindowBackground[2]);
        DrawScene();
        ui_.Draw();
        mainWindow_.Present();
    } else if (changed.Empty()) {
        DrawScene();
        mainWindow_.PresentRegion(v.x, v.y, v.width, v.height);
    } else {
        // The changed part is drawn as a whole frame draws it, in the same order.
        ui_.CopyBackdrop(changed);
        DrawScene();
        ui_.Draw(changed);
        mainWindow_.PresentRegions({platform::PixelBox{v.x, v.y, v.width, v.height}, changed});
    }
    ui_.MarkShown();
    window_.redrawWhole = false;
    ActOnControls(in);
    ++window_.fpsCounter;
}

MainWindowInput App::BuildControls() {
    if (!ui_.Active()) return {};
    int w, h;
    mainWindow_.DrawableSize(&w, &h);
    const render::ViewRect layout = render::LayoutView(w, h);
    const float s = layout.scale;
    ui_.NewFrame();
    MainWindowView v;
    v.state = &session_->state;
    v.captions = &captions_;
    v.fpsText = FpsShown() ? window_.fpsText : std::string();   // an option: off, nothing is drawn
    v.pausePressed = window_.pausePressed;
    v.demoPressed = session_->state.chkDemo;
    v.viewPressed = window_.viewPressed;
    v.blinkLabel = window_.blinkHidden ? window_.blinkLine - 1 : -1;
    v.highlighted = window_.highlighted;
    v.skin = (settings_.iNumSkin == "2" || settings_.iNumSkin == "3") ? settings_.iNumSkin[0] - '0' : 1;
    v.skinPicture = skinPicture_;
    v.drawBackdrop = ui_.BackdropWanted();
    v.controlsColor = settings_.iControlsColor;
    v.view = ViewRectOf(mainWindow_);
    RecordBook& book = results_.Book();
    v.recordRows = recordLines_.Of(book.g_Records);
    v.levelRows = levelLines_.Of(book.g_LevelTable);
    v.listFont = ui_.ListFont();
    const RecordDisplay& display = results_.Display();
    v.lblLevelPlace = display.lblLevelPlace;
    v.tableSelected = display.lstTable.selected;
    v.tableTop = display.lstTable.top;
    v.levelSelected = display.lstLevel.selected;
    v.levelTop = display.lstLevel.top;
    v.labelHeights = view_->LabelHeights();
    v.scale = s;
    v.originX = static_cast<float>(layout.originX);
    v.originY = static_cast<float>(layout.originY);
    MainWindowInput in = DrawMainWindow(v);
    DrawPaintWindow();
    if (modal_ && modal_()) modal_ = nullptr;
    ui_.EndFrame();
    return in;
}

void App::ActOnControls(const MainWindowInput& in) {
    // Buttons act after the frame: a modal window they open draws its own frames.
    if (!in.hovered.empty() && in.hovered != window_.highlighted) {
        window_.highlighted = in.hovered;
        window_.highlightEnds = session_->clock.NowMs() + 1000;
    }
    for (const std::string& name : in.clicked) OnControl(name);
}

}  // namespace zembrol
