// Text encodings: UTF-8 checks, repairs and cuts, and Windows-1251 both ways through
// the code page's own table (no dependence on the system's converters).
#include "platform/text_encoding.h"

#include <algorithm>
#include <cstdint>

namespace zembrol::platform {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Windows-1251 bytes 0x80..0xBF as code points (0: unassigned); 0xC0..0xFF are А..я.
constexpr char32_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

// The length of the UTF-8 character starting at text[i] (1 for ASCII) and its code
// point; 0 when the byte there starts no valid character.
size_t CharAt(std::string_view text, size_t i, char32_t* cp) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    size_t len;
    char32_t v;
    if (c < 0x80) { *cp = c; return 1; }
    if ((c & 0xE0) == 0xC0) { len = 2; v = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { len = 3; v = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { len = 4; v = c & 0x07; }
    else return 0;
    if (i + len > text.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        const unsigned char d = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(d)) return 0;
        v = (v << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((len == 2 && v < 0x80) || (len == 3 && v < 0x800) || (len == 4 && v < 0x10000) ||
        (v >= 0xD800 && v <= 0xDFFF) || v > 0x10FFFF)
        return 0;
    *cp = v;
    return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char Cp1251ByteOf(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0x410 && cp <= 0x44F) return static_cast<char>(0xC0 + (cp - 0x410));
    const auto* at = std::find(std::begin(kCp1251High), std::end(kCp1251High), cp);
    return at == std::end(kCp1251High) ? '?' : static_cast<char>(0x80 + (at - std::begin(kCp1251High)));
}

// Byte offset of the start of character number `index` (or text.size()).
size_t OffsetOfChar(std::string_view text, size_t index) {
    size_t pos = 0;
    for (size_t n = 0; n < index && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && IsContinuation(static_cast<unsigned char>(text[pos]))) ++pos;
    }
    return pos;
}
}  // namespace

bool IsValidUtf8(std::string_view text) {
    char32_t cp;
    for (size_t i = 0, len; i < text.size(); i += len)
        if ((len = CharAt(text, i, &cp)) == 0) return false;
    return true;
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const char32_t cp = c < 0x80 ? c : c >= 0xC0 ? 0x410 + (c - 0xC0) : kCp1251High[c - 0x80];
        AppendUtf8(out, cp == 0 && c != 0 ? U'?' : cp);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t cp;
    for (size_t i = 0; i < text.size();) {
        const size_t len = CharAt(text, i, &cp);
        out += len == 0 ? '?' : Cp1251ByteOf(cp);
        i += std::max<size_t>(len, 1);
    }
    return out;
}

std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    char32_t cp;
    for (size_t i = 0; i < bytes.size();) {
        const size_t len = CharAt(bytes, i, &cp);
        if (len == 0) out += '?';
        else out.append(bytes.substr(i, len));
        i += std::max<size_t>(len, 1);
    }
    return out;
}

LineEncoding ClassifyLine(std::string_view line) {
    size_t inCharacters = 0, stray = 0;   // high bytes in valid UTF-8 characters, and the others
    char32_t cp;
    for (size_t i = 0; i < line.size();) {
        const size_t len = CharAt(line, i, &cp);
        if (len == 0) ++stray;
        else if (len > 1) inCharacters += len;
        i += std::max<size_t>(len, 1);
    }
    if (stray == 0) return LineEncoding::Utf8;
    return inCharacters > stray ? LineEncoding::DamagedUtf8 : LineEncoding::Cp1251;
}

std::string DecodeLine(std::string_view line, bool* damaged) {
    const LineEncoding encoding = ClassifyLine(line);
    if (damaged) *damaged = encoding == LineEncoding::DamagedUtf8;
    switch (encoding) {
        case LineEncoding::Utf8: return std::string(line);
        case LineEncoding::DamagedUtf8: return RepairUtf8(line);
        case LineEncoding::Cp1251: break;
    }
    return Cp1251ToUtf8(line);
}

std::string DecodeFileText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        out += DecodeLine(bytes.substr(start, end - start));
        // Line ends (and the empty lines between them) are the same bytes in both encodings.
        const size_t next = std::min(bytes.find_first_not_of("\r\n", end), bytes.size());
        out.append(bytes.substr(end, next - end));
        start = next;
    }
    return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

size_t Utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::string Utf8Prefix(std::string_view text, size_t maxChars) {
    return std::string(text.substr(0, OffsetOfChar(text, maxChars)));
}

std::string Utf8PrefixOfBytes(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    size_t end = maxBytes;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
    return std::string(text.substr(0, end));
}

std::string Utf8Suffix(std::string_view text, size_t maxChars) {
    size_t total = Utf8Length(text);
    if (maxChars >= total) return std::string(text);
    return std::string(text.substr(OffsetOfChar(text, total - maxChars)));
}

std::string Utf8FixedWidth(std::string_view text, size_t chars) {
    std::string fixed = Utf8Prefix(text, chars);
    const size_t have = Utf8Length(fixed);
    if (have < chars) fixed.append(chars - have, ' ');
    return fixed;
}

size_t Utf8CutTail(std::string_view text) {
    for (size_t k = 1; k <= 3 && k <= text.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(text[text.size() - k]);
        if (IsContinuation(c)) continue;
        const size_t need = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        return need > k ? k : 0;
    }
    return 0;
}

}  // namespace zembrol::platform
