// Level font.
#include "render/level_font.h"

#include <algorithm>
#include <cmath>

namespace zembrol::render {

bool LevelFont::m_InitLevelFont(const RenderReports& report) {
    file_ = platform::FindFontFile("serif:bold:lang=ru");
    if (file_.empty()) {
        report("m_InitLevelFont() - no bold serif font with Cyrillic is installed", 15, false);
        return false;
    }
    return true;
}

const GlTexture* LevelFont::Line(const std::string& text, float scale) {
    if (file_.empty()) return nullptr;
    if (!font_ || scale != fontScale_) {
        lines_.clear();
        font_ = std::make_unique<platform::Font>();
        std::string error;
        if (!font_->Open(file_, static_cast<int>(std::lround(kLevelFontPixels * scale)), &error)) {
            file_.clear();   // a broken font file: no texts from now on
            font_.reset();
            return nullptr;
        }
        fontScale_ = scale;
    }
    auto it = lines_.find(text);
    if (it == lines_.end()) {
        const platform::TextImage img = font_->Render(text);
        GlTexture tex;
        if (img.width > 0) tex.UploadCoverage(img.width, img.height, img.coverage.data());
        it = lines_.emplace(text, std::move(tex)).first;
    }
    return it->second.Id() ? &it->second : nullptr;
}

void LevelFont::m_DrawCenteredText(Device& device, const GlMesh& cornerQuad, const ViewRect& view,
                                   const std::string& text, int top, const ColorValue& color, const ColorValue& shadow,
                                   bool noShadow) {
    const GlTexture* line = Line(text, view.scale);
    if (!line) return;
    const float w = static_cast<float>(line->Width()), h = static_cast<float>(line->Height());
    const float x = std::floor((kCenteredTextWidth * view.scale - w) / 2);
    const float y = std::floor(top * view.scale);
    const float off = std::max(1.0f, std::round(view.scale));
    std::vector<Instance> rects;
    auto rect = [&](float px, float py, const ColorValue& c) {
        Instance r;
        r.ox = px;
        r.oy = py;
        r.sx = w;
        r.sy = h;
        r.tint = c;
        rects.push_back(r);
    };
    if (!noShadow) rect(x + off, y + off, shadow);
    rect(x, y, color);
    device.SetAlphaBlend(true);
    device.SetBlendFactors(kBlendSrcAlpha, kBlendInvSrcAlpha);
    device.DrawCoverage(cornerQuad, *line, rects, view.width, view.height);
}

}  // namespace zembrol::render
