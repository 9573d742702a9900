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
