// The row and figure removal effects step once per pass: their frame counts and ends.
#include <gtest/gtest.h>

#include "effects/cls_del.h"
#include "effects/cls_remove_fig.h"

using namespace zembrol;

TEST(RowRemovalEffect, FourRowsShowForFiftyFramesAndAFifthIsDropped) {
    clsDel del;
    EXPECT_FALSE(del.del_Step()) << "nothing shows before the first removal";
    del.del_fInit();
    for (int16_t row : {30, 29, 28, 27, 26}) del.del_fAdd(row);
    EXPECT_EQ(del.Count(), 4);
    EXPECT_EQ(del.Rows(), (std::array<int16_t, 4>{30, 29, 28, 27}));
    int shown = 0;
    while (del.del_Step()) {
        EXPECT_EQ(del.DrawnFrame(), shown);
        ++shown;
    }
    EXPECT_EQ(shown, 50);
    EXPECT_FALSE(del.del_Step());
    EXPECT_EQ(del.Frame(), 50) << "steps after the end leave the frame at 50";
}

TEST(RemovedFigureEffect, RisesOutOfTheFieldFasterAtLowerSpeeds) {
    struct Case { int16_t row, speed; int frames; };
    // From row 0 at speed 0: 23 frames; the 24th (angle 1.68, y -5.04) ends it.
    for (const Case& c : {Case{0, 0, 23}, Case{0, 2, 47}, Case{30, 0, 166}}) {
        clsRemoveFig fig;
        std::array<std::array<bool, 4>, 4> cells{};
        cells[1][1] = true;
        fig.rf_Init(cells, 7, c.row);
        int frames = 0;
        while (fig.rf_Step(c.speed)) ++frames;
        EXPECT_EQ(frames, c.frames) << "row " << c.row << " speed " << c.speed;
        EXPECT_FALSE(fig.Active());
    }
    clsRemoveFig stopped;
    stopped.rf_Init({}, 7, 10);
    stopped.rf_Stop();
    EXPECT_FALSE(stopped.rf_Step(0));
}
