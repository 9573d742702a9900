// Image decoding and PNG writing through SDL2_image; image headers are sized first
// with the stb image reader, which also decodes GIF.
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>
#include <stb/stb_image.h>

#include "platform/files.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <optional>
#include <cstring>
#include <string>

namespace zembrol::platform {

namespace {
int sideLimit = kImageSideLimit;

uint32_t BigEndian32(std::string_view b, size_t at) {
    uint32_t v = 0;
    for (size_t k = 0; k < 4; ++k) v = (v << 8) | static_cast<unsigned char>(b[at + k]);
    return v;
}

uint32_t LittleEndian(std::string_view b, size_t at, size_t n) {
    uint32_t v = 0;
    for (size_t k = 0; k < n; ++k) v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + k])) << (8 * k);
    return v;
}

// SDL's allocator, kept to forward to, and the largest block it may hand out.
SDL_malloc_func baseMalloc = nullptr;
SDL_calloc_func baseCalloc = nullptr;
SDL_realloc_func baseRealloc = nullptr;
SDL_free_func baseFree = nullptr;
size_t blockLimit = size_t{1} << 30;

void* SDLCALL LimitedMalloc(size_t n) { return n > blockLimit ? nullptr : baseMalloc(n); }
void* SDLCALL LimitedCalloc(size_t n, size_t size) {
    return size != 0 && n > blockLimit / size ? nullptr : baseCalloc(n, size);
}
void* SDLCALL LimitedRealloc(void* p, size_t n) { return n > blockLimit ? nullptr : baseRealloc(p, n); }

// The size the header claims, without decoding. BMP is read here first: the stb reader
// gives up on compressions it does not know, which SDL may still try to decode. The stb reader sizes most formats;
// a PNG it finds too large to decode at all it only refuses, so its header is read here.
bool HeaderSize(std::string_view bytes, long long* w, long long* h) {
    if (bytes.size() >= 26 && bytes.substr(0, 2) == "BM") {
        const uint32_t header = LittleEndian(bytes, 14, 4);
        if (header == 12) {  // the old OS/2 header: 16-bit sides
            *w = LittleEndian(bytes, 18, 2), *h = LittleEndian(bytes, 20, 2);
        } else {
            *w = static_cast<int32_t>(LittleEndian(bytes, 18, 4));
            *h = static_cast<int32_t>(LittleEndian(bytes, 22, 4));
        }
        *w = *w < 0 ? -*w : *w;   // a negative height means rows top to bottom
        *h = *h < 0 ? -*h : *h;
        return true;
    }
    int iw = 0, ih = 0, channels = 0;
    if (bytes.size() <= static_cast<size_t>(INT32_MAX) &&
        stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()), &iw, &ih,
                              &channels)) {
        *w = iw, *h = ih;
        return true;
    }
    if (bytes.size() >= 24 && bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8) &&
        bytes.substr(12, 4) == "IHDR") {
        *w = BigEndian32(bytes, 16), *h = BigEndian32(bytes, 20);
        return true;
    }
    return false;
}

// False with the reason when the header claims a side above the limit. Formats whose
// header is not read here are left to the decoder.
bool HeaderSizeAllowed(std::string_view bytes, std::string* error) {
    long long w = 0, h = 0;
    if (!HeaderSize(bytes, &w, &h) || (w <= sideLimit && h <= sideLimit)) return true;
    if (error)
        *error = "the image is " + std::to_string(w) + "x" + std::to_string(h) + " pixels; the largest taken is " +
                 std::to_string(sideLimit) + "x" + std::to_string(sideLimit);
    return false;
}

// The file name's extension in upper case, the type hint the decoder needs for
// formats without a signature (TGA).
std::string TypeOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string t = path.substr(dot + 1);
    for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
}
}  // namespace

void GuardDecoderBlocks() {
    if (!baseMalloc) {
        // The wrappers forward to the allocator SDL had, so blocks made before stay good.
        SDL_GetMemoryFunctions(&baseMalloc, &baseCalloc, &baseRealloc, &baseFree);
        SDL_SetMemoryFunctions(LimitedMalloc, LimitedCalloc, LimitedRealloc, baseFree);
    }
}

void LimitDecoderBlocks(size_t maxBytes) {
    GuardDecoderBlocks();
    blockLimit = maxBytes;
}

int ImageSideLimit() { return sideLimit; }

void SetImageSideLimit(int maxTextureSize) {
    sideLimit = maxTextureSize > 0 && maxTextureSize < kImageSideLimit ? maxTextureSize : kImageSideLimit;
}

bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error) {
    // A FIFO or a device is refused at once with its reason, as a missing file is.
    const FileRead read = ReadFileChecked(path, kImageFileLimit);
    if (!read.Ok()) {
        if (error) *error = "cannot read " + path + ": " + read.error;
        return false;
    }
    return DecodeImageRgba(read.bytes, TypeOf(path), out, error);
}

bool DecodeImageRgba(std::string_view bytes, const std::string& type, RgbaImage* out, std::string* error) {
    GuardDecoderBlocks();
    if (!HeaderSizeAllowed(bytes, error)) return false;
    if (bytes.size() > static_cast<size_t>(INT32_MAX)) {
        if (error) *error = "the image file is too large";
        return false;
    }
    if (bytes.substr(0, 4) == "GIF8") {
        // GIF through the stb reader: the image library's own GIF reader was seen (by
        // the image fuzz target) to free a stray pointer on some damaged files.
        int w = 0, h = 0, channels = 0;
        stbi_uc* px = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                            static_cast<int>(bytes.size()), &w, &h, &channels, 4);
        if (!px || w <= 0 || h <= 0 || w > sideLimit || h > sideLimit) {
            const char* why = stbi_failure_reason();
            const bool said = why && *why;   // the reader may give up without a word
            if (error) *error = px ? "the image has no pixels or is too large" : said ? why : "the image could not be decoded";
            if (px) stbi_image_free(px);
            return false;
        }
        out->width = w;
        out->height = h;
        out->pixels.assign(px, px + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
        stbi_image_free(px);
        return true;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_Surface* loaded = rw ? IMG_LoadTyped_RW(rw, 1, type.empty() ? nullptr : type.c_str()) : nullptr;
    if (!loaded) {
        // Some readers give up without a word.
        const std::string why = IMG_GetError();
        if (error) *error = why.empty() ? "the image could not be decoded" : why;
        return false;
    }
    if (loaded->w <= 0 || loaded->h <= 0) {
        if (error) *error = "the image has no pixels";
        SDL_FreeSurface(loaded);
        return false;
    }
    // A format whose header is not read above is held to the same limit once decoded.
    if (loaded->w > sideLimit || loaded->h > sideLimit) {
        if (error)
            *error = "the image is " + std::to_string(loaded->w) + "x" + std::to_string(loaded->h) +
                     " pixels; the largest taken is " + std::to_string(sideLimit) + "x" + std::to_string(sideLimit);
        SDL_FreeSurface(loaded);
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
