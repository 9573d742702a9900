// The graphics and material windows change the scene being drawn: each control is
// used in the real program's window (by script, through the same window the player
// uses) and the view's next frames must differ from the same run without it — or,
// for a texture file that does not load, not differ at all. The pictures stay in
// the build folder (graph-*.png) to look at.
#include <string>
#include <vector>

#include "render/screenshot_fixture.h"

namespace zembrol::render {
namespace {

// Landed cells at the bottom, so the cells' look shows.
const std::string kRows = "row 30 111111111111110\nrow 29 110011100111100\n";
// The graphics window from the settings window, then closed the same way.
std::string InGraphWindow(const std::string& commands) {
    return "click chkSet\nclick cmdSetGraph\n" + commands + "click cmOK\nclick cmdOK\n";
}

using GraphScene = Screenshot;

TEST_F(GraphScene, EveryControlChangesTheSceneAtOnce) {
    struct Case {
        const char* name;
        std::string commands;   // in the graphics window
        int frames;             // drawn after the script, the last one read
        std::string before;     // the scene both runs start from
    };
    // Translucent cells: the blend factors show (opaque textures look the same under
    // the shipped source-alpha blend with transparency on or off).
    const std::string alpha = InGraphWindow("click chkAlpha\n");
    // The lights drawn as balls, so their moves show.
    const std::string markers = InGraphWindow("click chkVisibleLights\n");
    // A dozen lights: their markers are a few cells across, and four may all wander
    // near the edges of the view.
    const std::string dozenLights = InGraphWindow("slide sldNumLights 12\n");
    const std::string additive = InGraphWindow("choose cmbSource ONE\nchoose cmbDest ONE\n");
    const std::vector<Case> cases = {
        {"flat-squares", "click optDetal(0)\n", 3, ""},
        {"deform-type", "choose cmbDeformType 5\n", 30, ""},
        {"deform-speed", "slide sldValueDelay 10\n", 60, ""},
        {"no-backdrop", "click chkSetka\n", 3, ""},
        {"no-world", "click chkWorldEnable\n", 3, ""},
        {"world-speed", "slide sldWorldSpeed 10\n", 120, ""},
        {"plain-cells", "click chkColorQuads\n", 3, ""},
        {"visible-lights", "click chkVisibleLights\n", 3, dozenLights},
        {"light-not-following", "click chkHLNew\n", 10, ""},
        {"light-speed", "slide sldSpeedLights 0\n", 60, markers},
        {"light-count", "slide sldNumLights 12\n", 3, ""},
        {"level-banner-off", "click chkWalkText\n", 100, ""},
        {"no-grid", "click chkHideGrid\n", 3, ""},
        {"main-light", "slide sldMainLight(1) 0\n", 3, ""},
        {"grid-light", "slide sldMainLight(3) 0\n", 3, ""},
        {"texture", "choose cmbTex 1\nclick cmdChoiseFile\nchoose filOpen tex7.bmp\n", 3, ""},
        {"transparent", "click chkAlpha\n", 3, additive},
        {"blend-factor", "choose cmbDest ONE\n", 3, alpha},
        {"bright-modulation", "click optModulate(0)\n", 3, ""},
    };
    for (const Case& c : cases) {
        ShippedSettings();
        const platform::RgbaImage before = Shot(std::string("graph-") + c.name + "-before", kRows + c.before, "", c.frames);
        ShippedSettings();
        const platform::RgbaImage after =
            Shot(std::string("graph-") + c.name, kRows + c.before + InGraphWindow(c.commands), "", c.frames);
        ASSERT_EQ(before.width, after.width) << c.name;
        EXPECT_GT(Differing(before, after), 150) << c.name;
    }
}

TEST_F(GraphScene, FlyingBonusesCanBeSwitchedOff) {
    // Four rows removed: their points fly up from the field.
    const std::string rows =
        "row 30 111111111111110\nrow 29 111111111111110\nrow 28 111111111111110\nrow 27 111111111111110\n"
        "figure 0 0000000000001111\nset g_FigX 15\nkey Down\ntick 28\n";
    const platform::RgbaImage flying = Shot("graph-flying-bonus", rows, "", 10);
    const platform::RgbaImage hidden = Shot("graph-flying-bonus-off", InGraphWindow("click chkFlyingBonus\n") + rows, "", 10);
    EXPECT_GT(Differing(flying, hidden), 150);
}

TEST_F(GraphScene, ATextureThatDoesNotLoadLeavesTheOldOneDrawnAndItsPathStored) {
    dir_.Write("data/textures/broken.png", "\x89PNG this is not a picture");
    const std::string dump = dir_ / "dump.json";
    const platform::RgbaImage before = Shot("graph-texture-broken-before", kRows);
    const platform::RgbaImage after =
        Shot("graph-texture-broken",
             kRows + InGraphWindow("choose cmbTex 1\nclick cmdChoiseFile\nchoose filOpen broken.png\n"),
             "--dump-at-exit '" + dump + "'");
    EXPECT_EQ(Differing(before, after), 0) << "the old texture is still drawn";
    const std::string broken = dir_ / "data/textures/broken.png";
    EXPECT_NE(dir_.Read("out.txt").find("Не удалось загрузить текстуру " + broken), std::string::npos)
        << dir_.Read("out.txt");
    EXPECT_NE(StartLog().find("CreateTextureFromFile(" + broken + ")"), std::string::npos);
    EXPECT_NE(dir_.Read("dump.json").find("\"gr_arTex1\":\"" + broken + "\""), std::string::npos);
}

TEST_F(GraphScene, TheMaterialWindowTintsTheFiguresOnTheNextFrame) {
    const platform::RgbaImage before = Shot("paint-before", kRows);
    const platform::RgbaImage after =
        Shot("paint-emissive-red", kRows + "key F9\nchoose cmbType emissive\nscroll VScroll1(1) 255\nkey Esc\n");
    int redder = 0;
    for (int k = 0; k < 14; ++k) redder += Red(after, CellPixel(4 + k, 30, after)) > Red(before, CellPixel(4 + k, 30, before)) + 30;
    EXPECT_EQ(redder, 14) << "every landed cell glows red";
}

}  // namespace
}  // namespace zembrol::render
