// The full statistics file (57-byte records): any bytes read as at most 100 records
// with names of 11 characters, whichever encoding the texts were written in; the
// numbers survive a write and a read exactly, and after one write the file is settled
// (writing what was read gives the same bytes).
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/text_encoding.h"
#include "stats/stat_rec.h"

using namespace zembrol;

namespace {
bool SameNumbers(const StatRec& a, const StatRec& b) {
    return a.Score == b.Score && a.Moves == b.Moves && a.Bonus == b.Bonus && a.ZembBonus == b.ZembBonus &&
           a.Specials == b.Specials && a.Zembs == b.Zembs && a.Lines1 == b.Lines1 && a.Lines2 == b.Lines2 &&
           a.Lines3 == b.Lines3 && a.Lines4 == b.Lines4 && a.TimeBonus == b.TimeBonus && a.Figures == b.Figures &&
           a.Place == b.Place && a.Level == b.Level;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<StatRec> records = ParseFullStat(FuzzBytes(data, size));
    FUZZ_CHECK(records.size() <= static_cast<size_t>(kFullStatRows), "too many records");
    for (const StatRec& r : records) {
        FUZZ_CHECK(platform::IsValidUtf8(r.Name) && platform::IsValidUtf8(r.Date), "text");
        FUZZ_CHECK(platform::Utf8Length(r.Name) == 11 && platform::Utf8Length(r.Date) == 8, "field width");
    }
    const std::string once = FormatFullStat(records);
    FUZZ_CHECK(once.size() == records.size() * kStatRecBytes, "written size");
    const std::vector<StatRec> reread = ParseFullStat(once);
    FUZZ_CHECK(reread.size() == records.size(), "record count");
    for (size_t k = 0; k < records.size(); ++k) FUZZ_CHECK(SameNumbers(records[k], reread[k]), "numbers of a record");
    FUZZ_CHECK(FormatFullStat(reread) == once, "a second write differs");

    StatRec game = DefaultStatRec();
    game.Name = "Жанна";
    game.Score = size >= 4 ? static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 | uint32_t{data[3]} << 24) : 0;
    const size_t before = records.size();
    const int place = InsertIntoFullStat(records, game);
    FUZZ_CHECK(place == 0 || records[static_cast<size_t>(place) - 1].Score == game.Score, "place");
    FUZZ_CHECK(records.size() == (place == 0 ? before : std::min<size_t>(before + 1, kFullStatRows)), "count");
    return 0;
}
