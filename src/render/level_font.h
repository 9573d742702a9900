// g_LevelFont: the bold serif font of the texts drawn over the scene ("Pause", the
// level title), with Cyrillic. Lines are rasterised once per text and view scale
// and kept as coverage textures.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/font.h"
#include "render/gl_device.h"
#include "render/textures.h"
#include "render/view_layout.h"

namespace zembrol::render {

// The width m_DrawCenteredText centres in, in base view pixels.
inline constexpr int kCenteredTextWidth = 343;
// Pixel size of the font at the base scale (a 24-pixel line).
inline constexpr int kLevelFontPixels = 20;

class LevelFont {
public:
    // m_InitLevelFont: finds the font (fontconfig "serif:bold:lang=ru"); false when
    // there is none, and the texts are then not drawn.
    bool m_InitLevelFont(const RenderReports& report);
    bool Ready() const { return !file_.empty(); }
    const std::string& File() const { return file_; }

    // m_DrawCenteredText: one line centred in the 343-pixel area of the view, its
    // top at `top` base pixels; the shadow one pixel right and down unless noShadow.
    void m_DrawCenteredText(Device& device, const GlMesh& cornerQuad, const ViewRect& view, const std::string& text,
                            int top, const ColorValue& color, const ColorValue& shadow, bool noShadow);

private:
    const GlTexture* Line(const std::string& text, float scale);

    std::string file_;
    std::unique_ptr<platform::Font> font_;
    float fontScale_ = 0;
    std::map<std::string, GlTexture> lines_;
};

}  // namespace zembrol::render
