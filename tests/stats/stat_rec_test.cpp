// The full statistics record on disk and the full statistics table.
#include <gtest/gtest.h>

#include "stats/stat_rec.h"

using namespace zembrol;

namespace {
StatRec Sample() {
    StatRec r;
    r.Name = "Bob";
    r.Score = 0x01020304;
    r.Moves = -2;
    r.Bonus = 2500;
    r.ZembBonus = 25000;
    r.Specials = 3;
    r.Zembs = 1;
    r.Lines1 = 10, r.Lines2 = 5, r.Lines3 = 2, r.Lines4 = 1;
    r.TimeBonus = -40;
    r.Figures = 300;
    r.Place = 7;
    r.Level = 4;
    r.Date = "05.03.04";
    return r;
}
StatRec WithScore(int32_t s) {
    StatRec r = DefaultStatRec();
    r.Score = s;
    r.Name = "s" + std::to_string(s);
    return r;
}
}  // namespace

TEST(StatRec, FiftySevenPackedLittleEndianBytes) {
    const std::string b = EncodeStatRec(Sample());
    ASSERT_EQ(b.size(), 57u);
    EXPECT_EQ(b.substr(0, 11), "Bob        ");
    EXPECT_EQ(b.substr(11, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b.substr(15, 4), std::string("\xfe\xff\xff\xff", 4));
    EXPECT_EQ(b.substr(43, 2), std::string("\x2c\x01", 2));   // Figures 300
    EXPECT_EQ(b.substr(47, 2), std::string("\x04\x00", 2));   // Level
    EXPECT_EQ(b.substr(49), "05.03.04");
    StatRec back = DecodeStatRec(b);
    EXPECT_EQ(back.Name, "Bob        ");
    back.Name = "Bob";
    EXPECT_EQ(back, Sample());
}

TEST(StatRec, ALongNameIsCutOnACharacterBoundary) {
    StatRec r = Sample();
    r.Name = "Александр";   // 18 bytes
    const std::string b = EncodeStatRec(r);
    ASSERT_EQ(b.size(), 57u);
    EXPECT_EQ(b.substr(0, 11), "Алекс ");   // five letters (10 bytes) and a space
    EXPECT_EQ(DecodeStatRec(b).Score, r.Score);
}

TEST(StatRec, FilesOfAnyLengthReadWholeRecordsUpToAHundred) {
    const std::string one = EncodeStatRec(Sample());
    struct Case { const char* what; size_t bytes; size_t records; };
    for (const Case& c : {Case{"empty", 0, 0}, Case{"one", 57, 1}, Case{"a partial record", 57 * 3 + 30, 3},
                          Case{"less than one", 56, 0}, Case{"oversized", 57 * 150 + 5, 100}}) {
        std::string file;
        while (file.size() < c.bytes) file += one;
        file.resize(c.bytes, '\xff');
        const std::vector<StatRec> recs = ParseFullStat(file);
        EXPECT_EQ(recs.size(), c.records) << c.what;
        for (const StatRec& r : recs) EXPECT_EQ(r.Score, Sample().Score) << c.what;
    }
}

TEST(StatRec, InsertionKeepsTheBestHundred) {
    std::vector<StatRec> t = {WithScore(300), WithScore(100)};
    EXPECT_EQ(InsertIntoFullStat(t, WithScore(200)), 2);
    EXPECT_EQ(InsertIntoFullStat(t, WithScore(100)), 4) << "equal goes after";
    std::vector<StatRec> full;
    for (int k = 0; k < 100; ++k) full.push_back(WithScore(1000 - k));
    EXPECT_EQ(InsertIntoFullStat(full, WithScore(901)), 0) << "equal to the 100th";
    EXPECT_EQ(InsertIntoFullStat(full, WithScore(902)), 100);
    EXPECT_EQ(full.back().Score, 902);
    EXPECT_EQ(InsertIntoFullStat(full, WithScore(2000)), 1);
    EXPECT_EQ(full.size(), 100u);
    EXPECT_EQ(full.back().Score, 902) << "the older 902 moved up to the 100th place";
}
