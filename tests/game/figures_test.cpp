// Figures: mask conversion, the chooser of every game type, special figures and the queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "game/figures.h"
#include "rules_fixture.h"

using namespace zembrol;
using namespace zembrol::test;

TEST(Masks, CharacterKIsColumnKDiv4RowKMod4) {
    const CellBox bar = MaskToCells("0000111100000000");
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(bar[i][j], i == 1 ? 1 : 0) << i << "," << j;
    const CellBox corner = MaskToCells("0100000000000000");
    EXPECT_EQ(corner[0][1], 1);  // character 2: column 0, row 1
}

TEST(Masks, EveryTableMaskSurvivesTheRoundTrip) {
    std::vector<std::string> masks(kFigureMasks.begin(), kFigureMasks.end());
    masks.emplace_back(kZembMask);
    masks.emplace_back(kRingMask);
    for (const std::string& m : masks) EXPECT_EQ(CellsToMask(MaskToCells(m)), m);
}

TEST(Masks, ValidityCheck) {
    EXPECT_TRUE(IsValidMask("0000111100000000"));
    for (std::string_view bad : {"000011110000000", "00001111000000000", "000011110000000x", ""})
        EXPECT_FALSE(IsValidMask(bad)) << bad;
}

class ChooseFigureTest : public RulesFixture {
protected:
    // Figure number (0..6) of each mask, specials counted apart.
    std::map<std::string, int> Draw(int n, int* specials = nullptr) {
        std::map<std::string, int> hits;
        for (int k = 0; k < n; ++k) {
            FigureChoice c = ChooseFigure(g);
            if (c.IsSpecial) {
                if (specials) ++*specials;
                EXPECT_TRUE(c.Price == 25000 ? c.mask == kZembMask : (c.Price >= 5000 && c.Price <= 7499)) << c.Price;
                continue;
            }
            EXPECT_EQ(c.Price, 0);
            ++hits[c.mask];
        }
        return hits;
    }
    // A "Sequence" game on the player's list with the player's order flag.
    void PlayersSequence(std::initializer_list<uint8_t> items, bool random) {
        cfg.gt_CurGameType = 3;
        cfg.bRandomSeq = random;
        cfg.UserSeq.seq_Clear();
        for (uint8_t k : items) cfg.UserSeq.PutItem(k);
        PlayPlayersList(s.playList, PlayOrder::PlayersChoice);
    }
};

TEST_F(ChooseFigureTest, MainTypeWithSevenKindsDrawsEachFigureEvenly) {
    cfg.gt_CurGameType = 1;
    s.m_NumKinds = 7;
    const int n = 70000;
    auto hits = Draw(n);
    for (const char* m : kFigureMasks) EXPECT_NEAR(hits[m] / double(n), 1.0 / 7, 0.01) << m;
}

TEST_F(ChooseFigureTest, MainTypeWithEightKindsDrawsTheBarTwiceAsOften) {
    cfg.gt_CurGameType = 1;
    s.m_NumKinds = 8;
    const int n = 80000;
    int specials = 0;
    auto hits = Draw(n, &specials);
    EXPECT_NEAR(hits[kFigureMasks[kBarFigure]] / double(n), 2.0 / 8, 0.01);
    EXPECT_NEAR(hits[kFigureMasks[0]] / double(n), 1.0 / 8, 0.01);
    EXPECT_NEAR(specials / double(n), 1.0 / 50, 0.003);
}

TEST_F(ChooseFigureTest, ClassicAndSequenceNeverMakeSpecialFigures) {
    // The ordinary list, whatever the player's own list and order flag say.
    cfg.bRandomSeq = false;
    cfg.UserSeq.PutItem(5);
    PlayOrdinaryFigures(s.playList);
    for (int type : {2, 3, 4}) {
        cfg.gt_CurGameType = type;
        int specials = 0;
        auto hits = Draw(5000, &specials);
        EXPECT_EQ(specials, 0) << "type " << type;
        EXPECT_EQ(hits.size(), 7u) << "type " << type;
    }
    EXPECT_EQ(cfg.UserSeq.Position(), 1) << "the player's list is not read";
}

TEST_F(ChooseFigureTest, SequenceInOrderFollowsTheListAndMapsHighNumbersToTheSquare) {
    PlayersSequence({3, 1, 9, 4}, false);
    std::vector<std::string> got;
    for (int k = 0; k < 5; ++k) got.push_back(ChooseFigure(g).mask);
    EXPECT_EQ(got, (std::vector<std::string>{kFigureMasks[3], kFigureMasks[1], kFigureMasks[6], kFigureMasks[4],
                                             kFigureMasks[3]}));
}

TEST_F(ChooseFigureTest, TheRandomBoxTakesEffectInARunningSequenceGame) {
    PlayersSequence({0, 1, 2, 3}, false);
    EXPECT_EQ(ChooseFigure(g).mask, kFigureMasks[0]);
    cfg.bRandomSeq = true;   // ticked in the sequence editor while the game goes on
    auto hits = Draw(400);
    EXPECT_EQ(hits.size(), 4u) << "drawn at random from the four items";
    cfg.bRandomSeq = false;
    EXPECT_EQ(ChooseFigure(g).mask, kFigureMasks[1]) << "reading in order goes on where it stopped";
    // A series fixes its order whatever the box says.
    PlayPlayersList(s.playList, PlayOrder::InOrder);
    cfg.bRandomSeq = true;
    EXPECT_EQ(ChooseFigure(g).mask, kFigureMasks[2]);
}

TEST(MakeSpecialMask, CellsComeOneInFiveAndAnEmptyDrawBecomesTheTwelveCellFigure) {
    Rng rng(5);
    const int n = 40000;
    long cells = 0;
    int zemb = 0;
    for (int k = 0; k < n; ++k) {
        std::string m = MakeSpecialMask(rng);
        ASSERT_TRUE(IsValidMask(m));
        ASSERT_NE(m, "0000000000000000");
        if (m == kZembMask) ++zemb;
        else cells += std::count(m.begin(), m.end(), '1');
    }
    // P(empty) = 0.8^16; the other draws average 3.2 / (1 - 0.8^16) cells.
    const double pEmpty = 0.0281474976710656;
    EXPECT_NEAR(zemb / double(n), pEmpty, 0.004);
    EXPECT_NEAR(cells / double(n - zemb), 3.2 / (1 - pEmpty), 0.05);
}

class QueueTest : public RulesFixture {};

TEST_F(QueueTest, AdvanceShiftsTheQueueAndCountsAndShowsASpecialFigureComingIntoPlay) {
    cfg.gt_CurGameType = 2;
    for (int k = 0; k < kQueueSize; ++k) Figure(kFigureMasks[k], k);
    s.g_Figs[1].IsSpecial = true;
    s.g_Figs[1].Price = 6000;
    s.g_Figs[1].IsZemb = true;
    s.g_FigX = 7;
    AdvanceQueue(g);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(CellsToMask(s.g_Figs[k].Cells), kFigureMasks[k + 1]);
    EXPECT_EQ(s.g_SpecialCount, 1);
    EXPECT_EQ(s.g_ZembCount, 1);
    auto digits = ev.Matching("FlyingDigits 6000 ");
    ASSERT_EQ(digits.size(), 1u);
    EXPECT_TRUE(digits[0].rfind("FlyingDigits 6000 7", 0) == 0 || digits[0].rfind("FlyingDigits 6000 8", 0) == 0)
        << digits[0];  // column g_FigX + 2u
    EXPECT_TRUE(ev.Matching("PlaySoundAtNextFigure").empty());
}

TEST_F(QueueTest, ASpecialNextFigureIsAnnouncedWithTheZembrolSound) {
    cfg.gt_CurGameType = 2;
    s.g_Figs[2].IsSpecial = true;
    AdvanceQueue(g);
    EXPECT_EQ(ev.Matching("PlaySoundAtNextFigure"), std::vector<std::string>{"PlaySoundAtNextFigure mZemb1"});
}
