// The immediate-mode UI layer of the main window: ImGui with its SDL and OpenGL
// backends on the main window's context. src/ui draws with ImGui between
// NewFrame and Render; events reach ImGui through the event pump.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gl_picture.h"
#include "platform/ui_regions.h"

struct ImFont;

namespace zembrol::platform {

class GlWindow;

// ImGui's atlas holds, by index: 0 the controls' text, 1 the large figures of the
// score and the title, and - when a monospaced face was found - kUiFontMono, the
// rows of the record lists, whose score column is aligned with spaces.
inline constexpr int kUiFontMono = 2;
// The record lists' rows are smaller than the controls' text, so a row of place,
// name and score fits the list's width.
inline constexpr float kMonoFontScale = 0.76f;

class ImGuiLayer {
public:
    ImGuiLayer() = default;
    ImGuiLayer(const ImGuiLayer&) = delete;
    ImGuiLayer& operator=(const ImGuiLayer&) = delete;
    ~ImGuiLayer() { Shutdown(); }

    // Starts ImGui on the window with a font file at `pixelSize` (Latin and Cyrillic);
    // without a usable font file ImGui's own font serves. `monoFile` is the
    // monospaced face of the record lists; without it there is no such font and the
    // lists use the main one (see the font indices below). False with the reason.
    bool Init(GlWindow& window, const std::string& fontFile, const std::string& monoFile, float pixelSize,
              std::string* error);
    // Re-builds the font at another size (the window was scaled).
    void SetFontSize(float pixelSize);
    void NewFrame();
    // Ends the frame's UI: what it draws is known (ChangedBox) but not yet drawn.
    void EndFrame();
    // The part of the window (drawable pixels, top-left origin) where the ended
    // frame's UI draws other pixels than the UI last shown (MarkShown); empty when the
    // two are the same.
    PixelBox ChangedBox() const { return prints_.ChangedSince(shown_); }
    // What the ended frame's UI draws is now on screen.
    void MarkShown() { shown_ = prints_; }
    // Draws the ended frame's UI (and keeps the backdrop picture when it was drawn).
    void Draw();
    // Draws the ended frame's UI inside `box` only, nothing outside it.
    void Draw(const PixelBox& box);
    void Shutdown();
    bool Active() const { return active_; }
    // The record lists' monospaced font, or null when none was found.
    ImFont* ListFont() const;

    // The window's still backdrop: what the UI draws into ImGui's background list
    // is kept as a picture of the whole drawable, made for a key that names all it
    // shows, and copied into later frames instead of being drawn again - on a
    // software rasteriser it is most of the window's pixels.
    // At the start of a frame: true when the picture was made for `key` at this
    // drawable size (CopyBackdrop lays it); otherwise the frame draws the backdrop
    // (BackdropWanted) and Draw keeps it for the frames after.
    bool BackdropCurrent(const std::string& key, int drawableWidth, int drawableHeight);
    void CopyBackdrop() const;
    void CopyBackdrop(const PixelBox& box) const;
    bool BackdropWanted() const { return backdropWanted_; }

private:
    void KeepBackdrop();

    bool active_ = false;
    std::string fontFile_, monoFile_;
    float fontSize_ = 0;
    float pendingFontSize_ = 0;
    GlPicture backdrop_;
    RegionPrints prints_, shown_;   // the ended frame's UI, and the UI on screen
    std::vector<uint64_t> vertexPrints_;   // one draw list's, kept to spare allocations
    std::string backdropKey_, wantedKey_;
    bool backdropWanted_ = true;
};

struct RgbaImage;

// A picture for the UI (a skin): a GL texture as ImGui takes it; 0 on failure.
uintptr_t CreateUiTexture(const RgbaImage& image);
void DestroyUiTexture(uintptr_t texture);

// True while the layer is active: the event pump hands it every event.
bool ImGuiLayerActive();
// A mouse button pressed now belongs to the UI: the pointer is over one of its
// controls, one of them is being used, or a popup or modal window is open. The
// main window's panel covers the whole window, so ImGui's own "wants the mouse"
// is always set and cannot tell a click on a button from a click on the 3D view.
bool UiTakesMouseButtons();
// A text field of the UI is being typed into: key presses are its, not the game's.
bool UiTakesKeys();
// A popup or modal window of the UI is open: it takes the gamepad's navigation.
bool UiWindowOpen();

}  // namespace zembrol::platform
