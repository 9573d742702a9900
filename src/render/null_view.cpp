// The headless view's one piece of work: checking a chosen texture file.
#include "render/null_view.h"

namespace zembrol::render {

bool NullView::ReloadSkinTexture(int, const std::string& path) {
    // Nothing is drawn: a picture that decodes is taken.
    platform::RgbaImage image;
    std::string why;
    if (platform::LoadImageRgba(path, &image, &why)) return true;
    reports_("CreateTextureFromFile(" + path + ") - " + why, 15, false);
    return false;
}

}  // namespace zembrol::render
