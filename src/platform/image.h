// Image files for the renderer, the screenshot and the texture tool: decoding any
// format the image library reads into plain RGBA bytes, and writing RGBA bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

// Tightly packed 8-bit RGBA, rows top to bottom.
struct RgbaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;   // width * height * 4
};

// The largest width or height an image may have: the GL's largest texture, at most 8192.
inline constexpr int kImageSideLimit = 8192;
int ImageSideLimit();
// Called once the GL device knows its largest texture side.
void SetImageSideLimit(int maxTextureSize);
// A second guard behind the header checks, for the formats whose headers are not read:
// from the first call on, SDL (and so its image and wave readers) is refused any single
// block above maxBytes, so a damaged file fails to load instead of claiming gigabytes.
// GuardDecoderBlocks puts the guard in place with the limit it has (1 GiB unless set).
void LimitDecoderBlocks(size_t maxBytes);
void GuardDecoderBlocks();

// Reads BMP, JPG, PNG, TGA, ... into RGBA. False with the library's reason. An image
// whose header claims a side above ImageSideLimit() is refused before it is decoded,
// so a damaged or hostile header cannot make the decoder claim gigabytes.
bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error);
// The same from the file's bytes; `type` is the file name's extension ("BMP", "TGA",
// ...), which formats without a signature need, or empty.
bool DecodeImageRgba(std::string_view bytes, const std::string& type, RgbaImage* out, std::string* error);
// Writes RGBA pixels in the format the file name's extension asks for: ".png"
// (with alpha), ".jpg" (quality 92) or ".bmp" (24-bit, alpha dropped). False with the reason.
bool SaveImageRgba(const std::string& path, const RgbaImage& image, std::string* error);

}  // namespace zembrol::platform
