// The sequence editor (appending, removing, the random-order box, and the edited
// sequence surviving other games and the configuration) and the file-open window on a small folder
// tree made here (patterns of several parts, folders, cancelling, unreadable folders).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "app/configuration.h"
#include "windows/open_window.h"
#include "windows/seq_window.h"
#include "game/end_of_game.h"
#include "game/f_init.h"
#include "log_fixture.h"
#include "temp_dir.h"
#include "control_text.h"

using namespace zembrol;
using zembrol::testing::ValueOf;
using zembrol::testing::LogFixture;
using zembrol::testing::TempDir;

namespace {

// The sequence as the buttons show it: "3 5 0".
std::string Shown(const SeqWindow& w) {
    std::string s;
    for (int k = 0; k < 10; ++k) {
        const std::string item = ValueOf(w, "cmdDest(" + std::to_string(k) + ")");
        if (item.empty()) continue;
        s += (s.empty() ? "" : " ") + item;
    }
    return s;
}

// A player's configuration folder whose settings file starts from `defaults`.
struct PlayerFolder {
    LogFixture lf;
    AppPaths paths;
    explicit PlayerFolder(const std::string& defaults) {
        paths.root = lf.dir.Path();
        paths.machine = "PLAYER";
        lf.dir.Write("data/set/default.ini", defaults);
    }
    // The configuration as a fresh start reads it.
    bool Load(Settings& settings) {
        Configuration config(paths, lf.log, settings);
        return config.ini_MainIni(1);
    }
};

GameSettings WithSequence(std::initializer_list<uint8_t> items, bool random) {
    GameSettings g;
    for (uint8_t i : items) g.UserSeq.PutItem(i);
    g.bRandomSeq = random;
    return g;
}

}  // namespace

TEST(SeqWindow, FigureButtonsAppendAndAFullListIgnoresThem) {
    GameSettings g;
    SeqWindow w(g);
    w.Load();
    EXPECT_EQ(Shown(w), "");
    EXPECT_FALSE(w.SequenceChanged());
    for (int k = 0; k < 10; ++k) ASSERT_TRUE(w.Click("cmdBase(" + std::to_string(k % 7) + ")"));
    EXPECT_EQ(Shown(w), "0 1 2 3 4 5 6 0 1 2");
    EXPECT_TRUE(w.SequenceChanged());
    EXPECT_TRUE(w.Click("cmdBase(6)"));   // the eleventh
    EXPECT_EQ(Shown(w), "0 1 2 3 4 5 6 0 1 2");
    EXPECT_EQ(g.UserSeq.GetCount(), 10);
    EXPECT_FALSE(w.Click("cmdBase(7)"));
}

TEST(SeqWindow, RemovingTheFirstItemShiftsTheOthersLeft) {
    GameSettings g = WithSequence({3, 5, 0, 6}, true);
    SeqWindow w(g);
    w.Load();
    ASSERT_TRUE(w.Click("cmdDest(0)"));
    EXPECT_EQ(Shown(w), "5 0 6");
    ASSERT_TRUE(w.Click("cmdDest(2)"));   // the last
    EXPECT_EQ(Shown(w), "5 0");
    EXPECT_TRUE(w.Click("cmdDest(5)")) << "a hidden button does nothing";
    EXPECT_EQ(Shown(w), "5 0");
    EXPECT_EQ(g.UserSeq.Position(), 1) << "reading starts again from the first item";
}

TEST(SeqWindow, BelowTwoItemsRandomOrderIsSwitchedOffAndDisabled) {
    GameSettings g = WithSequence({2, 4, 1}, true);
    SeqWindow w(g);
    w.Load();
    EXPECT_EQ(ValueOf(w, "chkRandom"), "1");
    EXPECT_EQ(ValueOf(w, "chkRandom.Enabled"), "True");
    w.Click("cmdDest(1)");
    EXPECT_TRUE(g.bRandomSeq);
    w.Click("cmdDest(0)");
    EXPECT_EQ(Shown(w), "1");
    EXPECT_FALSE(g.bRandomSeq);
    EXPECT_EQ(ValueOf(w, "chkRandom.Enabled"), "False");
    w.Click("chkRandom");
    EXPECT_FALSE(g.bRandomSeq) << "a disabled box does not tick";
    // Growing again enables the box, still unticked.
    w.Click("cmdBase(4)");
    EXPECT_EQ(ValueOf(w, "chkRandom.Enabled"), "True");
    EXPECT_FALSE(g.bRandomSeq);
    w.Click("chkRandom");
    EXPECT_TRUE(g.bRandomSeq);

    // Opening with one item already clears the flag.
    GameSettings one = WithSequence({6}, true);
    SeqWindow w1(one);
    w1.Load();
    EXPECT_FALSE(one.bRandomSeq);
}

TEST(SeqWindow, OkEscAndTheCloseBoxCloseIt) {
    for (const char* how : {"cmdOk1", "close", "Esc"}) {
        GameSettings g;
        SeqWindow w(g);
        w.Load();
        if (std::string(how) == "Esc") w.Key("Esc");
        else w.Click(how);
        EXPECT_TRUE(w.Closed()) << how;
    }
}

// Games of the other types and a series draw from lists of their own: the sequence
// and its order flag the player left are what the configuration saves.
TEST(SeqWindow, ThePlayersSequenceSurvivesOtherGamesAndTheConfiguration) {
    struct Silent : GameEvents {
        void OnGameEvent(const GameEvent&) override {}
    };
    struct Case {
        const char* name;
        int type;
        bool series;
    };
    for (const Case& c : {Case{"main type", 1, false}, Case{"Classic", 2, false}, Case{"series", 4, true}}) {
        PlayerFolder folder("[MAIN]\nmSeq_Count=3\nu1=4\nu2=4\nu3=1\nbRandomSeq=False\n");
        Settings settings;
        Configuration config(folder.paths, folder.lf.log, settings);
        ASSERT_TRUE(config.ini_MainIni(1));
        settings.game.gt_CurGameType = c.type;
        settings.game.g_Trial = c.series;
        GameState state;
        Rng rng(7);
        Silent events;
        Game game{state, settings.game, rng, events};
        f_Init(game);
        NullResultSteps noRecords;
        if (c.series) {
            ASSERT_TRUE(EndOfGame(game, noRecords, true));   // on to its "Classic" game
        }
        ASSERT_TRUE(config.ini_MainIni(0));

        Settings fresh;
        ASSERT_TRUE(folder.Load(fresh));
        SeqWindow w(fresh.game);
        w.Load();
        EXPECT_EQ(Shown(w), "4 4 1") << c.name;
        EXPECT_FALSE(fresh.game.bRandomSeq) << c.name;
    }
}

TEST(SeqWindow, TheEditedSequenceSurvivesTheConfiguration) {
    PlayerFolder folder("[MAIN]\nmSeq_Count=3\nu1=1\nu2=1\nu3=1\nbRandomSeq=True\n");
    Settings settings;
    Configuration config(folder.paths, folder.lf.log, settings);
    ASSERT_TRUE(config.ini_MainIni(1));
    SeqWindow w(settings.game);
    w.Load();
    w.Click("cmdDest(0)");
    w.Click("cmdDest(0)");
    for (const char* c : {"cmdBase(6)", "cmdBase(0)", "cmdBase(4)"}) w.Click(c);
    w.Click("chkRandom");
    ASSERT_EQ(Shown(w), "1 6 0 4");
    ASSERT_TRUE(config.ini_MainIni(0));

    Settings fresh;
    ASSERT_TRUE(folder.Load(fresh));
    SeqWindow again(fresh.game);
    again.Load();
    EXPECT_EQ(Shown(again), "1 6 0 4");
    EXPECT_TRUE(fresh.game.bRandomSeq) << "switched off at one item, ticked again at four";
}

// ---- frmOpen ----

namespace {

struct Tree {
    TempDir dir;
    Tree() {
        dir.Write("snd/a.wav", "a");
        dir.Write("snd/B.WAV", "b");
        dir.Write("snd/notes.txt", "n");
        dir.Write("snd/.hidden.wav", "h");
        dir.Write("pics/sky.jpg", "j");
        dir.Write("pics/wall.bmp", "b");
        dir.Write("pics/logo.png", "p");
        dir.Write("pics/deep/x.jpg", "x");
    }
    FileOpenWindow Open(const std::string& pattern, const std::string& folder) const {
        return FileOpenWindow(pattern, dir / folder, {dir.Path(), "/"}, "Open " + pattern, "Cannot read the folder");
    }
};

}  // namespace

TEST(FileOpenWindow, ThePatternFiltersTheFilesAndEachPartCounts) {
    Tree t;
    struct Case {
        const char* pattern;
        const char* folder;
        std::vector<std::string> files;
    };
    for (const Case& c : std::vector<Case>{
             {"*.wav", "snd", {"B.WAV", "a.wav"}},
             {"*.jpg;*.bmp", "pics", {"sky.jpg", "wall.bmp"}},
             {"*.jpg;*.bmp;*.png", "pics", {"logo.png", "sky.jpg", "wall.bmp"}},
             {"*.jpg;;*.bmp;", "pics", {"sky.jpg", "wall.bmp"}},
             {"*.wav", "pics", {}},
         }) {
        const FileOpenWindow w = t.Open(c.pattern, c.folder);
        EXPECT_EQ(w.Files(), c.files) << c.pattern;
        EXPECT_EQ(w.Message(), "") << c.pattern;
    }
    const FileOpenWindow w = t.Open("*.wav", "snd");
    EXPECT_EQ(ValueOf(w, "Caption"), "Open *.wav");
    EXPECT_EQ(ValueOf(w, "drvOpen"), t.dir.Path());
}

TEST(FileOpenWindow, FoldersAreOpenedAndOneClickChooses) {
    Tree t;
    FileOpenWindow w = t.Open("*.jpg", "pics");
    EXPECT_EQ(w.Folders(), (std::vector<std::string>{"..", "deep"}));
    ASSERT_TRUE(w.Choose("dirOpen", "deep"));
    EXPECT_EQ(w.Folder(), t.dir / "pics/deep");
    EXPECT_EQ(w.Files(), std::vector<std::string>{"x.jpg"});
    ASSERT_TRUE(w.Choose("dirOpen", ".."));
    ASSERT_TRUE(w.Choose("dirOpen", ".."));
    EXPECT_EQ(w.Folder(), t.dir.Path());
    EXPECT_EQ(w.Folders(), (std::vector<std::string>{"..", "pics", "snd"}));
    ASSERT_TRUE(w.Choose("drvOpen", "/"));
    EXPECT_EQ(w.Folder(), "/");
    EXPECT_EQ(w.Folders().front() == "..", false) << "no parent above /";
    ASSERT_TRUE(w.Click("drvOpen(0)"));
    w.Choose("dirOpen", "pics");
    EXPECT_FALSE(w.Choose("filOpen", "nothing.jpg"));
    EXPECT_FALSE(w.Closed());
    ASSERT_TRUE(w.Choose("filOpen", "sky.jpg"));
    EXPECT_TRUE(w.Closed());
    EXPECT_EQ(w.ChosenPath(), t.dir / "pics/sky.jpg");
    EXPECT_EQ(w.ChosenFile(), "sky.jpg");
}

TEST(FileOpenWindow, ClosingWithoutAFileChoosesNothing) {
    Tree t;
    for (const char* how : {"close", "cmdCancel", "Esc", "default"}) {
        FileOpenWindow w = t.Open("*.wav", "snd");
        w.Choose("dirOpen", "..");
        if (std::string(how) == "Esc") w.Key("Esc");
        else if (std::string(how) == "default") w.CloseByDefault();
        else w.Click(how);
        EXPECT_TRUE(w.Closed()) << how;
        EXPECT_EQ(w.ChosenPath(), "") << how;
        EXPECT_EQ(w.ChosenFile(), "") << how;
    }
}

TEST(FileOpenWindow, AnUnreadableFolderSaysSoAndTheWindowStays) {
    Tree t;
    FileOpenWindow w = t.Open("*.wav", "snd");
    // A folder removed while the window shows its parent.
    FileOpenWindow parent = t.Open("*.jpg", "pics");
    std::filesystem::remove_all(t.dir / "pics/deep");
    ASSERT_TRUE(parent.Choose("dirOpen", "deep"));
    EXPECT_EQ(parent.Folder(), t.dir / "pics");
    EXPECT_NE(parent.Message().find("Cannot read the folder " + t.dir / "pics/deep"), std::string::npos)
        << parent.Message();
    EXPECT_EQ(parent.Files(), std::vector<std::string>{"sky.jpg"});
    // A folder without read permission (root reads everything: nothing to see then).
    if (geteuid() != 0) {
        chmod((t.dir / "snd").c_str(), 0);
        ASSERT_TRUE(w.Choose("dirOpen", ".."));
        ASSERT_TRUE(w.Choose("dirOpen", "snd"));
        EXPECT_EQ(w.Folder(), t.dir.Path());
        EXPECT_FALSE(w.Message().empty());
        chmod((t.dir / "snd").c_str(), 0755);
    }
}

TEST(FileOpenWindow, ThePlaceOfAFolderIsTheLongestPlaceAboveIt) {
    const std::vector<std::string> places = {"/home/p", "/opt/zembrol", "/", "/media/p/usb"};
    EXPECT_EQ(PlaceOf(places, "/home/p/music"), 0);
    EXPECT_EQ(PlaceOf(places, "/home/pq"), 2);
    EXPECT_EQ(PlaceOf(places, "/opt/zembrol"), 1);
    EXPECT_EQ(PlaceOf(places, "/media/p/usb/a/b"), 3);
    EXPECT_EQ(PlaceOf({}, "/x"), -1);
}
