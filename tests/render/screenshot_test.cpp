// End to end: the real program plays a script in its window (SDL's offscreen driver,
// whose frames are the same run to run), takes a screenshot of the 3D view, and the
// picture must show what the game state holds: cells where the field has them,
// "Pause" while paused, and a scene rather than a blank view.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <string>

#include "render/screenshot_fixture.h"

namespace zembrol::render {
namespace {

// Four full rows land at the bottom (a bar into their gap at column 18).
const char* const kFourRows =
    "row 30 111111111111110\nrow 29 111111111111110\nrow 28 111111111111110\nrow 27 111111111111110\n"
    "figure 0 0000000000001111\nset g_FigX 15\nkey Down\ntick 28\n";

TEST_F(Screenshot, ViewHasTheBaseSizeAndShowsAScene) {
    const platform::RgbaImage img = Shot("empty", "");
    ASSERT_EQ(img.width, kBaseViewWidth);
    ASSERT_EQ(img.height, kBaseViewHeight);
    // Not blank: many distinct colours, and both dark and bright parts.
    int bright = 0, dark = 0;
    for (size_t k = 0; k < img.pixels.size(); k += 4) {
        const int m = std::max({img.pixels[k], img.pixels[k + 1], img.pixels[k + 2]});
        bright += m > 150;
        dark += m < 40;
    }
    EXPECT_GT(bright, 2000) << "grid, figure, next figures";
    EXPECT_GT(dark, 20000) << "the space around the field";
    ExpectField(img, std::vector<std::string>(21, std::string(15, '0')), 10);
}

TEST_F(Screenshot, LandedRowsAppearWhereTheFieldHasThem) {
    const std::vector<std::string> rows = {"000000000000000", "100000000000001", "110011100111100",
                                           "111111101111110", "011111111111111"};
    std::string script;
    for (size_t k = 0; k < rows.size(); ++k) script += "row " + std::to_string(26 + k) + " " + rows[k] + "\n";
    const platform::RgbaImage img = Shot("rows", script);
    ASSERT_EQ(img.width, kBaseViewWidth);
    ExpectField(img, rows, 26);
}

TEST_F(Screenshot, PauseIsWrittenOverThePausedGame) {
    const std::string rows = "row 30 111111111111110\nrow 29 110011100111100\n";
    const platform::RgbaImage running = Shot("running", rows);
    const platform::RgbaImage paused = Shot("paused", rows + "set g_Running false\n");
    ASSERT_EQ(running.width, paused.width);
    ASSERT_EQ(running.height, paused.height);
    // The text's band (top 236 base pixels, a 24-pixel line, centred in 343) changes,
    // and nothing far from it does.
    int inBand = 0, outside = 0;
    for (int y = 0; y < paused.height; ++y)
        for (int x = 0; x < paused.width; ++x) {
            const size_t k = (static_cast<size_t>(y) * static_cast<size_t>(paused.width) + static_cast<size_t>(x)) * 4;
            int diff = 0;
            for (int c = 0; c < 3; ++c) diff = std::max(diff, std::abs(paused.pixels[k + c] - running.pixels[k + c]));
            if (diff < 40) continue;
            if (y >= 230 && y <= 270 && x >= 100 && x <= 243) ++inBand;
            else if (y < 200 || y > 300) ++outside;
        }
    EXPECT_GT(inBand, 150) << "the word's ink";
    EXPECT_EQ(outside, 0);
}

TEST_F(Screenshot, BrokenAndMissingTexturesAreLoggedAndDrawnUntextured) {
    dir_.Write("data/textures/bkg.bmp", "BM this is not a picture");
    fs::remove(dir_ / "data/textures/chb.bmp");
    fs::remove(dir_ / "data/textures/num3.bmp");
    const platform::RgbaImage img = Shot("broken-textures", "row 30 111111111111110\n");
    ASSERT_EQ(img.width, kBaseViewWidth);
    std::string log;
    for (const auto& e : fs::directory_iterator(dir_ / "data"))
        if (e.path().filename().string().rfind("Load_", 0) == 0) log = dir_.Read("data/" + e.path().filename().string());
    for (const char* name : {"bkg.bmp", "chb.bmp", "num3.bmp"})
        EXPECT_NE(log.find("CreateTextureFromFile(" + (dir_ / "data/textures/") + name + ")"), std::string::npos)
            << name << "\n" << log;
    EXPECT_NE(log.find("Загрузка текстуры nt_arTex - "), std::string::npos);
    // The landed cells still stand out, drawn in their light without a texture.
    for (int k = 0; k < 14; ++k) EXPECT_GT(Red(img, CellPixel(4 + k, 30, img)), 100) << "cell " << 4 + k;
}

TEST_F(Screenshot, GraphicsGivenOnTheCommandLineReachTheRenderer) {
    // The skin's textures load with the graphics section; a value given with --set
    // must be loaded again, not only stored.
    const std::string missing = dir_ / "no-such-block.bmp";
    const platform::RgbaImage img = Shot("set-texture", "row 30 111111111111110\n", "--set 'gr_arTex1=" + missing + "'");
    ASSERT_EQ(img.width, kBaseViewWidth);
    std::string log;
    for (const auto& e : fs::directory_iterator(dir_ / "data"))
        if (e.path().filename().string().rfind("Load_", 0) == 0) log = dir_.Read("data/" + e.path().filename().string());
    EXPECT_NE(log.find("CreateTextureFromFile(" + missing + ")"), std::string::npos) << log;
}

TEST_F(Screenshot, ADriverWithoutSeparateShaderStagesDrawsTheSamePixels) {
    // A driver of GL 3.3 without separate stages gets the one program whose fragment
    // shader makes its choices per pixel; the stages made for each state must draw
    // exactly what it draws. The scenes: textured and untextured cells, translucent
    // ghost, balls and markers under moving lights, the world, text ("Pause"), the
    // flying points of removed rows and the level banner.
    const char* const kOneProgram =
        "MESA_GL_VERSION_OVERRIDE=3.3 MESA_EXTENSION_OVERRIDE=-GL_ARB_separate_shader_objects";
    const std::string everything =
        "set iFantom 2\nset gr_VisibleLights 1\nset iBeSnake 1\nset gr_NumLights 8\nset bFlyingBonus true\n";
    const struct {
        const char* name;
        std::string script;
        int frames;
    } scenes[] = {
        {"paused", everything + "row 30 110011100111100\nset g_Running false\n", 20},
        {"rows", everything + kFourRows, 12},
        {"flat", everything + "set bDetLevel false\nset m_WorldEnable false\nrow 30 111111101111110\n", 5},
    };
    for (const auto& scene : scenes) {
        const std::string name = std::string("stages-") + scene.name;
        const platform::RgbaImage stages = Shot(name, scene.script, "", scene.frames);
        const platform::RgbaImage one = Shot(name + "-one-program", scene.script, "", scene.frames, kOneProgram);
        ASSERT_EQ(stages.width, one.width) << scene.name;
        ASSERT_EQ(stages.height, one.height) << scene.name;
        size_t differing = 0;
        for (size_t k = 0; k < stages.pixels.size(); ++k) differing += stages.pixels[k] != one.pixels[k];
        EXPECT_EQ(differing, 0u) << scene.name;
    }
}

TEST_F(Screenshot, RemovedRowsShrinkWhereTheyWereAndThenAreGone) {
    const platform::RgbaImage during = Shot("effect-rows-frame10", kFourRows, "", 10);
    const platform::RgbaImage after = Shot("effect-rows-after", kFourRows, "", 60);
    int shown = 0, gone = 0;
    for (int k = 0; k < 15; ++k) {
        shown += Red(during, CellPixel(4 + k, 30, during)) > 100;
        gone += Red(after, CellPixel(4 + k, 30, after)) < 75;
    }
    EXPECT_GE(shown, 13) << "the removed bottom row at frame 10";
    EXPECT_EQ(gone, 15) << "after 50 frames nothing is left";
}

TEST_F(Screenshot, ATakenBackFigureRisesAboveItsLandingPlace) {
    const std::string landed = "figure 0 0000011001100000\nset g_FigX 9\nkey Down\ntick 32\n";
    const platform::RgbaImage rising = Shot("effect-takeback", landed + "key Enter\n", "", 15);
    const platform::RgbaImage still = Shot("effect-landed", landed, "", 15);
    // Above the landing place (rows 18..27 over columns 8..13): the tumbling figure.
    const glm::ivec2 from = CellPixel(8, 18, rising), to = CellPixel(14, 28, rising);
    EXPECT_GT(Bright(rising, from, to), Bright(still, from, to) + 80);
    EXPECT_LT(Red(rising, CellPixel(10, 30, rising)), 75) << "the figure has left its place";
    EXPECT_GT(Red(still, CellPixel(10, 30, still)), 100);
}

TEST_F(Screenshot, TheLevelBannerHoldsBelowTheFieldAndTheBackdropMoves) {
    const std::string rows = "row 30 111111111111110\n";
    const platform::RgbaImage early = Shot("effect-banner-start", rows, "", 3);
    const platform::RgbaImage held = Shot("effect-banner-held", rows, "", 300);
    // The plates stop at x 8 and x 13 on y 30.5, 1.8 high: under the field's bottom row.
    const glm::ivec2 from = CellPixel(8, 31, held), to = CellPixel(15, 33, held);
    EXPECT_GT(Bright(held, from, to), Bright(early, from, to) + 100);
    // The deforming backdrop changed between the two frames; the landed cells did not.
    int moved = 0;
    for (size_t k = 0; k < held.pixels.size(); k += 4) moved += std::abs(held.pixels[k + 2] - early.pixels[k + 2]) > 30;
    EXPECT_GT(moved, 2000);
    for (int k = 0; k < 14; ++k)
        EXPECT_NEAR(Red(held, CellPixel(4 + k, 30, held)), Red(early, CellPixel(4 + k, 30, early)), 40) << 4 + k;
    // A contact sheet of the effects' frames for a person to look at.
    const std::string shots = ZEMBROL_SHOTS_DIR;
    const std::string sheet = shots + "/effects-sheet.png";
    const std::string cmd = "command -v montage >/dev/null && montage -geometry +4+4 -tile 6x1 '" + shots +
                            "/effect-rows-frame10.png' '" + shots + "/effect-rows-after.png' '" + shots +
                            "/effect-takeback.png' '" + shots + "/effect-landed.png' '" + shots +
                            "/effect-banner-start.png' '" + shots + "/effect-banner-held.png' '" + sheet + "' 2>/dev/null";
    if (std::system(cmd.c_str()) == 0) std::cout << "contact sheet of the effects: " << sheet << "\n";
}

}  // namespace
}  // namespace zembrol::render
