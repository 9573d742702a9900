// ImGui over SDL2 and OpenGL 3.3 core.
#include "platform/imgui_layer.h"

#include <SDL.h>
#include <cmath>
#include <epoxy/gl.h>
#include <imgui.h>
#include <imgui_freetype.h>
#include <imgui_impl_opengl3.h>
#include <imgui_impl_sdl.h>

#include "platform/files.h"
#include "platform/gl_window.h"
#include "platform/image.h"

namespace zembrol::platform {

namespace {
bool g_active = false;

// Two sizes of one face (fonts 0 and 1) and the monospaced face of the record
// lists (kUiFontMono) when there is one.
void BuildFont(const std::string& file, const std::string& monoFile, float size) {
    ImGuiIO& io = ImGui::GetIO();
    io.Fonts->Clear();
    for (float px : {size, size * 1.8f}) {
        ImFontConfig cfg;
        cfg.OversampleH = 2;
        if (!file.empty() && FileExists(file) &&
            io.Fonts->AddFontFromFileTTF(file.c_str(), px, &cfg, io.Fonts->GetGlyphRangesCyrillic()))
            continue;
        cfg.SizePixels = px;
        io.Fonts->AddFontDefault(&cfg);
    }
    if (!monoFile.empty() && FileExists(monoFile)) {
        ImFontConfig cfg;
        cfg.OversampleH = 2;
        io.Fonts->AddFontFromFileTTF(monoFile.c_str(), std::round(size * kMonoFontScale), &cfg,
                                     io.Fonts->GetGlyphRangesCyrillic());
    }
}
}  // namespace

bool ImGuiLayerActive() { return g_active; }

bool UiWindowOpen() {
    return g_active && ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
}

bool UiTakesMouseButtons() {
    if (!g_active) return false;
    return ImGui::IsAnyItemHovered() || ImGui::IsAnyItemActive() ||
           ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
}

bool UiTakesKeys() { return g_active && ImGui::GetIO().WantTextInput; }

uintptr_t CreateUiTexture(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0) return 0;
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    return tex;
}

void DestroyUiTexture(uintptr_t texture) {
    GLuint tex = static_cast<GLuint>(texture);
    if (tex) glDeleteTextures(1, &tex);
}

bool ImGuiLayer::Init(GlWindow& window, const std::string& fontFile, const std::string& monoFile, float pixelSize,
                      std::string* error) {
    Shutdown();
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // window placement is the game's, not a file in the working folder
    // A gamepad moves between a window's controls and presses them.
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableGamepad;
    io.LogFilename = nullptr;
    io.Fonts->FontBuilderIO = ImGuiFreeType::GetBuilderForFreeType();
    fontFile_ = fontFile;
    monoFile_ = monoFile;
    fontSize_ = pixelSize;
    BuildFont(fontFile_, monoFile_, fontSize_);
    if (!ImGui_ImplSDL2_InitForOpenGL(window.Handle(), SDL_GL_GetCurrentContext()) ||
        !ImGui_ImplOpenGL3_Init("#version 330 core")) {
        if (error) *error = "the UI backends did not start";
        ImGui::DestroyContext();
        return false;
    }
    active_ = g_active = true;
    return true;
}

ImFont* ImGuiLayer::ListFont() const {
    if (!active_) return nullptr;
    ImFontAtlas* atlas = ImGui::GetIO().Fonts;
    return atlas->Fonts.Size > kUiFontMono ? atlas->Fonts[kUiFontMono] : nullptr;
}

void ImGuiLayer::SetFontSize(float pixelSize) {
    if (pixelSize != fontSize_) pendingFontSize_ = pixelSize;
}

void ImGuiLayer::NewFrame() {
    if (!active_) return;
    if (pendingFontSize_ > 0) {
        // Fonts change only between frames: the atlas is in use while one is drawn.
        fontSize_ = pendingFontSize_;
        pendingFontSize_ = 0;
        BuildFont(fontFile_, monoFile_, fontSize_);
        ImGui_ImplOpenGL3_DestroyFontsTexture();
        ImGui_ImplOpenGL3_CreateFontsTexture();
    }
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
}

void ImGuiLayer::EndFrame() {
    if (active_) ImGui::Render();
}

uint64_t ImGuiLayer::FrameHash() const {
    // FNV-1a over every list's vertices, indices and commands.
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t k = 0; k < size; ++k) h = (h ^ p[k]) * 1099511628211ull;
    };
    const ImDrawData* d = active_ ? ImGui::GetDrawData() : nullptr;
    if (!d) return h;
    mix(&d->DisplaySize, sizeof d->DisplaySize);
    for (int n = 0; n < d->CmdListsCount; ++n) {
        const ImDrawList* l = d->CmdLists[n];
        mix(l->VtxBuffer.Data, static_cast<size_t>(l->VtxBuffer.Size) * sizeof(ImDrawVert));
        mix(l->IdxBuffer.Data, static_cast<size_t>(l->IdxBuffer.Size) * sizeof(ImDrawIdx));
        for (const ImDrawCmd& c : l->CmdBuffer) {
            mix(&c.ClipRect, sizeof c.ClipRect);
            mix(&c.TextureId, sizeof c.TextureId);
            mix(&c.VtxOffset, sizeof c.VtxOffset);
            mix(&c.IdxOffset, sizeof c.IdxOffset);
            mix(&c.ElemCount, sizeof c.ElemCount);
        }
    }
    return h;
}

void ImGuiLayer::Draw() {
    if (!active_) return;
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    if (backdropWanted_) KeepBackdrop();
}

bool ImGuiLayer::BackdropCurrent(const std::string& key, int drawableWidth, int drawableHeight) {
    backdropWanted_ = true;
    if (!active_) return false;
    const bool current = backdrop_.Valid() && key == backdropKey_ && backdrop_.Width() == drawableWidth &&
                         backdrop_.Height() == drawableHeight;
    if (!current) {
        // The picture is remade from this frame's background list.
        wantedKey_ = key;
        backdropKey_.clear();
        backdrop_.Resize(drawableWidth, drawableHeight);
        return false;
    }
    backdropWanted_ = false;
    return true;
}

void ImGuiLayer::CopyBackdrop() const { backdrop_.CopyToWindow(0, 0); }

void ImGuiLayer::KeepBackdrop() {
    if (!backdrop_.Valid()) return;
    // The background list alone, drawn as the frame drew it, onto black.
    ImDrawData* frame = ImGui::GetDrawData();
    ImDrawList* background = ImGui::GetBackgroundDrawList();
    if (!frame || !background) return;
    ImDrawData only = *frame;
    only.CmdLists = &background;
    only.CmdListsCount = 1;
    only.TotalVtxCount = background->VtxBuffer.Size;
    only.TotalIdxCount = background->IdxBuffer.Size;
    backdrop_.BindForDrawing();
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL3_RenderDrawData(&only);
    backdrop_.Seal();
    backdropKey_ = wantedKey_;
}

void ImGuiLayer::Shutdown() {
    if (!active_) return;
    backdrop_.Release();
    backdropKey_.clear();
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    active_ = g_active = false;
}

}  // namespace zembrol::platform
