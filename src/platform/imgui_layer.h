// The immediate-mode UI layer of the main window: ImGui with its SDL and OpenGL
// backends on the main window's context. src/ui draws with ImGui between
// NewFrame and Render; events reach ImGui through the event pump.
#pragma once

#include <cstdint>
#include <string>

namespace zembrol::platform {

class GlWindow;

class ImGuiLayer {
public:
    ImGuiLayer() = default;
    ImGuiLayer(const ImGuiLayer&) = delete;
    ImGuiLayer& operator=(const ImGuiLayer&) = delete;
    ~ImGuiLayer() { Shutdown(); }

    // Starts ImGui on the window with a font file at `pixelSize` (Latin and Cyrillic);
    // without a usable font file ImGui's own font serves. False with the reason.
    bool Init(GlWindow& window, const std::string& fontFile, float pixelSize, std::string* error);
    // Re-builds the font at another size (the window was scaled).
    void SetFontSize(float pixelSize);
    void NewFrame();
    void Render();
    void Shutdown();
    bool Active() const { return active_; }

private:
    bool active_ = false;
    std::string fontFile_;
    float fontSize_ = 0;
    float pendingFontSize_ = 0;
};

struct RgbaImage;

// A picture for the UI (a skin): a GL texture as ImGui takes it; 0 on failure.
uintptr_t CreateUiTexture(const RgbaImage& image);
void DestroyUiTexture(uintptr_t texture);

// True while the layer is active: the event pump hands it every event.
bool ImGuiLayerActive();

}  // namespace zembrol::platform
