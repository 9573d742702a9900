// Image decoding and PNG writing through SDL2_image.
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zembrol::platform {

namespace {

uint32_t Be(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int k = 0; k < n; ++k) v = (v << 8) | p[k];
    return v;
}

uint32_t Le(const uint8_t* p, int n) {
    uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = (v << 8) | p[k];
    return v;
}

}  // namespace

bool ReadImageSize(const std::string& path, int64_t* width, int64_t* height) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t h[32] = {};
    const size_t n = std::fread(h, 1, sizeof h, f);
    bool known = false;
    if (n >= 24 && std::memcmp(h, "\x89PNG\r\n\x1a\n", 8) == 0) {
        *width = Be(h + 16, 4), *height = Be(h + 20, 4);
        known = true;
    } else if (n >= 26 && h[0] == 'B' && h[1] == 'M') {
        *width = static_cast<int32_t>(Le(h + 18, 4));
        *height = std::abs(static_cast<int64_t>(static_cast<int32_t>(Le(h + 22, 4))));
        known = true;
    } else if (n >= 10 && std::memcmp(h, "GIF8", 4) == 0) {
        *width = Le(h + 6, 2), *height = Le(h + 8, 2);
        known = true;
    } else if (n >= 4 && h[0] == 0xFF && h[1] == 0xD8) {
        // JPEG: the size is in the first start-of-frame segment.
        std::fseek(f, 2, SEEK_SET);
        uint8_t m[9];
        while (std::fread(m, 1, 4, f) == 4 && m[0] == 0xFF) {
            const int marker = m[1];
            const long length = static_cast<long>(Be(m + 2, 2));
            const bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
            if (sof) {
                if (std::fread(m, 1, 5, f) == 5) {
                    *height = Be(m + 1, 2), *width = Be(m + 3, 2);
                    known = true;
                }
                break;
            }
            if (length < 2 || std::fseek(f, length - 2, SEEK_CUR) != 0) break;
        }
    }
    std::fclose(f);
    return known;
}

bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error) {
    // A picture too large to decode into memory is refused before it is decoded.
    int64_t w = 0, h = 0;
    if (ReadImageSize(path, &w, &h) && (w > kMaxImageSide || h > kMaxImageSide)) {
        if (error) *error = "the picture is too large (" + std::to_string(w) + " x " + std::to_string(h) + ")";
        return false;
    }
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) {
        if (error) *error = IMG_GetError();
        return false;
    }
    // ABGR8888 is R, G, B, A in memory order on a little-endian machine; the
    // packed RGBA32 alias picks the right one everywhere.
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (!rgba) {
        if (error) *error = SDL_GetError();
        return false;
    }
    out->width = rgba->w;
    out->height = rgba->h;
    out->pixels.resize(static_cast<size_t>(rgba->w) * static_cast<size_t>(rgba->h) * 4);
    SDL_LockSurface(rgba);
    for (int y = 0; y < rgba->h; ++y)
        std::memcpy(out->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(rgba->w) * 4,
                    static_cast<const uint8_t*>(rgba->pixels) + static_cast<size_t>(y) * static_cast<size_t>(rgba->pitch),
                    static_cast<size_t>(rgba->w) * 4);
    SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    return true;
}

namespace {
bool EndsWith(const std::string& s, const char* tail) {
    const size_t n = std::strlen(tail);
    if (s.size() < n) return false;
    for (size_t k = 0; k < n; ++k)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - n + k])) != tail[k]) return false;
    return true;
}
}  // namespace

bool SaveImageRgba(const std::string& path, const RgbaImage& image, std::string* error) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4) {
        if (error) *error = "empty image";
        return false;
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(image.pixels.data()), image.width,
                                                        image.height, 32, image.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!s) {
        if (error) *error = SDL_GetError();
        return false;
    }
    int rc = -1;
    std::string why;
    if (EndsWith(path, ".png")) {
        rc = IMG_SavePNG(s, path.c_str());
        if (rc != 0) why = IMG_GetError();
    } else if (EndsWith(path, ".jpg") || EndsWith(path, ".jpeg")) {
        rc = IMG_SaveJPG(s, path.c_str(), 92);
        if (rc != 0) why = IMG_GetError();
    } else if (EndsWith(path, ".bmp")) {
        SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_BGR24, 0);
        rc = rgb ? SDL_SaveBMP(rgb, path.c_str()) : -1;
        if (rc != 0) why = SDL_GetError();
        if (rgb) SDL_FreeSurface(rgb);
    } else {
        why = "unknown image type of " + path;
    }
    SDL_FreeSurface(s);
    if (rc != 0 && error) *error = why;
    return rc == 0;
}

}  // namespace zembrol::platform
