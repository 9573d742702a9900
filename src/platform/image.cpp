// Image decoding through one decoder, the stb image reader compiled here for the five
// formats the game takes, and image writing through SDL2_image. One reader both reads
// a picture's header and decodes its pixels, so the size checked before decoding is
// the size that is decoded, for every format; and it decodes straight to RGBA.
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files.h"

// The decoder's own instance, private to this file: only the formats the game takes
// (BMP, JPG, PNG, TGA, GIF), no side above kImageSideLimit in any of its readers, its
// reasons in words, and its blocks held to the budget of the picture it decodes.
namespace {
// The largest block the decoder may ask for while it decodes one picture, and whether
// it asked for more. The header's size bounds the pixels, but not every block: a PNG's
// pixel data is inflated into a block that grows with what the compressed data gives,
// however small the picture, and a chunk's stated length is reserved before it is
// read. The budget holds both to what a picture of that size can need.
thread_local size_t budget = SIZE_MAX;
thread_local bool overBudget = false;

void* BudgetMalloc(size_t n) {
    if (n > budget) {
        overBudget = true;
        return nullptr;
    }
    return std::malloc(n);
}
void* BudgetRealloc(void* p, size_t n) {
    if (n > budget) {
        overBudget = true;
        return nullptr;
    }
    return std::realloc(p, n);
}
}  // namespace
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#define STBI_MAX_DIMENSIONS 8192
#define STBI_MALLOC(n) BudgetMalloc(n)
#define STBI_REALLOC(p, n) BudgetRealloc(p, n)
#define STBI_FREE(p) std::free(p)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace zembrol::platform {

static_assert(STBI_MAX_DIMENSIONS == kImageSideLimit, "the decoder's own side limit is the game's");

namespace {
int sideLimit = kImageSideLimit;

std::string SizeText(long long w, long long h) { return std::to_string(w) + "x" + std::to_string(h); }

// The decoder's reason for the call just made, or one of ours where it gave none
// (a reason is kept until the next failure, so it is cleared before each call).
void ClearDecoderReason() { stbi__g_failure_reason = nullptr; }
std::string DecoderReason() {
    const char* why = stbi_failure_reason();
    if (!why || !*why) return "the image could not be decoded";
    // The readers' word for a side past the limit; the limit is said in the game's terms.
    if (std::strstr(why, "large"))
        return "the image is larger than " + SizeText(kImageSideLimit, kImageSideLimit) + " pixels";
    return why;
}

// Why the header could not be read. The decoder tries each of its readers in turn and
// keeps the last one's word ("not of any known type"), which would hide the reason of
// the reader the file's signature names: that reader is asked again alone.
std::string HeaderReason(const stbi_uc* data, int length) {
    stbi__context header;
    stbi__start_mem(&header, data, length);
    int w = 0, h = 0, channels = 0;
    auto starts = [&](const char* signature, int n) { return length >= n && std::memcmp(data, signature, static_cast<size_t>(n)) == 0; };
    ClearDecoderReason();
    if (starts("\x89PNG", 4)) stbi__png_info(&header, &w, &h, &channels);
    else if (starts("GIF8", 4)) stbi__gif_info(&header, &w, &h, &channels);
    else if (starts("\xFF\xD8", 2)) stbi__jpeg_info(&header, &w, &h, &channels);
    else if (starts("BM", 2)) stbi__bmp_info(&header, &w, &h, &channels);
    else return "not a BMP, JPG, PNG, TGA or GIF picture, or a damaged one";
    return DecoderReason();
}

// What one picture of w x h may need in one block: 16 bytes a pixel with a margin of
// 16 pixels each way (16-bit RGBA rows inflated, interlaced passes, a JPEG's blocks),
// twice the file (its compressed data gathered in one growing block), and 1 MiB.
size_t BudgetFor(int w, int h, size_t fileBytes) {
    return 16 * (static_cast<size_t>(w) + 16) * (static_cast<size_t>(h) + 16) + 2 * fileBytes + (size_t{1} << 20);
}

// The decoder's budget while one call runs.
class Budget {
public:
    explicit Budget(size_t bytes) {
        budget = bytes;
        overBudget = false;
    }
    ~Budget() { budget = SIZE_MAX; }
    Budget(const Budget&) = delete;
    Budget& operator=(const Budget&) = delete;
    bool Exceeded() const { return overBudget; }
};
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
    return DecodeImageRgba(read.bytes, out, error);
}

bool DecodeImageRgba(std::string_view bytes, RgbaImage* out, std::string* error) {
    auto refuse = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (bytes.size() > kImageFileLimit)
        return refuse("the image file is larger than " + std::to_string(kImageFileLimit) + " bytes");
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    // The header first: its size is checked before a pixel is decoded.
    int w = 0, h = 0, channels = 0;
    {
        const Budget header(BudgetFor(0, 0, bytes.size()));
        ClearDecoderReason();
        if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return refuse(HeaderReason(data, length));
    }
    if (w <= 0 || h <= 0) return refuse("the image has no pixels");
    if (w > sideLimit || h > sideLimit)
        return refuse("the image is " + SizeText(w, h) + " pixels; the largest taken is " +
                      SizeText(sideLimit, sideLimit));
    int dw = 0, dh = 0;
    stbi_uc* px = nullptr;
    {
        const Budget pixels(BudgetFor(w, h, bytes.size()));
        ClearDecoderReason();
        px = stbi_load_from_memory(data, length, &dw, &dh, &channels, 4);
        if (!px && pixels.Exceeded())
            return refuse("the image's data is far larger than a " + SizeText(w, h) + " picture needs");
    }
    if (!px) return refuse(DecoderReason());
    // The reader that sized the header is the one that decoded it: the two agree.
    if (dw != w || dh != h) {
        stbi_image_free(px);
        return refuse("the image decoded as " + SizeText(dw, dh) + " pixels, not the " + SizeText(w, h) +
                      " of its header");
    }
    out->width = w;
    out->height = h;
    out->pixels.assign(px, px + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    stbi_image_free(px);
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
