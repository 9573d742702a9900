// Language files and lang.txt: lookups, fallbacks and the mode captions.
#include <gtest/gtest.h>

#include "app/language.h"
#include "game/key_bindings.h"
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

namespace {
// Every caption of the main window, buttons first, with a name for messages.
std::vector<std::pair<std::string, std::string>> AllCaptions(MainCaptions c) {
    std::vector<std::pair<std::string, std::string>> all = {
        {"cPause", c.chkPause}, {"cSettings", c.chkSet},  {"cHelp", c.chkHelp}, {"cNewGame", c.chkNew},
        {"cMainView", c.chkView0}, {"cDemo", c.chkDemo}, {"cExit", c.chkExit},
    };
    for (const MainLabelKey& k : MainLabelKeys()) all.emplace_back(k.key, *k.field(c));
    return all;
}

bool HasCyrillic(const std::string& s) {
    // Cyrillic letters of U+0400..U+04FF start with the UTF-8 bytes D0..D3.
    for (unsigned char ch : s)
        if (ch >= 0xD0 && ch <= 0xD3) return true;
    return false;
}

// The language files as the game ships them, read from the source tree.
struct ShippedFiles : LogFixture {
    AppPaths paths;
    Language lang{paths, log};
    ShippedFiles() {
        paths.root = ZEMBROL_SOURCE_DIR;  // its data/lang is what the game ships
        paths.machine = "PLAYER";
    }
};
}  // namespace

TEST(Language, ShippedRussianFileGivesEveryMainCaptionInRussian) {
    ShippedFiles f;
    f.lang.SetCurrent("english.ini");
    const auto english = AllCaptions(f.lang.MainWindowCaptions());
    f.lang.SetCurrent("russian.ini");
    const auto russian = AllCaptions(f.lang.MainWindowCaptions());
    ASSERT_EQ(english.size(), russian.size());
    for (size_t i = 0; i < russian.size(); ++i) {
        const auto& [key, text] = russian[i];
        EXPECT_TRUE(HasCyrillic(text)) << key << " = \"" << text << "\"";
        EXPECT_NE(text, english[i].second) << key;
    }
}

TEST(Language, ShippedEnglishFileHoldsEveryLabelKey) {
    // The built-in English texts are the fallback for a file without the keys; the
    // shipped English file must say the same, so both ways read alike.
    ShippedFiles f;
    f.lang.SetCurrent("english.ini");
    for (const MainLabelKey& k : MainLabelKeys())
        EXPECT_EQ(f.lang.ini_GetParam("fMain", k.key), k.english) << k.key;
    EXPECT_EQ(f.lang.LanguageName("english.ini"), "English");
    EXPECT_EQ(f.lang.LanguageName("russian.ini"), "Русский");
}

TEST(Language, LabelsMissingFromTheFileFallBackToEnglish) {
    LangFixture f;
    f.dir.Write("data/lang/russian.ini", "[fMain]\ncPause=Пауза\nlblScoreCap=Очки\nlblPlaceCap=\n");
    f.lang.SetCurrent("russian.ini");
    const MainCaptions c = f.lang.MainWindowCaptions();
    EXPECT_EQ(c.lblScoreCap, "Очки");
    EXPECT_EQ(c.lblPlaceCap, "");  // present but empty: the file's own choice
    EXPECT_EQ(c.lblBonusCap[0], "Zembrol bonus");
    EXPECT_EQ(c.lblBonusCap[4], "Color bonus");
    EXPECT_EQ(c.lblTakeBackCap, "Take back");
    EXPECT_EQ(c.lstTableCap, "Top 100");
    EXPECT_EQ(c.lstLevelCap, "Level Top 100");
    // The buttons keep the language files' own rule: a missing key shows "...".
    EXPECT_EQ(c.chkPause, "Пауза");
    EXPECT_EQ(c.chkExit, "...");

    // Without any language file chosen the labels read in English too.
    LangFixture none;
    EXPECT_EQ(none.lang.MainWindowCaptions().lstLevelCap, "Level Top 100");
}

TEST(Language, TheWindowNamesEachLanguageFromItsOwnFile) {
    LangFixture f;
    f.dir.Write("data/lang/russian.ini", "[Language]\nName = Русский \n[fMain]\ncPause=Пауза\n");
    f.dir.Write("data/lang/blank.ini", "[Language]\nName=\n");
    EXPECT_EQ(f.lang.LanguageName("russian.ini"), "Русский");
    EXPECT_EQ(f.lang.LanguageName("my english.ini"), "my english.ini");  // no [Language] section
    EXPECT_EQ(f.lang.LanguageName("blank.ini"), "blank.ini");
    EXPECT_EQ(f.lang.LanguageName("gone.ini"), "gone.ini");
}

TEST(Language, ShippedFilesGiveTheKeysTabInBothLanguages) {
    ShippedFiles f;
    std::vector<std::string> keys = {"tab6caption", "ky_fraKeys", "ky_lblKeysHelp", "ky_cmdDefault", "ky_msgWait",
                                     "ky_msgDone", "ky_msgSwapped", "ky_msgRefused", "ky_msgDefaults", "ky_fraRepeat",
                                     "ky_chkOwnRepeat", "ky_sldRepeatDelay", "ky_sldRepeatRate", "ky_fraColors",
                                     "ky_chkColorBlind", "ky_chkShapeMarks"};
    for (size_t i = 0; i < kKeyActions; ++i) keys.push_back(std::string("ky_") + InfoOf(static_cast<KeyAction>(i)).configKey);
    for (const std::string& key : keys) {
        f.lang.SetCurrent("english.ini");
        const std::string english = f.lang.ini_GetParam("fSettings", key);
        f.lang.SetCurrent("russian.ini");
        const std::string russian = f.lang.ini_GetParam("fSettings", key);
        EXPECT_NE(english, "...") << key;
        EXPECT_TRUE(HasCyrillic(russian)) << key << " = \"" << russian << "\"";
        // A message keeps the places its values go to.
        for (const char* mark : {"%1", "%2", "%3"})
            EXPECT_EQ(english.find(mark) == std::string::npos, russian.find(mark) == std::string::npos) << key << mark;
    }
}
