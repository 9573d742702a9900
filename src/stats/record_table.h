// Record tables: up to 100 names with scores, best first, kept as two parallel lists,
// and their text file (a name line, then a score line, per entry; CR LF).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol {

inline constexpr int kRecordRows = 100;
inline constexpr int32_t kNoRecordScore = -500000;   // g_RecordScores beyond the table's content
inline constexpr size_t kRecordNameChars = 11;

struct RecordTable {
    std::vector<std::string> names;
    std::vector<int32_t> scores;
    int Count() const { return static_cast<int>(scores.size()); }
    bool operator==(const RecordTable&) const = default;
};

// The value of a number as far as it reads: leading blanks, a sign, digits and a
// fraction (rounded half to even); 0 when no digit comes first. Pinned to 32 bits.
int32_t NumberValue(std::string_view text);
// Reads a table file: pairs of lines, at most 100 entries; a name without a score line
// is dropped. Each line is UTF-8 or Windows-1251, decided on its own; CR LF, LF and a
// lone CR all end a line; control characters leave the names. When some of the file
// could not be read as it was written (a score line without a number, a name without
// its score, a UTF-8 line with stray bytes, which reads with '?' in their place),
// `damage` says what, so the file is not replaced without a copy of its bytes.
RecordTable ParseRecordTable(std::string_view bytes, std::string* damage = nullptr);
// The file text of a table.
std::string FormatRecordTable(const RecordTable& table);
// g_RecordScores: the first 100 scores, kNoRecordScore beyond the table's content.
std::array<int32_t, kRecordRows> RecordScores(const RecordTable& table);

// The place of score s: the first entry with a lower score (equal scores go after the
// older ones), else the next free row, else -1 for a full table. Unless query, the
// entry is inserted and a table of 101 loses its last entry.
int InsertPlace(RecordTable& table, int32_t s, const std::string& name, bool query);
// The place shown during play: 1 + the number of the 100 scores that s does not beat.
int LivePlace(const std::array<int32_t, kRecordRows>& scores, int32_t s);

// A name cut (never inside a character) or padded with spaces to 11 characters.
std::string FixedName(std::string_view name);

}  // namespace zembrol
