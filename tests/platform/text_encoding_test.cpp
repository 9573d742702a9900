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

// One stray byte must not turn every other line of its file into Windows-1251 letters.
TEST(TextEncoding, EachLineIsDecodedOnItsOwn) {
    struct Case { std::string bytes, text; };
    for (const Case& c : {
             Case{"Иван\r\nAnn\xff\r\nПётр\r\n", "Иван\r\nAnnя\r\nПётр\r\n"},
             Case{"\xc8\xe2\xe0\xed\n\xcf\xb8\xf2\xf0\n", "Иван\nПётр\n"},           // all Windows-1251
             Case{"a\xe9\rЖук\r\rb", "aй\rЖук\r\rb"},                               // lone CRs
             Case{"/home/\xc8/m.wav\n/home/Иван/t.bmp", "/home/И/m.wav\n/home/Иван/t.bmp"},
         })
        EXPECT_EQ(DecodeFileText(c.bytes), c.text) << c.bytes;
}

TEST(TextEncoding, LinesEndAtCrLfLfOrALoneCr) {
    using Lines = std::vector<std::string_view>;
    struct Case { std::string text; Lines lines; };
    for (const Case& c : {
             Case{"", {}},
             Case{"a", {"a"}},
             Case{"a\r\nb\r\n", {"a", "b"}},
             Case{"a\nb", {"a", "b"}},
             Case{"a\rb\r", {"a", "b"}},
             Case{"a\r\rb", {"a", "", "b"}},
             Case{"a\n\r\nb", {"a", "", "b"}},
             Case{"a\n\rb", {"a", "", "b"}},   // LF then CR: two line ends
         })
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextEncoding, CutsByCharacters) {
    EXPECT_EQ(Utf8Length("Жук ok"), 6u);
    EXPECT_EQ(Utf8Prefix("Жук ok", 2), "Жу");
    EXPECT_EQ(Utf8Suffix("Жук ok", 4), "к ok");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
}
