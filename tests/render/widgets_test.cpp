// Widget rules: flying numbers, the colour-bonus indicator, the label sweep.
#include <gtest/gtest.h>

#include "render/widgets.h"

namespace zembrol::render {
namespace {

TEST(DigitText, SlotLetterThenValueInSevenCharacters) {
    struct Case {
        int slot;
        int32_t value;
        const char* text;
        int color;
    } cases[] = {
        {1, 120, "a120   ", 3}, {2, 0, "b0     ", 2},      {5, -2500, "e-2500 ", 1},
        {6, 25000, "f25000 ", 3}, {4, 1234567, "d123456", 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DigitText(c.slot, c.value), c.text);
        EXPECT_EQ(DigitColorIndex(c.value), c.color) << c.value;
    }
}

TEST(NumTextureIndex, DigitsLettersAndMinusHaveTextures) {
    EXPECT_EQ(NumTextureIndex('0'), 0);
    EXPECT_EQ(NumTextureIndex('9'), 9);
    EXPECT_EQ(NumTextureIndex('a'), 10);
    EXPECT_EQ(NumTextureIndex('f'), 15);
    EXPECT_EQ(NumTextureIndex('-'), 16);
    EXPECT_EQ(NumTextureIndex('g'), -1);
    EXPECT_EQ(NumTextureIndex(' '), -1);
}

TEST(clsDigit, SlotsShowTheirOwnValuesAndHopOnce) {
    Rng rng(2);
    const DigitSources src{77, 300, -40};
    struct Case {
        int slot;
        const char* text;
    } cases[] = {{1, "a77    "}, {2, "b5     "}, {3, "c300   "}, {4, "d-40   "}, {6, "f5     "}};
    for (const Case& c : cases) {
        clsDigit d;
        bool ok = false;
        d.dg_Init(c.slot, &ok);
        ASSERT_TRUE(ok);
        d.dg_ReInit(10, 20, 5, src, 19.5f, rng);
        EXPECT_EQ(d.Text(), c.text);
        int frames = 0;
        float highest = 20;
        for (auto glyphs = d.dg_Step(); !glyphs.empty(); glyphs = d.dg_Step(), ++frames) {
            highest = std::min(highest, glyphs[0].y);
            EXPECT_EQ(glyphs.size(), std::string(c.text).find(' ') == std::string::npos ? 7u : std::string(c.text).find(' '));
        }
        EXPECT_EQ(frames, clsDigit::kFlightLimit);
        EXPECT_NEAR(highest, 10, 1e-4) << "the hop peaks ten rows up";
    }
    clsDigit bad;
    bool ok = true;
    bad.dg_Init(7, &ok);
    EXPECT_FALSE(ok);
}

TEST(clsDigit, MiracleNumberDriftsTowardTheField) {
    Rng rng(9);
    for (float nextX : {19.5f, -0.5f}) {
        clsDigit d;
        d.dg_Init(3, nullptr);
        d.dg_ReInit(5, 5, 0, DigitSources{0, 100, 0}, nextX, rng);
        const float x0 = d.dg_Step()[0].x;
        const float x1 = d.dg_Step()[0].x;
        if (nextX < 10) EXPECT_GE(x1, x0);
        else EXPECT_LE(x1, x0);
    }
}

TEST(clsCHB, StepsFollowTheColourTimeAndEachNewStepRestartsThePulse) {
    struct Case {
        int32_t time;
        int step;
    } cases[] = {{0, 0}, {21, 0}, {22, 1}, {-22, 1}, {43, 1}, {66, 2}, {326, 7}, {653, 15}};
    for (const Case& c : cases) {
        clsCHB chb;
        chb.chb_SetPos(c.time);
        EXPECT_EQ(chb.Step(), c.step) << "time " << c.time;
    }
    clsCHB chb;
    chb.chb_SetPos(44);
    chb.chb_SetPos(45);
    EXPECT_FLOAT_EQ(chb.Pulse(), 44.0f / 46);
    chb.chb_SetPos(90);   // step 2: a new pulse
    EXPECT_FLOAT_EQ(chb.Pulse(), 45.0f / 46);
    const auto balls = chb.Balls();
    ASSERT_EQ(balls.size(), 2u);
    EXPECT_FLOAT_EQ(balls[0].x, 3.5f);
    EXPECT_FLOAT_EQ(balls[0].y, -2.75f);
    EXPECT_FLOAT_EQ(balls[0].scale, 1.0f);
    EXPECT_FLOAT_EQ(balls[1].scale, chb.Pulse()) << "only the newest ball pulses";
}

TEST(clsCHB, ColoursPickMaterialsAndOthersChangeNothing) {
    clsCHB chb;
    EXPECT_EQ(chb.MaterialIndex(), 2);
    chb.chb_SetColor(255);
    EXPECT_EQ(chb.MaterialIndex(), 1);
    chb.chb_SetColor(16711680);
    EXPECT_EQ(chb.MaterialIndex(), 3);
    chb.chb_SetColor(0x123456);
    EXPECT_EQ(chb.MaterialIndex(), 3);
    chb.chb_SetColor(65280);
    EXPECT_EQ(chb.MaterialIndex(), 2);
}

TEST(clsHLLabel, SweepRunsToTheEndOnceperNewPlace) {
    Rng rng(4);
    clsHLLabel l;
    l.hll_init(0, rng);
    ASSERT_GE(l.Speed(), 6);
    ASSERT_LE(l.Speed(), 30);
    int value = -1;
    bool changed = true;
    l.hll_run(&value, &changed);
    EXPECT_FALSE(changed) << "no sweep before a place is set";
    l.hhl_setPlace(3);
    int last = 0, steps = 0;
    do {
        l.hll_run(&value, &changed);
        ASSERT_TRUE(changed);
        ASSERT_TRUE(value > last || value == 615);
        last = value;
        ++steps;
    } while (l.Running());
    EXPECT_EQ(value, 615);
    EXPECT_EQ(steps, (616 + l.Speed() - 1) / l.Speed());
    l.hhl_setPlace(3);
    EXPECT_FALSE(l.Running()) << "the same place starts nothing";
}

TEST(ProgressBarWidth, FillsTheFourCellPanelAtTheFullMeter) {
    EXPECT_FLOAT_EQ(ProgressBarWidth(0), 0);
    EXPECT_FLOAT_EQ(ProgressBarWidth(351), 4);
    EXPECT_FLOAT_EQ(ProgressBarWidth(117), 4.0f / 3);
}

}  // namespace
}  // namespace zembrol::render
