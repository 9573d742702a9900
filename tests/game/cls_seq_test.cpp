// clsSeq: cyclic reading, removal and the random draw on edge lists.
#include <gtest/gtest.h>

#include "game/cls_seq.h"
#include "game/rng.h"

using namespace zembrol;

namespace {
clsSeq Make(std::initializer_list<uint8_t> items) {
    clsSeq s;
    for (uint8_t i : items) s.PutItem(i);
    return s;
}
}  // namespace

TEST(ClsSeq, HeadReadsTheListCyclically) {
    clsSeq s = Make({3, 1, 4});
    std::vector<int> got;
    for (int i = 0; i < 7; ++i) got.push_back(s.Head());
    EXPECT_EQ(got, (std::vector<int>{3, 1, 4, 3, 1, 4, 3}));
}

TEST(ClsSeq, HeadOnEmptyListGivesSlotOne) {
    clsSeq s;
    EXPECT_EQ(s.Head(), 0);
    EXPECT_EQ(s.Position(), 1);
}

TEST(ClsSeq, PutItemIgnoresAnEleventhItem) {
    clsSeq s;
    for (uint8_t i = 0; i < 12; ++i) s.PutItem(i);
    EXPECT_EQ(s.GetCount(), 10);
    EXPECT_EQ(s.GetValueItem(10), 9);
    EXPECT_EQ(s.GetValueItem(11), 0);
}

TEST(ClsSeq, KillItemCases) {
    struct Case { uint8_t n; std::vector<int> left; };
    for (const Case& c : {Case{1, {1, 4}}, Case{2, {3, 4}}, Case{3, {3, 1}}, Case{0, {3, 1, 4}}, Case{4, {3, 1, 4}}}) {
        clsSeq s = Make({3, 1, 4});
        s.Head();
        s.KillItem(c.n);
        EXPECT_EQ(s.Position(), 1) << int(c.n);
        std::vector<int> got;
        for (uint8_t k = 1; k <= s.GetCount(); ++k) got.push_back(s.GetValueItem(k));
        EXPECT_EQ(got, c.left) << "KillItem " << int(c.n);
    }
}

TEST(ClsSeq, GetRandomOnEmptyListIsFigureZero) {
    clsSeq s;
    Rng rng(7);
    EXPECT_EQ(s.GetRandom(rng), 0);
}

TEST(ClsSeq, GetRandomFavoursTheLastItemAndSlightsTheFirst) {
    clsSeq s = Make({0, 1, 2, 3, 4, 5, 6});
    Rng rng(42);
    std::array<int, 7> hits{};
    const int n = 70000;
    for (int i = 0; i < n; ++i) ++hits[s.GetRandom(rng)];
    // Expected shares: first 0.5/7, middle 1/7, last 1.5/7.
    EXPECT_NEAR(hits[0] / double(n), 0.5 / 7, 0.01);
    EXPECT_NEAR(hits[3] / double(n), 1.0 / 7, 0.01);
    EXPECT_NEAR(hits[6] / double(n), 1.5 / 7, 0.01);
}
