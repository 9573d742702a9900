// Image files for the renderer, the screenshot and the texture tool: decoding any
// format the image library reads into plain RGBA bytes, and writing RGBA bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zembrol::platform {

// Tightly packed 8-bit RGBA, rows top to bottom.
struct RgbaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;   // width * height * 4
};

// The largest side of a picture the game decodes: larger ones are refused.
inline constexpr int64_t kMaxImageSide = 8192;

// The size a PNG, BMP, GIF or JPEG file declares in its header; false for other
// formats or an unreadable file.
bool ReadImageSize(const std::string& path, int64_t* width, int64_t* height);
// Reads BMP, JPG, PNG, TGA, ... into RGBA. False with the library's reason, or when
// the picture declares a side above kMaxImageSide.
bool LoadImageRgba(const std::string& path, RgbaImage* out, std::string* error);
// Writes RGBA pixels in the format the file name's extension asks for: ".png"
// (with alpha), ".jpg" (quality 92) or ".bmp" (24-bit, alpha dropped). False with the reason.
bool SaveImageRgba(const std::string& path, const RgbaImage& image, std::string* error);

}  // namespace zembrol::platform
