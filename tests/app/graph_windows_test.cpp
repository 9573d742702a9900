// The graphics window and the material window as a player and a script drive them:
// what each control writes and what the scene is told, textures that do not load,
// the world's speed slider following the world, the help label, and the material's
// components kept apart.
#include <gtest/gtest.h>

#include <sstream>

#include "windows/graph_window.h"
#include "windows/paint_window.h"
#include "app/setting_keys.h"
#include "control_text.h"

using namespace zembrol;
using zembrol::testing::ValueOf;

namespace {

std::string Key(Settings& s, const std::string& key) {
    for (const auto& [k, v] : SettingValues(s))
        if (k == key) return v;
    return "<no key " + key + ">";
}

// What the scene was told, in order.
struct RecordingScene : GraphTargets {
    std::vector<std::string> told;
    bool textureLoads = true;
    void DeformTypeChanged() override { told.push_back("deform type"); }
    void DeformSpeedChanged() override { told.push_back("deform speed"); }
    void WorldSpeedChanged() override { told.push_back("world speed"); }
    void BannerSwitched() override { told.push_back("banner"); }
    void ShowLights(int count) override { told.push_back("lights " + std::to_string(count)); }
    void BlendChanged() override { told.push_back("blend"); }
    void ModulateChanged(bool enhanced) override { told.push_back(enhanced ? "modulate 2x" : "modulate"); }
    bool ReloadTexture(int index) override {
        told.push_back("texture " + std::to_string(index));
        return textureLoads;
    }
};

GraphTexts Texts() {
    GraphTexts t;
    for (int k = 0; k < kDeformTypes; ++k) t.deformTypes[static_cast<size_t>(k)] = "deform" + std::to_string(k);
    for (int k = 0; k < kTextureKeys; ++k) t.textures[static_cast<size_t>(k)] = "tex" + std::to_string(k);
    t.help = [](const std::string& key) { return "[" + key + "]"; };
    return t;
}

struct GraphFixture {
    Settings s;
    bool modulate2x = false;
    RecordingScene scene;
    GraphWindow w{s, modulate2x, scene, Texts()};
    std::vector<std::string> boxes;
    std::string offered = "/pictures/new.png";   // what the file window gives
    std::string startedIn;

    GraphFixture() {
        w.chooseFile = [this](const std::string& pattern, const std::string& folder, std::string* path) {
            EXPECT_EQ(pattern, "*.jpg;*.bmp;*.tga;*.dds;*.dib;*.png");
            startedIn = folder;
            *path = offered;
            return !offered.empty();
        };
        w.infoBox = [this](const std::string& text) { boxes.push_back(text); };
        w.textureFolder = "/game/data/textures";
        w.Load();
    }

    bool Do(const std::string& command) {
        std::istringstream in(command);
        std::string verb, name, rest;
        in >> verb >> name;
        std::getline(in >> std::ws, rest);
        if (verb == "click") return w.Click(name);
        if (verb == "choose") return w.Choose(name, rest);
        if (verb == "slide") return w.Slide(name, std::stoi(rest));
        return false;
    }
};

}  // namespace

TEST(GraphWindow, EachControlWritesItsSettingAndTellsTheSceneWhatItKeeps) {
    struct Case {
        const char* command;
        const char* key;        // configuration key
        const char* stored;     // its value afterwards
        const char* told;       // what the scene hears ("" for nothing: it reads the setting each frame)
    };
    const Case cases[] = {
        {"click chkSetka", "bDrawSetka", "False", ""},
        {"choose cmbDeformType deform7", "gr_MoveBkg", "7", "deform type"},
        {"choose cmbDeformType 0", "gr_MoveBkg", "0", "deform type"},
        {"slide sldValueDelay 1", "dq_ValueDelay", "10", "deform speed"},
        {"slide sldValueDelay 10", "dq_ValueDelay", "1", "deform speed"},
        {"slide sldValueDelay 99", "dq_ValueDelay", "1", "deform speed"},
        {"click chkWorldEnable", "m_WorldEnable", "False", ""},
        {"slide sldWorldSpeed 8", "m_WorldSpeed", "8", "world speed"},
        {"click chkColorQuads", "bColorQuads", "False", ""},
        {"click optDetal(0)", "bDetLevel", "False", ""},
        {"click optDetal(1)", "bDetLevel", "True", ""},
        {"click chkVisibleLights", "gr_VisibleLights", "0", ""},
        {"click chkHLNew", "bHLNew", "False", ""},
        {"slide sldSpeedLights 2", "gr_LightsSpeed", "2", ""},
        {"click chkFlyingBonus", "bFlyingBonus", "False", ""},
        {"click chkWalkText", "bWalkText", "False", "banner"},
        {"click chkHideGrid", "bHideGrids", "True", ""},
        {"click chkAlpha", "gr_Alpha", "1", "blend"},
        {"choose cmbSource ZERO", "gr_AlphaSource", "9", "blend"},
        {"choose cmbDest 0", "gr_AlphaDest", "0", "blend"},
    };
    for (const Case& c : cases) {
        GraphFixture f;
        ASSERT_TRUE(f.Do(c.command)) << c.command;
        EXPECT_EQ(Key(f.s, c.key), c.stored) << c.command;
        EXPECT_EQ(f.scene.told, c.told[0] ? std::vector<std::string>{c.told} : std::vector<std::string>{}) << c.command;
    }
    GraphFixture f;
    EXPECT_FALSE(f.Do("choose cmbDeformType deform14"));
    EXPECT_FALSE(f.Do("choose cmbSource INVALID"));
    EXPECT_FALSE(f.Do("click optDetal(2)"));
    EXPECT_FALSE(f.Do("slide sldNoSuch 3"));
}

TEST(GraphWindow, TransparencyBoxIsTheInverseOfTheSettingAndModulationIsNotStored) {
    GraphFixture f;
    f.s.gr_Alpha = 0;
    EXPECT_EQ(ValueOf(f.w, "chkAlpha"), "1") << "ticked: transparency off";
    ASSERT_TRUE(f.Do("click chkAlpha"));
    EXPECT_EQ(f.s.gr_Alpha, 1);
    EXPECT_EQ(ValueOf(f.w, "chkAlpha"), "0");
    ASSERT_TRUE(f.Do("click chkAlpha"));
    EXPECT_EQ(f.s.gr_Alpha, 0);

    const auto before = SettingValues(f.s);
    ASSERT_TRUE(f.Do("click optModulate(0)"));
    EXPECT_TRUE(f.modulate2x);
    EXPECT_EQ(ValueOf(f.w, "optModulate(0)"), "1");
    ASSERT_TRUE(f.Do("click optModulate(1)"));
    EXPECT_FALSE(f.modulate2x);
    EXPECT_EQ(f.scene.told, (std::vector<std::string>{"blend", "blend", "modulate 2x", "modulate"}));
    EXPECT_EQ(SettingValues(f.s), before) << "no configuration key holds the modulation";
}

TEST(GraphWindow, BlendListsGiveTheTableFactorAndAnIndexOutsideItGivesNone) {
    // list index -> device blend factor
    const int kFactor[kBlendItems] = {7, 9, 8, 10, 6, 4, 2, 5, 3, 1};
    GraphFixture f;
    for (int k = 0; k < kBlendItems; ++k) {
        ASSERT_TRUE(f.Do("choose cmbSource " + std::string(kBlendNames[static_cast<size_t>(k)])));
        ASSERT_TRUE(f.Do("choose cmbDest " + std::to_string(k)));
        EXPECT_EQ(f.s.gr_AlphaSource, k);
        EXPECT_EQ(ValueOf(f.w, "cmbSource.Factor"), std::to_string(kFactor[k]));
        EXPECT_EQ(ValueOf(f.w, "cmbDest.Factor"), std::to_string(kFactor[k]));
    }
    // A hand-edited configuration: the lists show nothing and no factor is set.
    for (int16_t bad : {-1, 10, 300}) {
        f.s.gr_AlphaSource = bad;
        EXPECT_EQ(ValueOf(f.w, "cmbSource"), "");
        EXPECT_EQ(ValueOf(f.w, "cmbSource.Factor"), "0") << bad;
    }
}

TEST(GraphWindow, LightSlidersMakeTheTwoOpaqueColoursTheirBoxesShow) {
    GraphFixture f;
    const int values[6] = {10, 20, 30, 200, 100, 300};
    for (int k = 0; k < 6; ++k) ASSERT_TRUE(f.Do("slide sldMainLight(" + std::to_string(k) + ") " + std::to_string(values[k])));
    EXPECT_EQ((std::array<int16_t, 6>{f.s.btMRed, f.s.btMGreen, f.s.btMBlue, f.s.btMRedNext, f.s.btMGreenNext,
                                      f.s.btMBlueNext}),
              (std::array<int16_t, 6>{10, 20, 30, 200, 100, 255}));
    for (const ControlValue& c : f.w.Controls()) {
        if (c.name == "picMainLight") {
            EXPECT_EQ(c.color, 10 | 20 << 8 | 30 << 16);
        } else if (c.name == "picNextLight") {
            EXPECT_EQ(c.color, 200 | 100 << 8 | 255 << 16);
        }
    }
    EXPECT_EQ(ValueOf(f.w, "picNextLight"), "200 100 255");
    EXPECT_FALSE(f.Do("slide sldMainLight(6) 10"));
}

TEST(GraphWindow, UntickingTheWorldDisablesItsSpeedSliderAndTickingEnablesIt) {
    GraphFixture f;
    f.s.m_WorldSpeed = 4;
    EXPECT_EQ(ValueOf(f.w, "sldWorldSpeed.Enabled"), "True");
    ASSERT_TRUE(f.Do("click chkWorldEnable"));
    EXPECT_EQ(ValueOf(f.w, "chkWorldEnable"), "1");
    EXPECT_EQ(ValueOf(f.w, "sldWorldSpeed.Enabled"), "False");
    ASSERT_TRUE(f.Do("slide sldWorldSpeed 9"));
    EXPECT_EQ(f.s.m_WorldSpeed, 4) << "a disabled slider does not move";
    ASSERT_TRUE(f.Do("click chkWorldEnable"));
    EXPECT_EQ(ValueOf(f.w, "sldWorldSpeed.Enabled"), "True");
    ASSERT_TRUE(f.Do("slide sldWorldSpeed 9"));
    EXPECT_EQ(f.s.m_WorldSpeed, 9);
    EXPECT_EQ(f.scene.told, std::vector<std::string>{"world speed"});
}

TEST(GraphWindow, DraggingTheLightCountShowsLightsAndOnlyTheReleaseStoresIt) {
    GraphFixture f;
    f.s.gr_NumLights = 4;
    ASSERT_TRUE(f.Do("slide sldNumLights.Scroll 9"));
    ASSERT_TRUE(f.Do("slide sldNumLights.Scroll 40"));
    EXPECT_EQ(f.s.gr_NumLights, 4);
    EXPECT_EQ(ValueOf(f.w, "sldNumLights"), "16");
    ASSERT_TRUE(f.Do("slide sldNumLights 12"));
    EXPECT_EQ(f.s.gr_NumLights, 12);
    EXPECT_EQ(f.scene.told, (std::vector<std::string>{"lights 9", "lights 16", "lights -1"}));
    // A drag cut short by closing the window: the stored count rules again.
    ASSERT_TRUE(f.Do("slide sldNumLights.Scroll 2"));
    ASSERT_TRUE(f.w.Key("Esc"));
    EXPECT_TRUE(f.w.Closed());
    EXPECT_EQ(f.s.gr_NumLights, 12);
    EXPECT_EQ(f.scene.told.back(), "lights -1");
}

TEST(GraphWindow, AChosenTextureReloadsOnlyItsIndexAndAFailureKeepsThePathAndSaysSo) {
    GraphFixture f;
    f.s.gr_arTex[13] = "/game/data/textures/fant.bmp";
    ASSERT_TRUE(f.Do("choose cmbTex tex13"));
    EXPECT_EQ(ValueOf(f.w, "lblTexPath"), "/game/data/textures/fant.bmp");
    ASSERT_TRUE(f.Do("click cmdChoiseFile"));
    EXPECT_EQ(f.startedIn, "/game/data/textures") << "the folder of the current file";
    EXPECT_EQ(f.s.gr_arTex[13], "/pictures/new.png");
    EXPECT_EQ(f.scene.told, std::vector<std::string>{"texture 13"});
    EXPECT_TRUE(f.boxes.empty());

    f.scene.textureLoads = false;
    f.offered = "/pictures/a-rather-long-folder-name/and-another-one/broken.png";
    ASSERT_TRUE(f.Do("click cmdChoiseFile"));
    EXPECT_EQ(f.startedIn, "/pictures");
    EXPECT_EQ(f.s.gr_arTex[13], f.offered) << "the new path stays in the settings";
    EXPECT_EQ(f.boxes, std::vector<std::string>{"Не удалось загрузить текстуру " + f.offered});
    EXPECT_EQ(ValueOf(f.w, "lblTexPath"), "/pictures/a-rather-lo...nother-one/broken.png");

    // Closing the file window without a choice changes nothing.
    f.offered.clear();
    ASSERT_TRUE(f.Do("click cmdChoiseFile"));
    EXPECT_EQ(f.scene.told.size(), 2u);
    // A texture without a file yet starts in the textures folder.
    ASSERT_TRUE(f.Do("choose cmbTex 2"));
    f.s.gr_arTex[2] = "...";
    ASSERT_TRUE(f.Do("click cmdChoiseFile"));
    EXPECT_EQ(f.startedIn, "/game/data/textures");
}

TEST(GraphWindow, HelpShowsTheTextOfTheControlUnderThePointerAndStartHelpElsewhere) {
    GraphFixture f;
    EXPECT_EQ(ValueOf(f.w, "lblHelp"), "[startHelp]");
    const std::pair<const char*, const char*> cases[] = {
        {"chkAlpha", "[chkAlpha_MouseMove]"},
        {"sldMainLight(5)", "[sldMainLight_MouseMove5]"},
        {"optDetal(0)", "[optDetal_MouseMove1]"},
        {"optModulate(1)", "[optModulate_MouseMove]"},
        {"", "[startHelp]"},
        {"tbsMain(3)", "[startHelp]"},
    };
    for (const auto& [control, shown] : cases) {
        f.w.Hover(control);
        EXPECT_EQ(ValueOf(f.w, "lblHelp"), shown) << control;
    }
    // Choosing a detail level shows that option's text; a tab switch shows startHelp.
    ASSERT_TRUE(f.Do("click optDetal(1)"));
    EXPECT_EQ(ValueOf(f.w, "lblHelp"), "[optDetal_MouseMove2]");
    ASSERT_TRUE(f.Do("click tbsMain(6)"));
    EXPECT_EQ(ValueOf(f.w, "tbsMain"), "6");
    EXPECT_EQ(ValueOf(f.w, "lblHelp"), "[startHelp]");
}

TEST(PaintWindow, EachComponentKeepsItsBarsAndTheMaterialFollowsAtOnce) {
    render::Material applied;
    int applications = 0;
    PaintWindow w(render::MatDefault(), [&](const render::Material& m) {
        applied = m;
        ++applications;
    });
    w.Load();
    EXPECT_EQ(ValueOf(w, "cmbType"), "diffuse");
    EXPECT_EQ(ValueOf(w, "VScroll1(0)"), "255");   // alpha 1
    EXPECT_EQ(ValueOf(w, "VScroll1(1)"), "217");   // red 0.85
    ASSERT_TRUE(w.Scroll("VScroll1(1)", 51));
    ASSERT_TRUE(w.Scroll("VScroll1(3)", 999));
    EXPECT_FLOAT_EQ(applied.diffuse.r, 0.2f);
    EXPECT_FLOAT_EQ(applied.diffuse.b, 1.0f);
    EXPECT_FLOAT_EQ(applied.diffuse.a, 1.0f);

    ASSERT_TRUE(w.Choose("cmbType", "emissive"));
    EXPECT_EQ(ValueOf(w, "VScroll1(1)"), "38") << "emissive's own red, 0.15";
    ASSERT_TRUE(w.Scroll("VScroll1(1)", 255));
    EXPECT_FLOAT_EQ(applied.emissive.r, 1.0f);
    EXPECT_FLOAT_EQ(applied.diffuse.r, 0.2f) << "the other component stays";
    ASSERT_TRUE(w.Choose("cmbType", "0"));
    EXPECT_EQ(ValueOf(w, "VScroll1(1)"), "51");
    EXPECT_EQ(ValueOf(w, "VScroll1(3)"), "255");

    ASSERT_TRUE(w.Type("12.5"));
    EXPECT_FLOAT_EQ(applied.power, 12.5f);
    const int before = applications;
    ASSERT_TRUE(w.Type("-"));
    EXPECT_EQ(applications, before) << "a half-typed number changes nothing";
    EXPECT_EQ(ValueOf(w, "txtPower"), "-");
    EXPECT_FALSE(w.Choose("cmbType", "glossy"));
    EXPECT_FALSE(w.Scroll("VScroll1(4)", 3));
    ASSERT_TRUE(w.Key("Esc"));
    EXPECT_TRUE(w.Closed());
}
