// The one number reader behind settings, --set and scripts: every text, into
// every type a setting or script argument has.
#include "game/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>
#include <optional>

using namespace zembrol;

namespace {

// One row of the table: what the text gives in each target type; nullopt = refused.
struct Row {
    const char* text;
    std::optional<int> u8, i16, i32;
    std::optional<long long> i64;
    std::optional<float> f;
    std::optional<bool> b;
};

constexpr auto no = std::nullopt;

template <class T, class Want>
void Check(const char* text, const std::optional<Want>& want, const char* type) {
    const NumberRead<T> r = ParseNumber<T>(text);
    if (!want) {
        EXPECT_FALSE(r) << '"' << text << "\" into " << type << " gave " << +r.value;
        return;
    }
    ASSERT_TRUE(r) << '"' << text << "\" into " << type;
    EXPECT_EQ(r.value, static_cast<T>(*want)) << '"' << text << "\" into " << type;
}

}  // namespace

TEST(NumberText, EachTextIntoEachType) {
    const Row rows[] = {
        //  text            u8    i16      i32          i64                f               bool
        {"12",             12,    12,      12,          12LL,              12.0f,          true},
        {"-3",             no,    -3,      -3,          -3LL,              -3.0f,          true},
        {" 7 ",            7,     7,       7,           7LL,               7.0f,           true},
        {"1e300",          no,    no,      no,          no,                no,             true},
        {"inf",            no,    no,      no,          no,                no,             no},
        {"nan",            no,    no,      no,          no,                no,             no},
        {"-inf",           no,    no,      no,          no,                no,             no},
        {"99999999999",    no,    no,      no,          99999999999LL,     99999999999.0f, true},
        {"3.7",            4,     4,       4,           4LL,               3.7f,           true},
        {"",               no,    no,      no,          no,                no,             no},
        {"abc",            no,    no,      no,          no,                no,             no},
        {"0x10",           no,    no,      no,          no,                no,             no},
        // Fractions round half to even; the edges of each range are kept, one past them refused.
        {"2.5",            2,     2,       2,           2LL,               2.5f,           true},
        {"-2.5",           no,    -2,      -2,          -2LL,              -2.5f,          true},
        {"255",            255,   255,     255,         255LL,             255.0f,         true},
        {"256",            no,    256,     256,         256LL,             256.0f,         true},
        {"255.5",          no,    256,     256,         256LL,             255.5f,         true},
        {"-32768",         no,    -32768,  -32768,      -32768LL,          -32768.0f,      true},
        {"32768",          no,    no,      32768,       32768LL,           32768.0f,       true},
        {"2147483647",     no,    no,      2147483647,  2147483647LL,      2147483647.0f,  true},
        {"-2147483649",    no,    no,      no,          -2147483649LL,     -2147483649.0f, true},
        {"9223372036854775807", no, no,    no,          9223372036854775807LL, 9223372036854775807.0f, true},
        {"9223372036854775808", no, no,    no,          no,                9223372036854775808.0f, true},
        {"9.3e18",         no,    no,      no,          no,                9.3e18f,        true},
        {"1e39",           no,    no,      no,          no,                no,             true},
        {"1e-300",         0,     0,       0,           0LL,               0.0f,           true},
        {"0",              0,     0,       0,           0LL,               0.0f,           false},
        {"+4",             4,     4,       4,           4LL,               4.0f,           true},
        {"&H10",           16,    16,      16,          16LL,              16.0f,          true},
        {"&Hzz",           no,    no,      no,          no,                no,             no},
        {"1e",             no,    no,      no,          no,                no,             no},
        {".",              no,    no,      no,          no,                no,             no},
        {"1 2",            no,    no,      no,          no,                no,             no},
        {"12abc",          no,    no,      no,          no,                no,             no},
    };
    for (const Row& r : rows) {
        Check<uint8_t>(r.text, r.u8, "byte");
        Check<int16_t>(r.text, r.i16, "16-bit");
        Check<int32_t>(r.text, r.i32, "32-bit");
        Check<long long>(r.text, r.i64, "64-bit");
        Check<float>(r.text, r.f, "float");
        Check<bool>(r.text, r.b, "Boolean");
    }
}

TEST(NumberText, RefusalsSayWhetherTheTextWasANumber) {
    EXPECT_EQ(ParseNumber<int16_t>("abc").status, NumberStatus::NotANumber);
    EXPECT_EQ(ParseNumber<int16_t>("inf").status, NumberStatus::NotANumber);
    EXPECT_EQ(ParseNumber<int16_t>("1e300").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseNumber<int16_t>("99999999999999999999999").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseNumber<float>("1e300").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseNumber<double>("1e400").status, NumberStatus::OutOfRange);
    // The largest single as 8 digits print it reads back as itself; what would round to
    // infinity does not.
    EXPECT_EQ(ParseNumber<float>("-3.4028235e+38").value, -std::numeric_limits<float>::max());
    EXPECT_EQ(ParseNumber<float>("3.40282356e38").value, std::numeric_limits<float>::max());
    EXPECT_EQ(ParseNumber<float>("3.4028236e38").status, NumberStatus::OutOfRange);

    // A range of the caller's own narrows the type's.
    EXPECT_EQ(ParseNumberIn<int>("7", 1, 6).status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseNumberIn<int>("5.6", 1, 6).value, 6);
    EXPECT_EQ(ParseNumberIn<double>("-40000", -32767.0, 32767.0).status, NumberStatus::OutOfRange);
}

TEST(NumberText, BooleanWords) {
    for (const char* t : {"TRUE", "true", " True "}) EXPECT_EQ(BooleanWord(t), 1) << t;
    for (const char* t : {"FALSE", "false", "\tFalse"}) EXPECT_EQ(BooleanWord(t), 0) << t;
    for (const char* t : {"yes", "1", "", "TRUEX"}) EXPECT_EQ(BooleanWord(t), -1) << t;
}
