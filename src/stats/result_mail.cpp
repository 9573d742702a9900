// Percent-encoding of the result mail link.
#include "stats/result_mail.h"

namespace zembrol {

namespace {
bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}
}  // namespace

std::string PercentEncode(std::string_view text, std::string_view keep) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (Unreserved(c) || (c != '%' && keep.find(ch) != std::string_view::npos)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

std::string ResultMailLink(std::string_view address, std::string_view resultText) {
    // The address keeps its "@"; anything else in it that a link reads as a delimiter is encoded.
    return "mailto:" + PercentEncode(address, "@") + "?subject=" + PercentEncode("Zembrol result") +
           "&body=" + PercentEncode(resultText);
}

}  // namespace zembrol
