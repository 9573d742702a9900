// Level tables through the record book: any file in the folder loads into the level
// list with names of exactly 11 characters; a level result enters it and the written
// table reads back whole. A damaged file is kept aside before it is replaced.
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz_check.h"
#include "fuzz_folder.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "stats/record_book.h"

using namespace zembrol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string folder = FuzzFolder() + "/data/set";
    for (const auto& e : std::filesystem::directory_iterator(folder)) std::filesystem::remove(e.path());
    const RecordKey key{0, 1, false};
    const std::string bytes(FuzzBytes(data, size));
    WriteFuzzFile(folder + "/" + LevelTableName(key, 0), bytes);

    RecordBook book(folder);
    book.g_LoadLevelTable(key, 0, false);
    for (const LevelRow& row : book.g_LevelTable)
        FUZZ_CHECK(platform::IsValidUtf8(row.name) && platform::Utf8Length(row.name) == kRecordNameChars, row.name);

    std::string damage;
    const RecordTable before = ParseRecordTable(bytes, &damage);
    LevelResults results;
    results.key = key;
    for (auto& t : results.levelScores) t.fill(kLevelScoreUnset);
    results.levelScores[0][0] = 1000;
    book.g_UpdateLevelRecords(results, "Пётр", true);
    const std::optional<std::string> written = platform::ReadFile(folder + "/" + LevelTableName(key, 0));
    FUZZ_CHECK(written.has_value(), "the level table is gone");
    std::string after;
    const RecordTable now = ParseRecordTable(*written, &after);
    FUZZ_CHECK(now.Count() >= before.Count(), "the table lost entries");
    if (*written != bytes) FUZZ_CHECK(after.empty(), "the written table reads as damaged");
    // The old file, when it was damaged and replaced, stays beside it byte for byte.
    if (!damage.empty() && *written != bytes) {
        int copies = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            if (e.path().filename().string().find(".bad-") != std::string::npos) {
                ++copies;
                FUZZ_CHECK(platform::ReadFile(e.path().string()) == bytes, "the kept copy differs");
            }
        FUZZ_CHECK(copies == 1, "no copy kept of a damaged table");
    }
    return 0;
}
