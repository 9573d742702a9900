// Conversions between configuration text and typed setting variables.
#include <gtest/gtest.h>

#include "settings/setting_value.h"

using namespace zembrol;

TEST(SettingValue, LoadingConvertsOrKeepsTheOldValue) {
    struct Case { const char* raw; bool ok; int want; };
    // Into a 16-bit integer that holds 7 beforehand.
    const Case ints[] = {
        {"12", true, 12},    {" -5 ", true, -5},     {"TRUE", true, 1},       {" true ", true, 1},
        {"False", true, 0},  {"2.5", true, 2},       {"3.5", true, 4},        {"&H10", true, 16},
        {"1e3", true, 1000}, {"...", false, 7},      {"", false, 7},          {"yes", false, 7},
        {"32768", false, 7}, {"-32768", true, -32768}, {"inf", false, 7},     {"12abc", false, 7},
    };
    for (const Case& c : ints) {
        int16_t v = 7;
        EXPECT_EQ(AssignSetting(c.raw, &v), c.ok) << c.raw;
        EXPECT_EQ(v, c.want) << c.raw;
    }
    const Case bools[] = {
        {"TRUE", true, 1}, {"  true", true, 1}, {"False", true, 0}, {"-1", true, 1}, {"0", true, 0},
        {"yes", false, 1}, {"...", false, 1},
    };
    for (const Case& c : bools) {
        bool b = true;
        EXPECT_EQ(AssignSetting(c.raw, &b), c.ok) << c.raw;
        EXPECT_EQ(b, c.want != 0) << c.raw;
    }
    uint8_t byte = 9;
    EXPECT_FALSE(AssignSetting("256", &byte));
    EXPECT_FALSE(AssignSetting("-1", &byte));
    EXPECT_EQ(byte, 9);
    std::string text = "old";
    EXPECT_TRUE(AssignSetting("...", &text));  // texts always take what is read
    EXPECT_EQ(text, "...");
}

TEST(SettingValue, SavedTextReadsBackTheSame) {
    bool b = false;
    int32_t i = -123456;
    float f = 1234.5f;
    std::string s = "C:/Музыка/bkg.wav";
    EXPECT_EQ(SettingText(&b), "False");
    b = true;
    EXPECT_EQ(SettingText(&b), "True");
    EXPECT_EQ(SettingText(&i), "-123456");
    EXPECT_EQ(SettingText(&f), "1234.5");
    float back = 0;
    ASSERT_TRUE(AssignSetting(SettingText(&f), &back));
    EXPECT_EQ(back, f);
    EXPECT_EQ(SettingText(&s), s);
    // Singles that need more than 7 digits keep every bit; the usual ones stay short.
    for (float v : {1.0000001f, 16777215.0f, 0.1f, -3.4028235e38f, 1e-40f, 30015.0f}) {
        float read = 0;
        ASSERT_TRUE(AssignSetting(SettingText(&v), &read)) << SettingText(&v);
        EXPECT_EQ(read, v) << SettingText(&v);
    }
    float tenth = 0.1f;
    EXPECT_EQ(SettingText(&tenth), "0.1");
}
