// The game's record and its result text with check value.
#include <gtest/gtest.h>

#include "stats/game_record.h"

using namespace zembrol;

TEST(GameRecord, CheckValueOfAbcIs291) {
    EXPECT_EQ(g_ResultCheck("abc"), 291);
    EXPECT_EQ(g_ResultCheck(""), 0);
    // A Cyrillic letter counts as its one Windows-1251 byte: 0xC0 xor 1, then xor 1.
    EXPECT_EQ(g_ResultCheck("А"), (0xC0 ^ 1) ^ 1);
}

// The check value counts a name's characters by the very bytes its statistics record
// stores, signs and letters of the whole code page included.
TEST(GameRecord, TheCheckValueCountsTheBytesTheNameIsStoredAs) {
    for (const char* name : {"Иванов", "Сидоренко Пётр", "№1 «Її»", "Ann😀"}) {
        const StatRec r = g_MakeGameRecord(GameState{}, name, 1, "05.03.2004");
        std::string field = EncodeStatRec(r).substr(0, 11);
        field.erase(field.find_last_not_of(' ') + 1);
        uint32_t sum = 0;
        for (size_t k = 0; k < field.size(); ++k) sum += static_cast<unsigned char>(field[k]) ^ (k + 1);
        std::string name11 = r.Name;
        name11.erase(name11.find_last_not_of(' ') + 1);
        EXPECT_EQ(g_ResultCheck(name11), static_cast<int32_t>(sum ^ field.size())) << name;
    }
    EXPECT_EQ(g_ResultCheck("Иванов"), static_cast<int32_t>(((0xC8 ^ 1) + (0xE2 ^ 2) + (0xE0 ^ 3) + (0xED ^ 4) +
                                                             (0xEE ^ 5) + (0xE2 ^ 6)) ^ 6));
}

TEST(GameRecord, FieldsFromTheGameWithSixteenBitFieldsPinned) {
    GameState s;
    s.score.s_setval(123456);
    s.g_MovesTotal = 900;
    s.g_ChangeBonus = 10, s.g_ColorBonus = -20, s.g_InversiaBonus = 2500;
    s.g_ZembBonus = 25000;
    s.g_SpecialCount = 3;
    s.g_ZembCount = 1;
    s.g_LineKinds = {70000, 2, 3, -70000};
    s.g_TimeBonus = 4000;
    s.g_FigCount = 40000;
    s.g_Level = 6;
    const StatRec r = g_MakeGameRecord(s, "  Ann", 5, "05.03.2004");
    EXPECT_EQ(r.Name, "  Ann      ");
    EXPECT_EQ(r.Score, 123456);
    EXPECT_EQ(r.Bonus, 2490);
    EXPECT_EQ(r.Lines1, 32767);
    EXPECT_EQ(r.Lines4, -32768);
    EXPECT_EQ(r.Figures, 32767);
    EXPECT_EQ(r.Place, 5);
    EXPECT_EQ(r.Level, 6);
    EXPECT_EQ(r.Date, "05.03.04");

    GameSettings cfg;
    cfg.gt_CurGameType = 2;
    cfg.g_Speed = 1;
    cfg.g_Trial = true;
    const std::string checked =
        "900" "2490" "05.03.04" "25000" "3" "6" "4000" "32767" "2" "2" "3" "1" "-32768" "Ann" "32767" "1" "123456";
    EXPECT_EQ(g_ResultText(r, cfg), "16900,2490,05.03.04,25000,3,6,4000,32767,2,2,1,3,1,-32768,Ann,32767,1,123456," +
                                        std::to_string(g_ResultCheck(checked)));
}
