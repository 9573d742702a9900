// Image decoding and PNG writing through SDL2_image.
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cstring>

namespace zembrol::platform {

bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error) {
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
