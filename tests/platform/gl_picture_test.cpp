// The kept picture under a real GL context: whatever way it was drawn, its copy
// lands upright at the asked place of the window and nowhere else.
#include "platform/gl_picture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>

#include "platform/gl_window.h"

namespace zembrol::platform {
namespace {

class GlPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no display: " << SDL_GetError();
        std::string error;
        if (!window_.Create("picture test", 64, 48, &error)) GTEST_SKIP() << "no GL window: " << error;
    }
    void TearDown() override {
        window_.Destroy();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    // One window pixel in GL coordinates (x right, y up from the bottom row).
    static std::array<int, 3> At(int x, int y) {
        std::array<unsigned char, 4> p{};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        return {p[0], p[1], p[2]};
    }
    // Clears a band of rows of the bound target to a colour.
    static void Band(int y, int height, int width, float r, float g, float b) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, y, width, height);
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
    }
    GlWindow window_;
};

const std::array<int, 3> kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlack{0, 0, 0};

TEST_F(GlPictureTest, DrawnUprightAndSealedItIsCopiedUpright) {
    GlPicture picture;
    ASSERT_TRUE(picture.Resize(32, 16));
    picture.BindForDrawing();
    Band(0, 16, 32, 1, 0, 0);
    Band(8, 8, 32, 0, 1, 0);   // the top half, in GL's terms
    picture.Seal();
    window_.Clear(0, 0, 0);
    picture.CopyToWindow(4, 6);
    EXPECT_EQ(At(5, 6 + 15), kGreen) << "top row";
    EXPECT_EQ(At(35, 6 + 8), kGreen);
    EXPECT_EQ(At(5, 6), kRed) << "bottom row";
    EXPECT_EQ(At(35, 6 + 7), kRed);
    EXPECT_EQ(At(3, 6), kBlack) << "left of the picture";
    EXPECT_EQ(At(36, 6), kBlack) << "right of the picture";
    EXPECT_EQ(At(5, 6 + 16), kBlack) << "above the picture";
    EXPECT_EQ(At(5, 5), kBlack) << "below the picture";
}

TEST_F(GlPictureTest, RowsWrittenTopDownAreCopiedUpright) {
    GlPicture picture;
    ASSERT_TRUE(picture.Resize(32, 16));
    picture.BindRowsTopDown();
    Band(0, 16, 32, 1, 0, 0);
    Band(0, 4, 32, 0, 1, 0);   // the first four rows written are the picture's top
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    window_.Clear(0, 0, 0);
    picture.CopyToWindow(0, 0);
    EXPECT_EQ(At(0, 15), kGreen);
    EXPECT_EQ(At(0, 12), kGreen);
    EXPECT_EQ(At(0, 11), kRed);
    EXPECT_EQ(At(0, 0), kRed);
}

TEST_F(GlPictureTest, APartIsCopiedToItsOwnPlaceAndNothingElse) {
    // A window-sized picture: red bottom half, green top half.
    GlPicture picture;
    ASSERT_TRUE(picture.Resize(64, 48));
    picture.BindForDrawing();
    Band(0, 48, 64, 1, 0, 0);
    Band(24, 24, 64, 0, 1, 0);
    picture.Seal();
    window_.Clear(0, 0, 0);
    picture.CopyPartToWindow(10, 20, 8, 10);   // across the halves' border
    EXPECT_EQ(At(10, 20), kRed);
    EXPECT_EQ(At(17, 23), kRed);
    EXPECT_EQ(At(10, 24), kGreen);
    EXPECT_EQ(At(17, 29), kGreen);
    for (auto [x, y] : {std::pair{9, 20}, {18, 20}, {10, 19}, {10, 30}}) EXPECT_EQ(At(x, y), kBlack) << x << "," << y;
    // A part reaching past the picture is cut at its edge.
    picture.CopyPartToWindow(60, -5, 20, 10);
    EXPECT_EQ(At(63, 0), kRed);
    EXPECT_EQ(At(59, 0), kBlack);
    EXPECT_EQ(At(63, 5), kBlack);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlPictureTest, ResizingKeepsOrRemakesAndNothingIsNotAPicture) {
    GlPicture picture;
    EXPECT_FALSE(picture.Resize(0, 10));
    EXPECT_FALSE(picture.Valid());
    ASSERT_TRUE(picture.Resize(8, 8));
    ASSERT_TRUE(picture.Resize(16, 4));
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 4);
    picture.Release();
    EXPECT_FALSE(picture.Valid());
    picture.CopyToWindow(0, 0);   // nothing to copy: no GL error, nothing drawn
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace zembrol::platform
