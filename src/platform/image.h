// Image files for the renderer, the screenshot and the texture tool: decoding the
// picture formats the game takes into plain RGBA bytes, and writing RGBA bytes.
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

// Reads BMP, JPG, PNG and TGA into RGBA; false with the reason. The file must be a
// regular file of at most kImageFileLimit bytes. A picture whose header claims more
// than a picture of ImageSideLimit() on each side is refused before a pixel is
// decoded, so a damaged or hostile header cannot make the decoder claim gigabytes;
// one with a single side past the limit is refused once decoded.
bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error);
// The same from the file's bytes; `type` is the file name's extension ("TGA", ...),
// which TGA, a format without a signature, needs; the others are told by their content.
bool DecodeImageRgba(std::string_view bytes, const std::string& type, RgbaImage* out, std::string* error);
// Writes RGBA pixels in the format the file name's extension asks for: ".png"
// (with alpha), ".jpg" (quality 92) or ".bmp" (24-bit, alpha dropped). False with the reason.
bool SaveImageRgba(const std::string& path, const RgbaImage& image, std::string* error);

}  // namespace zembrol::platform
