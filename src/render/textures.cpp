// Texture loading.
#include "render/textures.h"

namespace zembrol::render {

void ApplyColorKey(platform::RgbaImage* image) {
    auto& p = image->pixels;
    for (size_t k = 0; k + 3 < p.size(); k += 4)
        if (p[k] == 0 && p[k + 1] == 0 && p[k + 2] == 0 && p[k + 3] == 255) p[k + 3] = 0;
}

bool LoadTextureImage(const std::string& path, platform::RgbaImage* out, const RenderReports& report) {
    if (path.empty()) {
        report.Alert("d_LoadTex32x32", "Не удалось найти файл : \r\n" + path);
        return false;
    }
    std::string error;
    if (!platform::LoadImageRgba(path, out, &error)) {
        report("CreateTextureFromFile(" + path + ") - " + error, 15, false);
        return false;
    }
    ApplyColorKey(out);
    return true;
}

bool d_LoadTex32x32(GlTexture* texture, const std::string& path, const RenderReports& report) {
    texture->Release();
    platform::RgbaImage img;
    if (!LoadTextureImage(path, &img, report)) return false;
    if (!texture->UploadRgba(img.width, img.height, img.pixels.data())) {
        report("CreateTextureFromFile(" + path + ") - the texture cannot be created", 15, false);
        texture->Release();
        return false;
    }
    return true;
}

platform::RgbaImage PackTiles(const std::vector<platform::RgbaImage>& images, int tile) {
    platform::RgbaImage atlas;
    atlas.width = tile * static_cast<int>(images.size());
    atlas.height = tile;
    atlas.pixels.assign(static_cast<size_t>(atlas.width) * static_cast<size_t>(tile) * 4, 0);
    for (size_t k = 0; k < images.size(); ++k) {
        const platform::RgbaImage& src = images[k];
        if (src.width <= 0 || src.height <= 0) continue;
        for (int y = 0; y < tile; ++y)
            for (int x = 0; x < tile; ++x) {
                const int sx = x * src.width / tile, sy = y * src.height / tile;
                const size_t from = (static_cast<size_t>(sy) * static_cast<size_t>(src.width) + static_cast<size_t>(sx)) * 4;
                const size_t to = (static_cast<size_t>(y) * static_cast<size_t>(atlas.width) + k * static_cast<size_t>(tile) +
                                   static_cast<size_t>(x)) * 4;
                for (int c = 0; c < 4; ++c) atlas.pixels[to + static_cast<size_t>(c)] = src.pixels[from + static_cast<size_t>(c)];
            }
    }
    return atlas;
}

}  // namespace zembrol::render
