// Players' names through a save of the record files: the full statistics keep every
// other player's letters, and a table line damaged by a stray byte neither garbles
// nor vanishes.
#include <gtest/gtest.h>

#include <filesystem>

#include "stats/record_book.h"
#include "temp_dir.h"

using namespace zembrol;
using zembrol::testing::TempDir;

namespace {
StatRec Player(const std::string& name, int32_t score) {
    StatRec r = DefaultStatRec();
    r.Name = name;
    r.Date = "05.03.04";
    r.Score = score;
    return r;
}
}  // namespace

TEST(RecordNames, AGameAddedToTheStatisticsAltersNoOtherPlayersName) {
    TempDir dir;
    const RecordKey key{0, 1, false};
    std::string file = FormatFullStat({Player("Иванов", 900), Player("Сидоренко", 700), Player("Ann", 500)});
    // A record an older version wrote in UTF-8, cut inside its last letter.
    file += EncodeStatRec(Player("", 300)).replace(0, 11, "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\xd0\xbe\xd0");
    dir.Write("DS_slowzemb.zmb", file);
    RecordBook book(dir.Path());
    ASSERT_TRUE(book.g_AddRecordToFullStat(key, Player("Пётр Великий", 800)));
    const std::string saved = dir.Read("DS_slowzemb.zmb");
    std::vector<std::string> names;
    for (const StatRec& r : ParseFullStat(saved)) names.push_back(r.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Иванов     ", "Пётр Велики", "Сидоренко  ", "Ann        ",
                                               "Ивано      "}));
    EXPECT_EQ(saved.substr(0, kStatRecBytes), file.substr(0, kStatRecBytes)) << "the best record kept its bytes";
    EXPECT_EQ(saved.substr(2 * kStatRecBytes, 2 * kStatRecBytes), file.substr(kStatRecBytes, 2 * kStatRecBytes))
        << "the records below the new one moved down unchanged";
    ASSERT_TRUE(book.g_AddRecordToFullStat(key, Player("Bob", 100)));
    EXPECT_EQ(dir.Read("DS_slowzemb.zmb").substr(0, saved.size()), saved) << "a second save keeps every byte";
}

TEST(RecordNames, AStrayByteInATableLineKeepsTheNameAndACopyOfTheFile) {
    TempDir dir;
    const RecordKey key{0, 1, false};
    const std::string damaged = "Игрок\xff Один\r\n500\r\nИван\r\n300\r\n";
    dir.Write("DF_slow_zemb.txt", damaged);
    std::vector<std::string> logged;
    RecordBook book(dir.Path(), [&](const std::string& m, bool ok) { if (!ok) logged.push_back(m); });
    book.g_LoadRecords(key);
    EXPECT_EQ(book.g_Records.names, (std::vector<std::string>{"Игрок? Один", "Иван"}));
    ASSERT_EQ(book.g_GetRecordPlace(400, "Пётр", false, true), 2);
    ASSERT_TRUE(book.g_SaveRecords(key));
    EXPECT_EQ(dir.Read("DF_slow_zemb.txt"), "Игрок? Один\r\n500\r\nПётр\r\n400\r\nИван\r\n300\r\n");
    std::vector<std::string> copies;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        if (e.path().filename().string().rfind("DF_slow_zemb.txt.bad-", 0) == 0) copies.push_back(e.path());
    ASSERT_EQ(copies.size(), 1u) << "the damaged file is kept before it is replaced";
    EXPECT_EQ(dir.Read(std::filesystem::path(copies[0]).filename()), damaged);
    ASSERT_FALSE(logged.empty());
    EXPECT_NE(logged[0].find("line 1 is UTF-8 with stray bytes"), std::string::npos) << logged[0];
}
