// The full statistics file: up to 100 game records (StatRec) of 57 bytes each, packed,
// little-endian, best score first, no header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembrol {

inline constexpr size_t kStatRecBytes = 57;
inline constexpr int kFullStatRows = 100;

struct StatRec {
    std::string Name;       // 11 Windows-1251 bytes on disk, padded with spaces
    int32_t Score = 0;
    int32_t Moves = 0;
    int32_t Bonus = 0;      // change + colour + Inversia bonuses
    int32_t ZembBonus = 0;
    int16_t Specials = 0;
    int16_t Zembs = 0;
    int16_t Lines1 = 0, Lines2 = 0, Lines3 = 0, Lines4 = 0;
    int32_t TimeBonus = 0;
    int16_t Figures = 0;
    int16_t Place = 0;
    int16_t Level = 0;
    std::string Date;       // "05.03.04", 8 bytes on disk
    bool operator==(const StatRec&) const = default;
};

// The row a new file starts with: "Gamer", "??.??.??", place 1, every other number 0.
StatRec DefaultStatRec();

// 57 bytes. The texts are written in Windows-1251, one byte a character (a character
// the code page cannot hold becomes '?'): a name keeps its first 11 letters.
std::string EncodeStatRec(const StatRec& rec);
// From exactly 57 bytes. A text written in UTF-8 by an older version (even one cut
// inside its last letter) reads as UTF-8, any other as Windows-1251; the name always
// reads as 11 characters, the date as 8.
StatRec DecodeStatRec(std::string_view bytes);

// The whole records of a file, at most 100: a trailing partial record is ignored.
std::vector<StatRec> ParseFullStat(std::string_view bytes);
std::string FormatFullStat(const std::vector<StatRec>& records);
// Puts rec before the first record with a lower score (a full table loses its last
// record); appends it when it beats none and there is room. Returns its 1-based place,
// or 0 when it did not enter.
int InsertIntoFullStat(std::vector<StatRec>& records, const StatRec& rec);

}  // namespace zembrol
