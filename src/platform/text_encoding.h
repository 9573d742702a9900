// Text encodings: our files are UTF-8; older language and record files may be
// Windows-1251. Also character-aware cutting of UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zembrol::platform {

bool IsValidUtf8(std::string_view text);
// Converts Windows-1251 bytes to UTF-8 (glibc iconv; a byte iconv cannot map becomes '?').
std::string Cp1251ToUtf8(std::string_view text);
// Text read from a file: kept when it is valid UTF-8, otherwise taken as Windows-1251.
std::string DecodeFileText(std::string_view bytes);
// Number of characters (code points) of valid UTF-8 text.
size_t Utf8Length(std::string_view text);
// The first maxChars characters, never cutting a character in two.
std::string Utf8Prefix(std::string_view text, size_t maxChars);
// The last maxChars characters.
std::string Utf8Suffix(std::string_view text, size_t maxChars);

}  // namespace zembrol::platform
