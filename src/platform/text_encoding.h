// Text encodings: our files are UTF-8; older language, settings and record files may be
// Windows-1251, and a file may hold a line damaged by a stray byte. Also
// character-aware cutting of UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol::platform {

bool IsValidUtf8(std::string_view text);
// Windows-1251 bytes as UTF-8; the one byte the code page leaves unassigned (0x98)
// becomes '?'.
std::string Cp1251ToUtf8(std::string_view text);
// UTF-8 text as Windows-1251 bytes, one a character; a character the code page has no
// byte for, and each byte that is not part of a UTF-8 character, becomes '?'.
std::string Utf8ToCp1251(std::string_view text);
// The valid UTF-8 characters of the bytes as they are; each other byte becomes '?'.
std::string RepairUtf8(std::string_view bytes);

// How the bytes of one line read, decided by what they spell. A line of valid UTF-8 is
// UTF-8. Otherwise, when most of its bytes above 0x7F form valid UTF-8 characters, it
// is UTF-8 with a few stray bytes: in Windows-1251 such a pair needs a capital letter
// followed by a sign or a rare letter such as "ё", so nearly every high byte of real
// Windows-1251 text is a stray one. Any other line is Windows-1251.
enum class LineEncoding { Utf8, Cp1251, DamagedUtf8 };
LineEncoding ClassifyLine(std::string_view line);
// One line as UTF-8 by ClassifyLine: a damaged line keeps its readable characters and
// its stray bytes show as '?'; `damaged`, when given, says whether it was one.
std::string DecodeLine(std::string_view line, bool* damaged = nullptr);
// Text read from a file, decided line by line (DecodeLine): one stray byte therefore
// touches only its own line, and a whole file written by an older version (all
// Windows-1251) still reads as such. Line ends are kept as they were.
std::string DecodeFileText(std::string_view bytes);
// The lines of a text: CR LF, LF and a lone CR all end a line; a last line without
// a line end counts, an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);
// Number of characters (code points) of valid UTF-8 text.
size_t Utf8Length(std::string_view text);
// The first maxChars characters, never cutting a character in two.
std::string Utf8Prefix(std::string_view text, size_t maxChars);
// The longest start of the text of at most maxBytes bytes that cuts no character in two.
std::string Utf8PrefixOfBytes(std::string_view text, size_t maxBytes);
// The last maxChars characters.
std::string Utf8Suffix(std::string_view text, size_t maxChars);
// Exactly chars characters: cut (never inside a character) or padded with spaces.
std::string Utf8FixedWidth(std::string_view text, size_t chars);
// How many bytes at the end of the text are the start of a character cut short (0 to 3).
size_t Utf8CutTail(std::string_view text);

}  // namespace zembrol::platform
