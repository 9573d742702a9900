// UTF-8 checks and repairs, Windows-1251 both ways, telling the two apart line by
// line, and character-aware cuts.
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

// Every assigned byte of the code page comes back as itself, the signs and the letters
// of its upper half included; what it cannot hold is written as '?'.
TEST(TextEncoding, Windows1251BothWays) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << b;
    }
    struct Case { std::string text, bytes; };
    for (const Case& c : {
             Case{"Иванов", "\xc8\xe2\xe0\xed\xee\xe2"},
             Case{"Ёжик ёж", "\xa8\xe6\xe8\xea \xb8\xe6"},
             Case{"№1 «Її» €", "\xb9" "1 \xab\xaf\xbf\xbb \x88"},
             Case{"Ann😀", "Ann?"},                 // outside the code page
             Case{"ĉu", "?u"},
             Case{"Ив\xffан", "\xc8\xe2?\xe0\xed"},  // a stray byte
         })
        EXPECT_EQ(Utf8ToCp1251(c.text), c.bytes) << c.text;
}

// A line is judged by what its bytes spell: UTF-8 with a stray byte is not taken for
// Windows-1251, whose letters would garble it.
TEST(TextEncoding, DamagedUtf8IsToldFromWindows1251) {
    struct Case { const char* what; std::string line; LineEncoding encoding; std::string text; };
    for (const Case& c : {
             Case{"UTF-8", "Игрок Один", LineEncoding::Utf8, "Игрок Один"},
             Case{"a stray byte", "Игрок\xff Один", LineEncoding::DamagedUtf8, "Игрок? Один"},
             Case{"cut inside its last letter", "Иван\xd0", LineEncoding::DamagedUtf8, "Иван?"},
             Case{"Windows-1251", "\xc8\xe2\xe0\xed\xee\xe2", LineEncoding::Cp1251, "Иванов"},
             Case{"Windows-1251 holding one UTF-8 pair", "\xcf\xc5\xd2\xdf\xbb", LineEncoding::Cp1251, "ПЕТЯ»"},
             Case{"Windows-1251, half in pairs", "\xd1\xb8\xec\xe0", LineEncoding::Cp1251, "Сёма"},
             Case{"Latin with a stray byte", "Ann\xff", LineEncoding::Cp1251, "Annя"},
         }) {
        EXPECT_EQ(ClassifyLine(c.line), c.encoding) << c.what;
        bool damaged = false;
        EXPECT_EQ(DecodeLine(c.line, &damaged), c.text) << c.what;
        EXPECT_EQ(damaged, c.encoding == LineEncoding::DamagedUtf8) << c.what;
    }
}

// One stray byte must not turn every other line of its file into Windows-1251 letters.
TEST(TextEncoding, EachLineIsDecodedOnItsOwn) {
    struct Case { std::string bytes, text; };
    for (const Case& c : {
             Case{"Иван\r\nAnn\xff\r\nПётр\r\n", "Иван\r\nAnnя\r\nПётр\r\n"},
             Case{"\xc8\xe2\xe0\xed\n\xcf\xb8\xf2\xf0\n", "Иван\nПётр\n"},           // all Windows-1251
             Case{"a\xe9\rЖук\r\rb", "aй\rЖук\r\rb"},                               // lone CRs
             Case{"/home/\xc8/m.wav\n/home/Иван/t.bmp", "/home/И/m.wav\n/home/Иван/t.bmp"},
             Case{"Иван\r\nИгрок\xff Один\r\n\xcf\xb8\xf2\xf0\r\n", "Иван\r\nИгрок? Один\r\nПётр\r\n"},
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
    EXPECT_EQ(Utf8PrefixOfBytes("Жук ok", 3), "Ж");
    EXPECT_EQ(Utf8PrefixOfBytes("Жук ok", 4), "Жу");
    EXPECT_EQ(Utf8PrefixOfBytes("ab", 5), "ab");
    EXPECT_EQ(Utf8FixedWidth("Жук", 5), "Жук  ");
    EXPECT_EQ(Utf8FixedWidth("Жук ok", 2), "Жу");
    struct Case { std::string text; size_t tail; };
    for (const Case& c : {Case{"", 0}, Case{"Жук", 0}, Case{"Жу\xd0", 1}, Case{"a\xe2\x82", 2},
                          Case{"a\xf0\x9f\x8e", 3}, Case{"\x82\x82", 0}, Case{"\xc8\xe2 \xf0", 1}})
        EXPECT_EQ(Utf8CutTail(c.text), c.tail) << c.text;
}
