// Image decoding and writing through SDL2_image. It reads PNG with libpng and JPG with
// libjpeg, the decoders made for pictures from anywhere, and BMP and TGA with SDL's own
// readers; the reader is chosen by the file's signature (TGA, which has none, by the
// name), so no other reader ever sees the bytes. (The single-header decoder the UI
// toolkit links reads a picture's size before decoding it, but writes past its Huffman
// table on a damaged JPEG: it is not used for pictures a player may bring.)
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/files.h"

namespace zembrol::platform {

namespace {
int sideLimit = kImageSideLimit;

// The size check. SDL2_image cannot read a header alone, but each of its readers makes
// the picture's surface from the header, through SDL's allocator, before it decodes a
// pixel. While a picture decodes, a block past what a picture at the side limit needs
// is refused there: a header that claims more fails at once instead of taking
// gigabytes. SDL has one allocator for the whole process, so the hook is installed
// once; outside a decode, and on every other thread, it only forwards.
SDL_malloc_func baseMalloc = nullptr;
SDL_calloc_func baseCalloc = nullptr;
SDL_realloc_func baseRealloc = nullptr;
SDL_free_func baseFree = nullptr;
thread_local size_t budget = SIZE_MAX;
thread_local bool overBudget = false;

bool Allowed(size_t n) {
    if (n <= budget) return true;
    overBudget = true;
    return false;
}
void* SDLCALL BudgetMalloc(size_t n) { return Allowed(n) ? baseMalloc(n) : nullptr; }
void* SDLCALL BudgetCalloc(size_t n, size_t size) {
    return size != 0 && n > SIZE_MAX / size ? nullptr : Allowed(n * size) ? baseCalloc(n, size) : nullptr;
}
void* SDLCALL BudgetRealloc(void* p, size_t n) { return Allowed(n) ? baseRealloc(p, n) : nullptr; }

// The budget while one picture decodes: its surface as the file has it, its RGBA copy
// and the readers' own blocks, each at most a picture at the side limit.
class Budget {
public:
    Budget() {
        static std::once_flag installed;
        std::call_once(installed, [] {
            // The hooks forward to the allocator SDL had, so blocks made before stay good.
            SDL_GetMemoryFunctions(&baseMalloc, &baseCalloc, &baseRealloc, &baseFree);
            SDL_SetMemoryFunctions(BudgetMalloc, BudgetCalloc, BudgetRealloc, baseFree);
        });
        budget = 4 * static_cast<size_t>(sideLimit) * static_cast<size_t>(sideLimit) + (size_t{1} << 20);
        overBudget = false;
    }
    ~Budget() { budget = SIZE_MAX; }
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;
    bool Exceeded() const { return overBudget; }
};

std::string SizeText(long long w, long long h) { return std::to_string(w) + "x" + std::to_string(h); }

// The file name's extension in upper case, the type hint TGA needs.
std::string TypeOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string t = path.substr(dot + 1);
    for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
}

// The picture decoded by the reader its signature names; null with the reason.
SDL_Surface* Decode(SDL_RWops* rw, const std::string& type, std::string* why) {
    SDL_Surface* loaded = nullptr;
    if (IMG_isPNG(rw)) loaded = IMG_LoadPNG_RW(rw);
    else if (IMG_isJPG(rw)) loaded = IMG_LoadJPG_RW(rw);
    else if (IMG_isBMP(rw)) loaded = IMG_LoadBMP_RW(rw);
    else if (type == "TGA") loaded = IMG_LoadTGA_RW(rw);
    else {
        *why = "not a BMP, JPG, PNG or TGA picture";
        return nullptr;
    }
    if (!loaded) {
        // Some readers give up without a word.
        *why = IMG_GetError();
        if (why->empty()) *why = "the image could not be decoded";
    }
    return loaded;
}
}  // namespace

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
    auto refuse = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (bytes.size() > kImageFileLimit)
        return refuse("the image file is larger than " + std::to_string(kImageFileLimit) + " bytes");
    const std::string past = "the image is larger than " + SizeText(sideLimit, sideLimit) + " pixels";
    SDL_Surface* rgba = nullptr;
    {
        const Budget budget;
        SDL_ClearError();
        SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
        std::string why;
        SDL_Surface* loaded = rw ? Decode(rw, type, &why) : nullptr;
        if (rw) SDL_RWclose(rw);
        // A surface past what SDL can hold at all is refused by SDL in the same words as
        // one past the budget.
        if (!loaded) return refuse(budget.Exceeded() || why == "Out of memory" ? past : rw ? why : SDL_GetError());
        if (loaded->w <= 0 || loaded->h <= 0) {
            SDL_FreeSurface(loaded);
            return refuse("the image has no pixels");
        }
        // A side past the limit in a picture small enough to pass the budget.
        if (loaded->w > sideLimit || loaded->h > sideLimit) {
            const std::string size = SizeText(loaded->w, loaded->h);
            SDL_FreeSurface(loaded);
            return refuse("the image is " + size + " pixels; the largest taken is " + SizeText(sideLimit, sideLimit));
        }
        // ABGR8888 is R, G, B, A in memory order on a little-endian machine; the
        // packed RGBA32 alias picks the right one everywhere.
        rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
        SDL_FreeSurface(loaded);
        if (!rgba) return refuse(budget.Exceeded() ? past : SDL_GetError());
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
