// Text rasterised from a TrueType font: locating an installed font by pattern and
// turning one line of UTF-8 text into an 8-bit coverage image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zembrol::platform {

// The file of the installed font that best matches a fontconfig pattern (e.g.
// "serif:bold:lang=ru"); empty when none is found.
std::string FindFontFile(const std::string& pattern);
// The same for a monospaced face (e.g. "monospace:lang=ru"): empty when the best
// match is proportional, as it is when no monospaced font is installed.
std::string FindMonospaceFontFile(const std::string& pattern);

// One line of text as coverage (0 = background, 255 = ink), rows top to bottom.
struct TextImage {
    int width = 0, height = 0;
    int baseline = 0;                 // rows from the top to the baseline
    std::vector<uint8_t> coverage;    // width * height
};

// A font face at one pixel size; rasterises lines of UTF-8 text.
class Font {
public:
    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    // False with the reason when the file cannot be used.
    bool Open(const std::string& file, int pixelSize, std::string* error);
    bool IsOpen() const { return face_ != nullptr; }
    int PixelSize() const { return pixelSize_; }
    // The line's ink; glyphs missing from the face are skipped.
    TextImage Render(const std::string& utf8) const;

private:
    void* library_ = nullptr;
    void* face_ = nullptr;
    int pixelSize_ = 0;
};

}  // namespace zembrol::platform
