// UTF-8 checks, Windows-1251 decoding and character-aware cuts.
#include <gtest/gtest.h>

#include "platform/text_encoding.h"

using namespace zembrol::platform;

TEST(TextEncoding, Utf8Validity) {
    struct Case { std::string text; bool valid; };
    const Case cases[] = {
        {"plain", true}, {"Пауза ё", true}, {"\xf0\x9f\x8e\xae", true},
        {"\xcf\xe0\xf3\xe7\xe0", false},  // Windows-1251 bytes
        {"\xc0\xaf", false},              // overlong '/'
        {"\xed\xa0\x80", false},          // a surrogate
        {"\xe2\x82", false},              // cut short
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(TextEncoding, DecodesWindows1251OnlyWhenNotUtf8) {
    EXPECT_EQ(DecodeFileText("\xcf\xe0\xf3\xe7\xe0 \xb8"), "Пауза ё");
    EXPECT_EQ(DecodeFileText("Пауза"), "Пауза");
    EXPECT_EQ(Cp1251ToUtf8("a\x98z"), "a?z");  // the one unmapped byte
}

TEST(TextEncoding, CutsByCharacters) {
    EXPECT_EQ(Utf8Length("Жук ok"), 6u);
    EXPECT_EQ(Utf8Prefix("Жук ok", 2), "Жу");
    EXPECT_EQ(Utf8Suffix("Жук ok", 4), "к ok");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
}
