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

// The name field holds 11 Windows-1251 bytes: a Cyrillic name keeps every letter up to
// eleven, and reads back as the same letters.
TEST(StatRec, NamesAreStoredInWindows1251ElevenLettersLong) {
    struct Case { const char* name; std::string field; const char* read; };
    for (const Case& c : {
             Case{"Иванов", "\xc8\xe2\xe0\xed\xee\xe2     ", "Иванов     "},
             Case{"Сидоренко", "\xd1\xe8\xe4\xee\xf0\xe5\xed\xea\xee  ", "Сидоренко  "},
             Case{"Bob", "Bob        ", "Bob        "},
             Case{"Александра Петровна", "\xc0\xeb\xe5\xea\xf1\xe0\xed\xe4\xf0\xe0 ", "Александра "},
             Case{"Ёжик №1 «Ї»", "\xa8\xe6\xe8\xea \xb9" "1 \xab\xaf\xbb", "Ёжик №1 «Ї»"},
             Case{"Ann😀", "Ann?       ", "Ann?       "},   // outside the code page
             Case{"Zamenhof ĉu", "Zamenhof ?u", "Zamenhof ?u"},
         }) {
        StatRec r = Sample();
        r.Name = c.name;
        const std::string b = EncodeStatRec(r);
        ASSERT_EQ(b.size(), 57u) << c.name;
        EXPECT_EQ(b.substr(0, 11), c.field) << c.name;
        const StatRec back = DecodeStatRec(b);
        EXPECT_EQ(back.Name, c.read) << c.name;
        EXPECT_EQ(back.Score, r.Score) << c.name;
        EXPECT_EQ(EncodeStatRec(back), b) << c.name << ": read and written again";
    }
}

// Files of older versions hold UTF-8 names, some cut inside their last letter, and
// older ones Windows-1251: each reads as its letters and is written back unchanged
// in what it says.
TEST(StatRec, NamesOfOlderFilesReadAsTheirLetters) {
    struct Case { const char* what; std::string field; const char* read; };
    for (const Case& c : {
             Case{"UTF-8 cut on a letter", "\xd0\x90\xd0\xbb\xd0\xb5\xd0\xba\xd1\x81 ", "Алекс      "},
             Case{"UTF-8 cut inside a letter", "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\xd0\xbe\xd0", "Ивано      "},
             Case{"UTF-8 with a stray byte", "\xd0\x98\xd0\xb2\xff\xd0\xb0\xd0\xbd  ", "Ив?ан      "},
             Case{"Windows-1251 ending in a letter that starts UTF-8", "\xc8\xe2\xe0\xed\xee\xe2 \xcf\xe5\xf2\xf0",
                  "Иванов Петр"},
             Case{"Latin with one Cyrillic letter last", "Alexander \xcf", "Alexander П"},
         }) {
        std::string b = EncodeStatRec(Sample());
        b.replace(0, 11, c.field);
        const StatRec back = DecodeStatRec(b);
        EXPECT_EQ(back.Name, c.read) << c.what;
        const std::string written = EncodeStatRec(back);
        EXPECT_EQ(DecodeStatRec(written).Name, c.read) << c.what;
        EXPECT_EQ(EncodeStatRec(DecodeStatRec(written)), written) << c.what;
    }
}

// A name whose Windows-1251 bytes happen to form UTF-8 ("Сё" is D1 B8, the UTF-8 of
// another letter) is kept in UTF-8 so that it reads back as itself; whatever such a
// name becomes, a second write changes no byte.
TEST(StatRec, ANameWhoseBytesLookLikeUtf8KeepsItsLetters) {
    StatRec r = Sample();
    r.Name = "Сё";
    EXPECT_EQ(DecodeStatRec(EncodeStatRec(r)).Name, "Сё         ");
    for (const char* name : {"СёСёСёСёСё", "СёСёСё Сё", "ЯёЯёЯёЯёЯёЯё"}) {
        r.Name = name;
        const std::string once = EncodeStatRec(DecodeStatRec(EncodeStatRec(r)));
        EXPECT_EQ(EncodeStatRec(DecodeStatRec(once)), once) << name;
    }
}

// Saving the file again alters no record: every other player's name keeps its bytes.
TEST(StatRec, AFileReadAndWrittenAgainIsByteIdentical) {
    std::vector<StatRec> records;
    for (const char* name : {"Иванов", "Сидоренко", "Bob", "Пётр Первый Великий", "Ann😀", "Сё"}) {
        StatRec r = Sample();
        r.Name = name;
        records.push_back(r);
    }
    records.push_back(DefaultStatRec());
    const std::string file = FormatFullStat(records);
    EXPECT_EQ(FormatFullStat(ParseFullStat(file)), file);
    // A file of an older version settles after its first write.
    std::string old = file;
    old.replace(0, 11, "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\xd0\xbe\xd0");
    const std::string once = FormatFullStat(ParseFullStat(old));
    EXPECT_EQ(ParseFullStat(once)[0].Name, "Ивано      ");
    EXPECT_EQ(FormatFullStat(ParseFullStat(once)), once);
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
