// StatRec on disk: fixed offsets, signed little-endian integers, space-padded texts in
// Windows-1251 (one byte a letter, so a name keeps its 11 letters).
#include "stats/stat_rec.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace zembrol {

StatRec DefaultStatRec() {
    StatRec r;
    r.Name = "Gamer";
    r.Date = "??.??.??";
    r.Place = 1;
    return r;
}

namespace {

// A stored text field reads as Windows-1251 unless it is the UTF-8 an older version
// wrote: its bytes, less a letter cut in two at the end, hold a multi-byte character and
// read as UTF-8 (a few stray bytes aside). Sets *utf8 to those bytes when they do.
bool ReadsAsUtf8(std::string_view field, std::string_view* utf8 = nullptr) {
    const std::string_view whole = field.substr(0, field.size() - platform::Utf8CutTail(field));
    if (std::all_of(whole.begin(), whole.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    if (platform::ClassifyLine(whole) == platform::LineEncoding::Cp1251) return false;
    if (utf8) *utf8 = whole;
    return true;
}

// The n bytes of a field as text of n characters.
std::string GetText(std::string_view field) {
    std::string_view utf8;
    const std::string text = ReadsAsUtf8(field, &utf8) ? platform::RepairUtf8(utf8) : platform::Cp1251ToUtf8(field);
    return platform::Utf8FixedWidth(text, field.size());
}

// A text field of n bytes: Windows-1251, cut to n characters, padded with spaces. In the
// rare case that those bytes would read back as UTF-8 (other letters), the field keeps
// the text in UTF-8 as far as it fits instead, or, when what fits no longer reads as
// UTF-8, its Windows-1251 bytes: either way what is written reads back as what it says,
// so a file read and written again keeps its bytes.
void PutText(std::string& out, std::string_view text, size_t n) {
    std::string bytes = platform::Utf8ToCp1251(text);
    bytes.resize(n, ' ');
    if (ReadsAsUtf8(bytes)) {
        std::string utf8 = platform::Utf8PrefixOfBytes(platform::RepairUtf8(text), n);
        utf8.resize(n, ' ');
        bytes = platform::Utf8ToCp1251(GetText(utf8));
        if (ReadsAsUtf8(bytes)) bytes = utf8;
    }
    out += bytes;
}

template <class T>
void Put(std::string& out, T v) {
    auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (size_t k = 0; k < sizeof(T); ++k) out += static_cast<char>((u >> (8 * k)) & 0xFF);
}

template <class T>
T Get(std::string_view b, size_t at) {
    std::make_unsigned_t<T> u = 0;
    for (size_t k = 0; k < sizeof(T); ++k)
        u = static_cast<decltype(u)>(u | (static_cast<decltype(u)>(static_cast<unsigned char>(b[at + k])) << (8 * k)));
    return static_cast<T>(u);
}

}  // namespace

std::string EncodeStatRec(const StatRec& r) {
    std::string out;
    out.reserve(kStatRecBytes);
    PutText(out, r.Name, 11);
    Put(out, r.Score);
    Put(out, r.Moves);
    Put(out, r.Bonus);
    Put(out, r.ZembBonus);
    Put(out, r.Specials);
    Put(out, r.Zembs);
    Put(out, r.Lines1);
    Put(out, r.Lines2);
    Put(out, r.Lines3);
    Put(out, r.Lines4);
    Put(out, r.TimeBonus);
    Put(out, r.Figures);
    Put(out, r.Place);
    Put(out, r.Level);
    PutText(out, r.Date, 8);
    return out;
}

StatRec DecodeStatRec(std::string_view b) {
    StatRec r;
    r.Name = GetText(b.substr(0, 11));
    r.Score = Get<int32_t>(b, 11);
    r.Moves = Get<int32_t>(b, 15);
    r.Bonus = Get<int32_t>(b, 19);
    r.ZembBonus = Get<int32_t>(b, 23);
    r.Specials = Get<int16_t>(b, 27);
    r.Zembs = Get<int16_t>(b, 29);
    r.Lines1 = Get<int16_t>(b, 31);
    r.Lines2 = Get<int16_t>(b, 33);
    r.Lines3 = Get<int16_t>(b, 35);
    r.Lines4 = Get<int16_t>(b, 37);
    r.TimeBonus = Get<int32_t>(b, 39);
    r.Figures = Get<int16_t>(b, 43);
    r.Place = Get<int16_t>(b, 45);
    r.Level = Get<int16_t>(b, 47);
    r.Date = GetText(b.substr(49, 8));
    return r;
}

std::vector<StatRec> ParseFullStat(std::string_view bytes) {
    std::vector<StatRec> records;
    const size_t whole = std::min<size_t>(bytes.size() / kStatRecBytes, kFullStatRows);
    records.reserve(whole);
    for (size_t k = 0; k < whole; ++k) records.push_back(DecodeStatRec(bytes.substr(k * kStatRecBytes, kStatRecBytes)));
    return records;
}

std::string FormatFullStat(const std::vector<StatRec>& records) {
    std::string out;
    for (const StatRec& r : records) out += EncodeStatRec(r);
    return out;
}

int InsertIntoFullStat(std::vector<StatRec>& records, const StatRec& rec) {
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].Score >= rec.Score) continue;
        records.insert(records.begin() + static_cast<long>(i), rec);
        if (records.size() > kFullStatRows) records.resize(kFullStatRows);
        return static_cast<int>(i) + 1;
    }
    if (records.size() >= kFullStatRows) return 0;
    records.push_back(rec);
    return static_cast<int>(records.size());
}

}  // namespace zembrol
