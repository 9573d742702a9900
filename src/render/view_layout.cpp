// View layout.
#include "render/view_layout.h"

#include <algorithm>
#include <cmath>

namespace zembrol::render {

ViewRect LayoutView(int w, int h) {
    ViewRect v;
    if (w <= 0 || h <= 0) return v;
    v.scale = std::min(static_cast<float>(w) / kBaseWindowWidth, static_cast<float>(h) / kBaseWindowHeight);
    v.originX = static_cast<int>(std::lround((w - kBaseWindowWidth * v.scale) / 2));
    v.originY = static_cast<int>(std::lround((h - kBaseWindowHeight * v.scale) / 2));
    v.x = v.originX + static_cast<int>(std::lround(kBaseViewX * v.scale));
    v.y = v.originY + static_cast<int>(std::lround(kBaseViewY * v.scale));
    v.width = std::max(1, static_cast<int>(std::lround(kBaseViewWidth * v.scale)));
    v.height = std::max(1, static_cast<int>(std::lround(kBaseViewHeight * v.scale)));
    return v;
}

}  // namespace zembrol::render
