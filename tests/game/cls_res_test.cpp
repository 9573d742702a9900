// clsRes: a saturating 32-bit score that never shows its value in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "game/cls_res.h"

using namespace zembrol;

namespace {
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
}  // namespace

TEST(ClsRes, AddsLikeAnIntegerAndSaturatesAtTheLimits) {
    struct Case { int32_t start; int64_t delta; int32_t want; };
    for (const Case& c : {Case{0, 500, 500}, Case{100, -110, -10}, Case{kMax - 5, 5, kMax},
                          Case{kMax - 5, 6, kMax}, Case{kMax, 25000, kMax}, Case{kMin + 3, -10, kMin},
                          Case{kMin, 1, kMin + 1}, Case{kMax, int64_t{kMin} * 2, kMin}}) {
        clsRes r;
        r.s_setval(c.start);
        r.s_addval(c.delta);
        EXPECT_EQ(r.s_getval(), c.want) << c.start << " + " << c.delta;
    }
}

TEST(ClsRes, ResetGivesZero) {
    clsRes r;
    r.s_setval(-77);
    r.s_reset();
    EXPECT_EQ(r.s_getval(), 0);
}

TEST(ClsRes, TheValueIsNotStoredInPlainForm) {
    clsRes r;
    for (int32_t v : {123456789, 5500, -2500}) {
        r.s_setval(v);
        unsigned char raw[sizeof r];
        std::memcpy(raw, &r, sizeof r);
        for (size_t k = 0; k + sizeof v <= sizeof r; ++k)
            EXPECT_NE(std::memcmp(raw + k, &v, sizeof v), 0) << v << " visible at byte " << k;
        EXPECT_EQ(r.s_getval(), v);
    }
}
