// Shortened label texts, counted in characters, not bytes.
#include "windows/short_text.h"

#include "platform/text_encoding.h"

namespace zembrol {

std::string g_ShortText(const std::string& text, int width) {
    if (static_cast<long>(platform::Utf8Length(text)) <= width) return text;
    size_t k = width > 3 ? static_cast<size_t>((width - 3) / 2) : 0;
    return platform::Utf8Prefix(text, k) + "..." + platform::Utf8Suffix(text, k);
}

}  // namespace zembrol
