// Image decoding and writing. Pictures are read by one decoder (stb_image, the
// library the UI toolkit already links): it reads a picture's size from its header
// alone, so a picture larger than the GL device can take is refused before a pixel is
// decoded. Only BMP, JPG, PNG and TGA are taken — told by their signatures, TGA (which
// has none) by the file name. Writing goes through SDL2_image.
#include "platform/image.h"

#include <SDL.h>
#include <SDL_image.h>
#include <stb/stb_image.h>

#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "platform/files.h"

namespace zembrol::platform {

namespace {
int sideLimit = kImageSideLimit;

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

bool StartsWith(std::string_view bytes, std::string_view head) { return bytes.substr(0, head.size()) == head; }

// The formats the game takes. The decoder knows more (GIF, PSD, HDR, PIC, PNM) and
// guesses by content: a file named .tga that is one of those is not taken either.
bool TakenFormat(std::string_view bytes, const std::string& type) {
    if (StartsWith(bytes, "\x89PNG\r\n\x1a\n") || StartsWith(bytes, "\xFF\xD8\xFF") || StartsWith(bytes, "BM"))
        return true;
    if (type != "TGA") return false;
    for (std::string_view other : {"GIF8", "8BPS", "#?RADIANCE", "#?RGBE", "\x53\x80\xF6\x34", "P5", "P6"})
        if (StartsWith(bytes, other)) return false;
    return true;
}

std::string DecoderReason() {
    const char* why = stbi_failure_reason();
    return why && *why ? std::string("the image could not be decoded (") + why + ")" : "the image could not be decoded";
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
    if (!TakenFormat(bytes, type)) return refuse("not a BMP, JPG, PNG or TGA picture");
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int w = 0, h = 0, channels = 0;
    // The size first, from the header: nothing is decoded for a picture too large.
    if (!stbi_info_from_memory(data, length, &w, &h, &channels))
        return refuse(DecoderReason());
    if (w <= 0 || h <= 0) return refuse("the image has no pixels");
    if (w > sideLimit || h > sideLimit)
        return refuse("the image is " + SizeText(w, h) + " pixels; the largest taken is " + SizeText(sideLimit, sideLimit));
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(stbi_load_from_memory(data, length, &w, &h, &channels, 4),
                                                    stbi_image_free);
    if (!pixels) return refuse(DecoderReason());
    // The decoder read the same header again; a picture that differs now is not taken.
    if (w <= 0 || h <= 0 || w > sideLimit || h > sideLimit) return refuse("the image changed its size while it was read");
    out->width = w;
    out->height = h;
    out->pixels.assign(pixels.get(), pixels.get() + static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
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
