// ImGui over SDL2 and OpenGL 3.3 core.
#include "platform/imgui_layer.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>
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
    // The glyph atlas lives in its texture from here on: its pixels in memory
    // (2.5 MB at the base size) and the font files it was made from (1.8 MB) go;
    // a change of font size reads the files again (BuildFont).
    ImGui::GetIO().Fonts->ClearTexData();
    ImGui::GetIO().Fonts->ClearInputData();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
}

namespace {
uint64_t RotateLeft(uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

// A vertex's position, texture place and colour in one number: three independent
// multiplications, so that a frame of a few thousand vertices costs microseconds.
uint64_t VertexPrint(const ImDrawVert& v) {
    static_assert(sizeof(ImDrawVert) == 20, "position, texture place and colour");
    uint64_t w[3] = {0, 0, 0};
    std::memcpy(w, &v, sizeof v);
    return (w[0] * 0x9E3779B97F4A7C15ull) ^ RotateLeft(w[1] * 0xC2B2AE3D27D4EB4Full, 21) ^
           RotateLeft(w[2] * 0x165667B19E3779F9ull, 42);
}
}  // namespace

void ImGuiLayer::EndFrame() {
    if (!active_) return;
    ImGui::Render();
    // Every triangle's print goes to the cells its pixels may fall in: its corners,
    // colours and texture, and the clip box that cuts it, in drawing order.
    const ImDrawData* d = ImGui::GetDrawData();
    const ImVec2 scale = d->FramebufferScale, origin = d->DisplayPos;
    prints_.Reset(static_cast<int>(d->DisplaySize.x * scale.x), static_cast<int>(d->DisplaySize.y * scale.y));
    for (int n = 0; n < d->CmdListsCount; ++n) {
        const ImDrawList* l = d->CmdLists[n];
        vertexPrints_.resize(static_cast<size_t>(l->VtxBuffer.Size));
        for (int k = 0; k < l->VtxBuffer.Size; ++k) vertexPrints_[static_cast<size_t>(k)] = VertexPrint(l->VtxBuffer[k]);
        for (const ImDrawCmd& c : l->CmdBuffer) {
            if (c.UserCallback) continue;   // the main window's lists hold no callbacks
            const float cx0 = (c.ClipRect.x - origin.x) * scale.x, cy0 = (c.ClipRect.y - origin.y) * scale.y;
            const float cx1 = (c.ClipRect.z - origin.x) * scale.x, cy1 = (c.ClipRect.w - origin.y) * scale.y;
            uint64_t state = Fingerprint(&c.ClipRect, sizeof c.ClipRect, 0);
            state = Fingerprint(&c.TextureId, sizeof c.TextureId, state);
            for (unsigned int e = 0; e + 2 < c.ElemCount; e += 3) {
                unsigned int at[3];
                for (unsigned int k = 0; k < 3; ++k) at[k] = c.VtxOffset + l->IdxBuffer[static_cast<int>(c.IdxOffset + e + k)];
                const ImVec2 &a = l->VtxBuffer[static_cast<int>(at[0])].pos, &b = l->VtxBuffer[static_cast<int>(at[1])].pos,
                             &p = l->VtxBuffer[static_cast<int>(at[2])].pos;
                const uint64_t print = state + vertexPrints_[at[0]] + RotateLeft(vertexPrints_[at[1]], 13) +
                                       RotateLeft(vertexPrints_[at[2]], 29);
                const float x0 = (std::min({a.x, b.x, p.x}) - origin.x) * scale.x;
                const float y0 = (std::min({a.y, b.y, p.y}) - origin.y) * scale.y;
                const float x1 = (std::max({a.x, b.x, p.x}) - origin.x) * scale.x;
                const float y1 = (std::max({a.y, b.y, p.y}) - origin.y) * scale.y;
                prints_.Add(std::max(x0, cx0), std::max(y0, cy0), std::min(x1, cx1), std::min(y1, cy1), print);
            }
        }
    }
}

void ImGuiLayer::Draw() {
    if (!active_) return;
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    if (backdropWanted_) KeepBackdrop();
}

void ImGuiLayer::Draw(const PixelBox& box) {
    if (!active_) return;
    // Every command's clip box is cut down to the box: what lies outside is neither
    // shaded nor changed.
    ImDrawData* d = ImGui::GetDrawData();
    const ImVec2 scale = d->FramebufferScale, origin = d->DisplayPos;
    const float bx0 = static_cast<float>(box.x) / scale.x + origin.x, by0 = static_cast<float>(box.y) / scale.y + origin.y;
    const float bx1 = static_cast<float>(box.x + box.width) / scale.x + origin.x;
    const float by1 = static_cast<float>(box.y + box.height) / scale.y + origin.y;
    for (int n = 0; n < d->CmdListsCount; ++n)
        for (ImDrawCmd& c : d->CmdLists[n]->CmdBuffer) {
            c.ClipRect.x = std::max(c.ClipRect.x, bx0);
            c.ClipRect.y = std::max(c.ClipRect.y, by0);
            c.ClipRect.z = std::min(c.ClipRect.z, bx1);
            c.ClipRect.w = std::min(c.ClipRect.w, by1);
        }
    ImGui_ImplOpenGL3_RenderDrawData(d);
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

void ImGuiLayer::CopyBackdrop(const PixelBox& box) const {
    // The picture covers the drawable from its lower-left corner; GL counts rows upward.
    backdrop_.CopyPartToWindow(box.x, backdrop_.Height() - (box.y + box.height), box.width, box.height);
}

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
