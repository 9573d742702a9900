// Font lookup with fontconfig and rasterisation with FreeType.
#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace zembrol::platform {

namespace {
std::string MatchFontFile(const std::string& pattern, bool monospaced) {
    // A configuration of our own, released here, so no library-wide state stays behind.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return {};
    std::string result;
    if (FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()))) {
        FcConfigSubstitute(config, pat, FcMatchPattern);
        FcDefaultSubstitute(pat);
        FcResult res = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config, pat, &res)) {
            FcChar8* file = nullptr;
            int spacing = FC_PROPORTIONAL;
            // fontconfig always answers with some font; a monospaced wish is met only
            // when the answer says it is one.
            const bool spacingOk = !monospaced || (FcPatternGetInteger(match, FC_SPACING, 0, &spacing) ==
                                                       FcResultMatch &&
                                                   spacing == FC_MONO);
            if (spacingOk && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
                result = reinterpret_cast<const char*>(file);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pat);
    }
    FcConfigDestroy(config);
    return result;
}
}  // namespace

std::string FindFontFile(const std::string& pattern) { return MatchFontFile(pattern, false); }

std::string FindMonospaceFontFile(const std::string& pattern) { return MatchFontFile(pattern, true); }

Font::~Font() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

bool Font::Open(const std::string& file, int pixelSize, std::string* error) {
    if (face_ || library_) {
        if (error) *error = "font already open";
        return false;
    }
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) {
        if (error) *error = "FreeType cannot start";
        return false;
    }
    library_ = lib;
    FT_Face face = nullptr;
    if (FT_New_Face(lib, file.c_str(), 0, &face) != 0) {
        if (error) *error = "cannot read the font file " + file;
        return false;
    }
    face_ = face;
    pixelSize_ = std::max(4, pixelSize);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize_));
    return true;
}

namespace {
// Next code point of UTF-8 text; malformed bytes come out as U+FFFD one by one.
uint32_t NextCodePoint(const std::string& s, size_t* k) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c = byte(*k);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || *k + static_cast<size_t>(extra) >= s.size()) {
        ++*k;
        return 0xFFFD;
    }
    uint32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    for (int i = 1; i <= extra; ++i) {
        unsigned char cc = byte(*k + static_cast<size_t>(i));
        if ((cc >> 6) != 2) {
            ++*k;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    *k += static_cast<size_t>(extra) + 1;
    return cp;
}
}  // namespace

TextImage Font::Render(const std::string& utf8) const {
    TextImage img;
    if (!face_) return img;
    FT_Face face = static_cast<FT_Face>(face_);
    const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descender = static_cast<int>(-(face->size->metrics.descender >> 6));
    img.baseline = ascender;
    img.height = ascender + descender;
    // Two passes: measure, then draw.
    struct Glyph {
        uint32_t index;
        int pen;
    };
    std::vector<Glyph> glyphs;
    int pen = 0, maxRight = 0;
    FT_UInt previous = 0;
    for (size_t k = 0; k < utf8.size();) {
        const uint32_t cp = NextCodePoint(utf8, &k);
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (index == 0) continue;
        if (previous && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern) == 0) pen += static_cast<int>(kern.x >> 6);
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) continue;
        glyphs.push_back({index, pen});
        const int right = pen + static_cast<int>(face->glyph->metrics.horiBearingX >> 6) +
                          static_cast<int>(face->glyph->metrics.width >> 6) + 1;
        pen += static_cast<int>(face->glyph->advance.x >> 6);
        maxRight = std::max({maxRight, right, pen});
        previous = index;
    }
    img.width = maxRight;
    if (img.width <= 0 || img.height <= 0) return TextImage{};
    img.coverage.assign(static_cast<size_t>(img.width) * static_cast<size_t>(img.height), 0);
    for (const Glyph& g : glyphs) {
        if (FT_Load_Glyph(face, g.index, FT_LOAD_RENDER) != 0) continue;
        const FT_Bitmap& bm = face->glyph->bitmap;
        const int x0 = g.pen + face->glyph->bitmap_left;
        const int y0 = img.baseline - face->glyph->bitmap_top;
        for (unsigned r = 0; r < bm.rows; ++r) {
            const int y = y0 + static_cast<int>(r);
            if (y < 0 || y >= img.height) continue;
            for (unsigned c = 0; c < bm.width; ++c) {
                const int x = x0 + static_cast<int>(c);
                if (x < 0 || x >= img.width) continue;
                uint8_t& dst = img.coverage[static_cast<size_t>(y) * static_cast<size_t>(img.width) + static_cast<size_t>(x)];
                dst = std::max(dst, bm.buffer[static_cast<int>(r) * bm.pitch + static_cast<int>(c)]);
            }
        }
    }
    return img;
}

}  // namespace zembrol::platform
