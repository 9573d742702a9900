// Language files and lang.txt: lookups, fallbacks and the mode captions.
#include <gtest/gtest.h>

#include "app/language.h"
#include "log_fixture.h"

using namespace zembrol;
using zembrol::testing::LogFixture;

namespace {
struct LangFixture : LogFixture {
    AppPaths paths;
    Language lang{paths, log};
    MainCaptions applied;
    int applyCount = 0;
    LangFixture() {
        paths.root = dir.Path();
        paths.machine = "PLAYER";
        dir.Write("data/lang/russian.ini", "[fMain]\ncPause=Пауза\nfcаncеl=Отмена\n[fSettings]\nct_optSpeed1=Средне\n");
        dir.Write("data/lang/my english.ini", "[fMain]\ncPause=Pause\nfcancel=Cancel\n[fSettings]\nct_optType1=Classic\n");
        lang.SetCaptionSink([this](const MainCaptions& c) {
            applied = c;
            ++applyCount;
        });
    }
};
}  // namespace

TEST(Language, LangTxtNamesTheFileEvenWithSpaces) {
    LangFixture f;
    f.dir.Write("lang.txt", "my english.ini\r\nsecond line ignored\n");
    ASSERT_TRUE(f.lang.set_lang(false));
    EXPECT_EQ(f.lang.Current(), "my english.ini");
    EXPECT_EQ(f.applied.chkPause, "Pause");
    EXPECT_EQ(f.applied.chkExit, "...");  // missing key
    EXPECT_EQ(f.lang.ini_GetParam("fMain", "fcаncеl"), "...");  // written with Latin letters there
}

TEST(Language, MissingLangTxtLeavesEveryTextUnset) {
    LangFixture f;
    EXPECT_FALSE(f.lang.set_lang(false));
    EXPECT_EQ(f.applyCount, 0);
    EXPECT_TRUE(f.Contains("set_lang() - "));
    EXPECT_EQ(f.lang.ini_GetParam("fMain", "cPause"), "...");
}

TEST(Language, LangTxtNamingAMissingFileFallsBackToRussian) {
    LangFixture f;
    f.dir.Write("lang.txt", "klingon.ini\n");
    f.lang.set_lang(false);
    EXPECT_EQ(f.lang.Current(), "russian.ini");
    EXPECT_TRUE(f.Contains("set_lang() - set default language - err.desc -"));
    EXPECT_EQ(f.applied.chkPause, "Пауза");
    EXPECT_EQ(f.lang.ini_GetParam("fMain", "fcаncеl"), "Отмена");
}

TEST(Language, SavingRewritesLangTxt) {
    LangFixture f;
    f.lang.SetCurrent("my english.ini");
    ASSERT_TRUE(f.lang.set_lang(true));
    EXPECT_EQ(f.dir.Read("lang.txt"), "my english.ini\n");
    EXPECT_EQ(f.applied.chkPause, "Pause");
}

TEST(Language, ListingTheLanguages) {
    LangFixture f;
    std::vector<std::string> names;
    ASSERT_TRUE(f.lang.get_languages(&names));
    EXPECT_EQ(names.size(), 2u);

    LogFixture empty;
    AppPaths nowhere{empty.dir.Path(), "PLAYER"};
    Language none(nowhere, empty.log);
    names.clear();
    EXPECT_FALSE(none.get_languages(&names));
    EXPECT_EQ(none.Current(), "russian.ini");
    EXPECT_TRUE(empty.Contains("get_languages() - no files found --- FAILED !!!"));
}

TEST(Language, ModeCaptions) {
    LangFixture f;
    f.dir.Write("lang.txt", "my english.ini\n");
    f.lang.set_lang(false);
    struct Case { int speed, type; bool trial; const char* wantSpeed; const char* wantType; };
    const Case cases[] = {
        {1, 1, false, "...", "Zembrol"}, {0, 2, false, "...", "Classic"}, {2, 3, false, "...", "..."},
        {1, 2, true, "...", "..."},      {5, 7, false, "", ""},
    };
    for (const Case& c : cases) {
        ModeCaptions m = g_GetModeCaptions(f.lang, c.speed, c.type, c.trial);
        EXPECT_EQ(m.speed, c.wantSpeed);
        EXPECT_EQ(m.type, c.wantType);
    }
    f.lang.SetCurrent("russian.ini");
    EXPECT_EQ(g_GetModeCaptions(f.lang, 1, 1, false).speed, "Средне");
}
