// The software rasteriser's thread count: the game's choice never replaces the player's.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/video.h"

namespace zembrol::platform {
namespace {

TEST(ShadeOnTheDrawingThread, SetsOneThreadOnlyWhenThePlayerHasNotChosen) {
    const char* before = std::getenv("LP_NUM_THREADS");
    const std::string saved = before ? before : "";

    unsetenv("LP_NUM_THREADS");
    EXPECT_TRUE(ShadeOnTheDrawingThread());
    ASSERT_NE(std::getenv("LP_NUM_THREADS"), nullptr);
    EXPECT_STREQ(std::getenv("LP_NUM_THREADS"), "0");

    setenv("LP_NUM_THREADS", "4", 1);
    EXPECT_FALSE(ShadeOnTheDrawingThread());
    EXPECT_STREQ(std::getenv("LP_NUM_THREADS"), "4");

    if (before) setenv("LP_NUM_THREADS", saved.c_str(), 1);
    else unsetenv("LP_NUM_THREADS");
}

}  // namespace
}  // namespace zembrol::platform
