// Record tables: any file reads as at most 100 entries of valid UTF-8 names; the
// text written for them reads back as the same table, whole (nothing damaged), and
// a result entered into it keeps the table sorted best first.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "platform/text_encoding.h"
#include "stats/record_table.h"

using namespace zembrol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string damage;
    RecordTable table = ParseRecordTable(FuzzBytes(data, size), &damage);
    FUZZ_CHECK(table.Count() <= kRecordRows && table.names.size() == table.scores.size(), "table size");
    for (const std::string& name : table.names) FUZZ_CHECK(platform::IsValidUtf8(name), "a name is not UTF-8");

    std::string again;
    const RecordTable reread = ParseRecordTable(FormatRecordTable(table), &again);
    FUZZ_CHECK(reread == table, "the written table reads back differently");
    FUZZ_CHECK(again.empty(), "the written table reads as damaged: " + again);

    const int32_t score = size >= 4 ? static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 | uint32_t{data[3]} << 24) : 0;
    const int before = table.Count();
    const int place = InsertPlace(table, score, "Иван", false);
    FUZZ_CHECK(place == -1 || (place >= 1 && place <= kRecordRows && table.scores[place - 1] == score), "place");
    FUZZ_CHECK(table.Count() == (place == -1 ? before : std::min(before + 1, kRecordRows)), "count after insert");
    if (place > 1) FUZZ_CHECK(table.scores[place - 2] >= score, "an entry above is lower");
    const auto scores = RecordScores(table);
    FUZZ_CHECK(LivePlace(scores, score) >= 1 && LivePlace(scores, score) <= kRecordRows + 1, "live place");
    return 0;
}
