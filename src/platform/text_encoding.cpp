// Text encodings through glibc iconv; UTF-8 checks and cuts done by hand.
#include "platform/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zembrol::platform {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

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
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t len;
        uint32_t cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > text.size()) return false;
        for (size_t k = 1; k < len; ++k) {
            unsigned char d = static_cast<unsigned char>(text[i + k]);
            if (!IsContinuation(d)) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += len;
    }
    return true;
}

std::string Cp1251ToUtf8(std::string_view text) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
    std::string out;
    std::vector<char> buf(text.size() * 3 + 16);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buf.data();
        size_t outLeft = buf.size();
        size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buf.data(), buf.size() - outLeft);
        if (r == static_cast<size_t>(-1) && inLeft > 0) {
            // One byte with no mapping (0x98 in this code page): show it as '?'.
            out.push_back('?');
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

std::string DecodeFileText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        if (IsValidUtf8(line)) out.append(line);
        else out += Cp1251ToUtf8(line);
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

std::string Utf8Suffix(std::string_view text, size_t maxChars) {
    size_t total = Utf8Length(text);
    if (maxChars >= total) return std::string(text);
    return std::string(text.substr(OffsetOfChar(text, total - maxChars)));
}

}  // namespace zembrol::platform
