// Text encodings: our files are UTF-8; older language and record files may be
// Windows-1251. Also character-aware cutting of UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

bool IsValidUtf8(std::string_view text);
// Converts Windows-1251 bytes to UTF-8 (glibc iconv; a byte iconv cannot map becomes '?').
std::string Cp1251ToUtf8(std::string_view text);
// Text read from a file, decided line by line: a line that is valid UTF-8 is kept,
// any other line is taken as Windows-1251. One stray byte therefore touches only its
// own line, and a whole file written by an older version (all Windows-1251) still
// reads as such. Line ends are kept as they were.
std::string DecodeFileText(std::string_view bytes);
// The lines of a text: CR LF, LF and a lone CR all end a line; a last line without
// a line end counts, an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);
// Number of characters (code points) of valid UTF-8 text.
size_t Utf8Length(std::string_view text);
// The first maxChars characters, never cutting a character in two.
std::string Utf8Prefix(std::string_view text, size_t maxChars);
// The last maxChars characters.
std::string Utf8Suffix(std::string_view text, size_t maxChars);

}  // namespace zembrol::platform
