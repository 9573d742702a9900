// Configuration files: first run, the active number, a round trip of every key,
// the user sequence, path defaults, damaged files and per-machine files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <sys/stat.h>

#include "app/configuration.h"
#include "app/setting_keys.h"
#include "log_fixture.h"

using namespace zembrol;
using zembrol::testing::LogFixture;

namespace {

struct SoundOn : ConfigTargets {
    bool SoundSlotsExist() override { return true; }
    int graphicsApplied = 0;
    void GraphicsLoaded() override { ++graphicsApplied; }
    Settings* seen = nullptr;      // when set, the hooks note what they were given
    int worldSpeedSeen = -1;
    std::string textureSeen;
    void WorldSpeedChanged() override {
        if (seen) worldSpeedSeen = seen->m_WorldSpeed;
    }
    void TexturePathLoaded(int index) override {
        if (seen && index == 1) textureSeen = seen->gr_arTex[1];
    }
};

// Every key with its current text, in file order.
std::vector<std::pair<std::string, std::string>> AllKeys(Settings& s) {
    struct Collect : SettingVisitor {
        std::vector<std::pair<std::string, std::string>> keys;
        void Key(const char* section, const std::string& key, SettingRef ref) override {
            keys.emplace_back(std::string(section) + "/" + key, SettingText(ref));
        }
    } c;
    VisitSettingKeys(s, c);
    return c.keys;
}

struct ConfigFixture : LogFixture {
    AppPaths paths;
    Settings settings;
    SoundOn targets;
    Configuration config{paths, log, settings};

    ConfigFixture() {
        paths.root = dir.Path();
        paths.machine = "PLAYER";
        dir.Write("data/set/default.ini", "[MAIN]\nbCW=False\ng_Speed=2\nmSeq_Count=2\nu1=3\nu2=5\n");
        config.SetTargets(&targets);
    }
};

}  // namespace

TEST(Configuration, FirstRunCopiesTheDefaultsForThisMachine) {
    ConfigFixture f;
    ASSERT_TRUE(f.config.ini_MainIni(1));
    EXPECT_EQ(f.config.currentPath, f.dir / "data/set/PLAYER1.ini");
    EXPECT_EQ(f.dir.Read("data/set/PLAYER1.ini"), f.dir.Read("data/set/default.ini"));
    EXPECT_TRUE(f.Contains("copy default ini-file"));
    EXPECT_FALSE(f.settings.game.bCW);
    EXPECT_EQ(f.settings.game.g_Speed, 2);
    EXPECT_EQ(f.settings.game.g_TickMs, 10);
    EXPECT_EQ(f.targets.graphicsApplied, 1);
}

TEST(Configuration, ActiveNumberFromCfgIni) {
    struct Case { const char* cfg; const char* file; };
    for (const Case& c : {Case{"[config]\nini_config=4\n", "PLAYER4.ini"}, Case{"[config]\nini_config=9\n", "PLAYER1.ini"},
                          Case{"[config]\nini_config=abc\n", "PLAYER1.ini"}, Case{"", "PLAYER1.ini"},
                          Case{"[config]\nini_config=3.7\n", "PLAYER4.ini"}, Case{"[config]\nini_config=5.5\n", "PLAYER6.ini"},
                          Case{"[config]\nini_config=1e300\n", "PLAYER1.ini"}, Case{"[config]\nini_config=-inf\n", "PLAYER1.ini"},
                          Case{"[config]\nini_config=nan\n", "PLAYER1.ini"},
                          Case{"[config]\nini_config=4294967300\n", "PLAYER1.ini"}}) {
        ConfigFixture f;
        f.dir.Write("data/set/cfg.ini", c.cfg);
        f.config.ini_MainIni(1);
        EXPECT_EQ(f.config.currentPath, f.dir / ("data/set/" + std::string(c.file))) << c.cfg;
    }
    // A number there that names no configuration is logged; a missing one is the first run.
    ConfigFixture bad;
    bad.dir.Write("data/set/cfg.ini", "[config]\nini_config=1e300\n");
    bad.config.ini_MainIni(1);
    EXPECT_TRUE(bad.Contains("[config][ini_config] \"1e300\" is not a configuration 1..6; using 1"));
    ConfigFixture none;
    none.config.ini_MainIni(1);
    EXPECT_FALSE(none.Contains("ini_config]"));
}

// A hand-edited number that does not fit its key's type leaves the setting as it
// was and says so in the log; a key that is simply missing says nothing.
TEST(Configuration, NumbersThatDoNotFitKeepTheSettingAndAreLogged) {
    ConfigFixture f;
    f.dir.Write("data/set/PLAYER1.ini",
                "[MAIN]\nleft=1e300\niNumNexts=1e300\ngt_CurGameType=99999999999\niFantom=256\nbCW=nan\n"
                "m_DelLinesInLevel=inf\ng_Speed=0x10\n");
    Settings defaults;
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.left, defaults.left);
    EXPECT_EQ(f.settings.game.iNumNexts, defaults.game.iNumNexts);
    EXPECT_EQ(f.settings.game.gt_CurGameType, defaults.game.gt_CurGameType);
    EXPECT_EQ(f.settings.game.iFantom, defaults.game.iFantom);
    EXPECT_EQ(f.settings.game.bCW, defaults.game.bCW);
    EXPECT_EQ(f.settings.game.m_DelLinesInLevel, defaults.game.m_DelLinesInLevel);
    EXPECT_EQ(f.settings.game.g_Speed, defaults.game.g_Speed);
    for (const char* line : {
             "ini_LoadSaveParam() - [MAIN][left] \"1e300\" is out of range for a single; kept 0",
             "ini_LoadSaveParam() - [MAIN][iNumNexts] \"1e300\" is out of range for a 16-bit integer; kept 4",
             "ini_LoadSaveParam() - [MAIN][gt_CurGameType] \"99999999999\" is out of range for a 32-bit integer; kept 1",
             "ini_LoadSaveParam() - [MAIN][iFantom] \"256\" is out of range for a byte (0..255); kept 2",
             "ini_LoadSaveParam() - [MAIN][bCW] \"nan\" is not a number for a Boolean; kept True",
             "ini_LoadSaveParam() - [MAIN][m_DelLinesInLevel] \"inf\" is not a number for a 16-bit integer",
             "ini_LoadSaveParam() - [MAIN][g_Speed] \"0x10\" is not a number for a 16-bit integer",
         })
        EXPECT_TRUE(f.Contains(line)) << line;
    EXPECT_FALSE(f.Contains("[MAIN][top]"));  // missing from the file
}

TEST(Configuration, EveryKeySurvivesASaveAndALoad) {
    ConfigFixture f;
    f.config.ini_MainIni(1);
    // Give every variable a value unlike any default.
    struct Scramble : SettingVisitor {
        int n = 0;
        void Key(const char*, const std::string& key, SettingRef ref) override {
            ++n;
            std::visit([&](auto* v) {
                using T = std::remove_pointer_t<decltype(v)>;
                if constexpr (std::is_same_v<T, bool>) *v = !*v;
                else if constexpr (std::is_same_v<T, std::string>) *v = "/music/" + key + " ё.wav";
                else if constexpr (std::is_same_v<T, float>) *v = 15.0f * n;
                else *v = static_cast<T>(n % 100 + 1);
            }, ref);
        }
    } scramble;
    VisitSettingKeys(f.settings, scramble);
    // A key table must stay one the keys can run (a damaged one falls back to the
    // original): every action on a key of its own, none of them its default.
    for (size_t i = 0; i < kKeyActions; ++i) f.settings.game.keys.code[i] = static_cast<int16_t>('A' + i);
    f.settings.game.UserSeq.seq_Clear();
    for (uint8_t item : {6, 2, 2, 0}) f.settings.game.UserSeq.PutItem(item);
    f.settings.game.g_Speed = 1;
    ASSERT_TRUE(f.config.ini_MainIni(0));
    auto saved = AllKeys(f.settings);  // mSeq_Count now holds the sequence's length

    Settings fresh;
    Configuration reload(f.paths, f.log, fresh);
    reload.SetTargets(&f.targets);
    reload.ini_MainIni(1);
    EXPECT_EQ(AllKeys(fresh), saved);
    EXPECT_EQ(fresh.game.UserSeq.GetCount(), 4);
    EXPECT_EQ(fresh.game.UserSeq.GetValueItem(1), 6);
    EXPECT_EQ(fresh.game.UserSeq.GetValueItem(4), 0);
    EXPECT_EQ(fresh.game.g_TickMs, 15);
    std::string text = f.dir.Read("data/set/PLAYER1.ini");
    EXPECT_NE(text.find("bCW=True\n"), std::string::npos);  // Booleans as words
    EXPECT_NE(text.find("u4=0\n"), std::string::npos);
    EXPECT_NE(f.dir.Read("data/set/cfg.ini").find("ini_config=1"), std::string::npos);
}

TEST(Configuration, ReloadGivesExactlyTheStoredSequence) {
    ConfigFixture f;
    f.config.ini_MainIni(1);
    f.config.ini_MainIni(1);  // F11 twice
    const clsSeq& seq = f.settings.game.UserSeq;
    ASSERT_EQ(seq.GetCount(), 2);
    EXPECT_EQ(seq.GetValueItem(1), 3);
    EXPECT_EQ(seq.GetValueItem(2), 5);
}

TEST(Configuration, MissingSequenceItemRepeatsThePreviousOne) {
    ConfigFixture f;
    f.dir.Write("data/set/PLAYER1.ini", "[MAIN]\nmSeq_Count=4\nu2=4\nu3=junk\n");
    f.config.ini_MainIni(1);
    const clsSeq& seq = f.settings.game.UserSeq;
    ASSERT_EQ(seq.GetCount(), 4);
    EXPECT_EQ(std::vector<int>({seq.GetValueItem(1), seq.GetValueItem(2), seq.GetValueItem(3), seq.GetValueItem(4)}),
              std::vector<int>({0, 4, 4, 4}));
}

// A count that is not a count the list can hold never empties the stored sequence.
TEST(Configuration, ABadSequenceCountKeepsTheStoredItems) {
    struct Case {
        const char* count;   // the mSeq_Count line, or "" for none
        std::vector<int> items;
        bool logged;
    } cases[] = {
        {"mSeq_Count=3\n", {3, 5, 6}, false},   // a good count stands, even below the items stored
        {"mSeq_Count=junk\n", {3, 5, 6, 1}, true},
        {"mSeq_Count=200\n", {3, 5, 6, 1}, true},
        {"mSeq_Count=-1\n", {3, 5, 6, 1}, true},
        {"", {3, 5, 6, 1}, true},
    };
    for (const Case& c : cases) {
        ConfigFixture f;
        f.dir.Write("data/set/PLAYER1.ini", std::string("[MAIN]\n") + c.count + "u1=3\nu2=5\nu3=6\nu4=1\n");
        f.config.ini_MainIni(1);
        const clsSeq& seq = f.settings.game.UserSeq;
        std::vector<int> got;
        for (int i = 1; i <= seq.GetCount(); ++i) got.push_back(seq.GetValueItem(static_cast<uint8_t>(i)));
        EXPECT_EQ(got, c.items) << c.count;
        EXPECT_EQ(f.Contains("[MAIN][mSeq_Count]"), c.logged) << c.count;
        f.config.ini_MainIni(0);
        EXPECT_NE(f.dir.Read("data/set/PLAYER1.ini").find("mSeq_Count=" + std::to_string(c.items.size()) + "\n"),
                  std::string::npos)
            << c.count;
    }
}

// A series is stored as type 4, but the game of the series that is running keeps its
// type through a save and a load: its score is booked under it.
TEST(Configuration, ASeriesGameKeepsItsTypeThroughF12AndF11) {
    ConfigFixture f;
    f.config.ini_MainIni(1);
    f.settings.game.g_Trial = true;
    f.settings.game.gt_CurGameType = 2;   // game 2 of a series: Classic
    ASSERT_TRUE(f.config.ini_MainIni(0));
    EXPECT_NE(f.dir.Read("data/set/PLAYER1.ini").find("gt_CurGameType=4\n"), std::string::npos);
    EXPECT_EQ(f.settings.game.gt_CurGameType, 2);
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.game.gt_CurGameType, 2);
    // Outside a series a stored type loads as it is.
    f.settings.game.g_Trial = false;
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.game.gt_CurGameType, 4);
}

// A settings file that exists but cannot be read plays with the built-in values and
// is never written over: the player's keys, colours and paths are still in it.
TEST(Configuration, AnUnreadableFileIsLeftAlone) {
    for (const char* name : {"data/set/PLAYER1.ini", "data/set/cfg.ini"}) {
        ConfigFixture f;
        f.dir.Write("data/set/PLAYER1.ini", "[MAIN]\ng_Speed=1\n");
        const std::string path = f.dir / name;
        std::filesystem::remove(path);
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);   // exists, and reads as nothing a file holds
        std::vector<std::string> told;
        f.config.onUnreadable = [&](const std::string& p, const std::string&) { told.push_back(p); };
        f.config.ini_MainIni(1);
        f.settings.game.g_Speed = 2;
        const bool saved = f.config.ini_MainIni(0);
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << name << " was replaced";
        if (std::string(name) == "data/set/PLAYER1.ini") {
            EXPECT_FALSE(saved);
            EXPECT_EQ(told, std::vector<std::string>({path, path}));
            EXPECT_TRUE(f.Contains("exists but cannot be read"));
        } else {
            EXPECT_TRUE(saved);   // the settings themselves are saved; only cfg.ini is kept from the write
            EXPECT_NE(f.dir.Read("data/set/PLAYER1.ini").find("g_Speed=2"), std::string::npos);
            EXPECT_TRUE(f.Contains("ini_LoadSaveCfg(), err.desc - "));
        }
    }
}

TEST(Configuration, RunValuesReplaceTheFilesBeforeTheirStepsOnEveryLoad) {
    ConfigFixture f;
    f.targets.seen = &f.settings;
    f.config.SetRunValues({"G_SPEED=0", "m_WorldSpeed=3", "gr_arTex1=my-block.bmp"});
    f.dir.Write("data/set/PLAYER1.ini", "[MAIN]\ng_Speed=2\nm_WorldSpeed=7\n[GRAPH]\ngr_arTex1=other.bmp\n");
    for (int load = 0; load < 2; ++load) {
        ASSERT_TRUE(f.config.ini_MainIni(1));
        EXPECT_EQ(f.settings.game.g_Speed, 0);
        EXPECT_EQ(f.settings.game.g_TickMs, TickMsForSpeed(0, 0)) << "the tick follows the given speed";
        EXPECT_EQ(f.targets.worldSpeedSeen, 3);
        EXPECT_EQ(f.targets.textureSeen, "my-block.bmp");
        f.settings.game.g_Speed = 1;
    }
    // A save keeps the player's own values where the run only used given ones, and
    // writes what the player changed during the run.
    ASSERT_TRUE(f.config.ini_MainIni(0));
    const std::string saved = f.dir.Read("data/set/PLAYER1.ini");
    EXPECT_NE(saved.find("m_WorldSpeed=7"), std::string::npos) << saved;
    EXPECT_NE(saved.find("gr_arTex1=other.bmp"), std::string::npos) << saved;
    EXPECT_NE(saved.find("g_Speed=1"), std::string::npos) << saved;
}

TEST(Configuration, PathDefaultsReplaceOnlyShortValues) {
    ConfigFixture f;
    f.dir.Write("data/set/PLAYER1.ini", "[MUSIC]\nPathToBkgMusic=\nmDel1_Path=x\n[GRAPH]\ngr_arTex3=\n");
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.PathToBkgMusic, f.dir / "data/music/BkgMusic.wav");
    EXPECT_EQ(f.settings.slots[7].Path, f.dir / "data/music/del.wav");
    EXPECT_EQ(f.settings.slots[0].Path, "...");  // missing key: "..." is long enough to stay
    EXPECT_EQ(f.settings.gr_arTex[3], f.dir / "data/textures/tex3.bmp");
    EXPECT_EQ(f.settings.gr_arTex[14], "...");
}

TEST(Configuration, AKeyTableTheGameCannotRunFallsBackToTheOriginalKeys) {
    struct Case {
        const char* keys;        // the file's KEYS section
        const char* logged;      // the log line that says why
        bool original;           // the original table comes back
    };
    const Case cases[] = {
        {"kMoveLeft=65\nkRotate=87\n", nullptr, false},                                   // a usable rebinding
        {"kRotate=37\n", "[KEYS] kRotate has Left, the key of kMoveLeft", true},        // Left on two actions
        {"kDrop=250\n", "[KEYS] kDrop has the key 250, which cannot be bound", true},
        {"iRepeatDelay=5000\niRepeatRate=-3\n", "[KEYS] iRepeatDelay 5000 is out of range; using 170", false},
    };
    for (const Case& c : cases) {
        ConfigFixture f;
        f.dir.Write("data/set/PLAYER1.ini", std::string("[MAIN]\nbCW=False\n[KEYS]\n") + c.keys);
        f.config.ini_MainIni(1);
        const KeyBindings& keys = f.settings.game.keys;
        if (c.original) {
            EXPECT_EQ(keys, KeyBindings{}) << c.keys;
        } else if (!c.logged) {
            EXPECT_EQ(keys[KeyAction::Rotate], 'W') << c.keys;
        }
        if (c.logged) {
            EXPECT_TRUE(f.Contains(c.logged)) << c.keys;
        } else {
            EXPECT_FALSE(f.Contains("[KEYS]")) << c.keys;
        }
        EXPECT_EQ(f.settings.game.iRepeatDelay, 170) << c.keys;
        EXPECT_EQ(f.settings.game.iRepeatRate, 50) << c.keys;
        EXPECT_FALSE(f.settings.game.bCW) << "the rest of the file still reads";
    }
}

TEST(Configuration, AFileFromBeforeTheKeysAndColourAidsKeepsTheirDefaults) {
    ConfigFixture f;
    f.dir.Write("data/set/PLAYER1.ini", "[MAIN]\ng_Speed=1\n[GRAPH]\nbHLNew=False\n");
    f.config.ini_MainIni(1);
    const Settings defaults;
    EXPECT_EQ(f.settings.game.keys, KeyBindings{});
    EXPECT_FALSE(f.settings.game.bOwnRepeat);
    EXPECT_FALSE(f.settings.bColorBlind);
    EXPECT_FALSE(f.settings.bShapeMarks);
    EXPECT_EQ(f.settings.game.g_Speed, 1);
    EXPECT_FALSE(f.Contains("[KEYS]"));
    // Saved once, the file holds the new sections and reads back the same.
    f.settings.bShapeMarks = true;
    Rebind(f.settings.game.keys, KeyAction::Drop, ' ', ConflictPolicy::Swap, nullptr);
    ASSERT_TRUE(f.config.ini_MainIni(0));
    Settings fresh;
    Configuration reload(f.paths, f.log, fresh);
    reload.ini_MainIni(1);
    EXPECT_EQ(fresh.game.keys, f.settings.game.keys);
    EXPECT_TRUE(fresh.bShapeMarks);
    EXPECT_NE(f.dir.Read("data/set/PLAYER1.ini").find("[ACCESS]\nbColorBlind=False\nbShapeMarks=True\n"), std::string::npos);
}

// The frame-rate label: a new player starts from the shipped defaults, which switch
// it off; a player's file from before the option keeps it on; the file's word wins
// and is written back.
TEST(Configuration, TheFrameRateLabelIsOffForANewPlayerAndFollowsTheFile) {
    struct Case {
        const char* what;
        std::string file;        // the player's file; empty: none yet (a new player)
        bool shown;
    };
    const std::vector<Case> cases = {
        {"a new player", "", false},
        {"a file from before the option", "[MAIN]\ng_Speed=1\n", true},
        {"switched on", "[DESKTOP]\nbShowFPS=True\n", true},
        {"switched off", "[DESKTOP]\nbShowFPS=False\n", false},
    };
    for (const Case& c : cases) {
        ConfigFixture f;
        std::filesystem::copy_file(std::string(ZEMBROL_SOURCE_DIR) + "/data/set/default.ini", f.dir / "data/set/default.ini",
                                   std::filesystem::copy_options::overwrite_existing);
        if (!c.file.empty()) f.dir.Write("data/set/PLAYER1.ini", c.file);
        ASSERT_TRUE(f.config.ini_MainIni(1)) << c.what;
        EXPECT_EQ(f.settings.bShowFPS, c.shown) << c.what;
        // Switched the other way and saved, the file says so and reads back the same.
        f.settings.bShowFPS = !c.shown;
        ASSERT_TRUE(f.config.ini_MainIni(0)) << c.what;
        const std::string saved = f.dir.Read("data/set/PLAYER1.ini");
        EXPECT_NE(saved.find(c.shown ? "bShowFPS=False\n" : "bShowFPS=True\n"), std::string::npos) << c.what;
        Settings fresh;
        Configuration reload(f.paths, f.log, fresh);
        ASSERT_TRUE(reload.ini_MainIni(1)) << c.what;
        EXPECT_EQ(fresh.bShowFPS, !c.shown) << c.what;
    }
}

TEST(Configuration, DamagedFileKeepsBuiltInValues) {
    ConfigFixture f;
    std::string junk = "[MAIN]\ng_Speed=fast\nbCW=yes\nm_DelLinesInLevel=99999\n";
    for (int i = 0; i < 3000; ++i) junk += static_cast<char>(i % 251);
    junk += "\nleft=-300\n";
    f.dir.Write("data/set/PLAYER1.ini", junk);
    Settings defaults;
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.game.g_Speed, defaults.game.g_Speed);
    EXPECT_EQ(f.settings.game.bCW, defaults.game.bCW);
    EXPECT_EQ(f.settings.game.m_DelLinesInLevel, defaults.game.m_DelLinesInLevel);
    EXPECT_EQ(f.settings.left, 0.0f);  // above or left of the screen is raised to 0
}

TEST(Configuration, MachinesKeepTheirOwnFiles) {
    ConfigFixture f;
    f.config.ini_MainIni(1);
    f.settings.game.g_Speed = 1;
    f.config.ini_MainIni(0);  // F12 on PLAYER

    AppPaths other = f.paths;
    other.machine = "LAPTOP";
    Settings s2;
    Configuration c2(other, f.log, s2);
    c2.ini_MainIni(1);  // F11 on LAPTOP: its own copy of the defaults
    EXPECT_EQ(s2.game.g_Speed, 2);
    EXPECT_TRUE(f.dir.Read("data/set/PLAYER1.ini").find("g_Speed=1") != std::string::npos);
    EXPECT_TRUE(f.dir.Read("data/set/LAPTOP1.ini").find("g_Speed=2") != std::string::npos);
}

TEST(Configuration, FailedSaveIsReportedAndKeepsTheOldFile) {
    ConfigFixture f;
    f.config.ini_MainIni(1);
    const std::string before = f.dir.Read("data/set/PLAYER1.ini");
    f.config.currentPath = f.dir / "data/set";  // a folder: the rename must fail
    f.config.ini_config = "1";
    f.paths.machine = "set/../nope/PLAYER";    // the path the save takes does not exist
    EXPECT_FALSE(f.config.ini_MainIni(0));
    EXPECT_TRUE(f.Contains("ini_MainIni(), err.desc - "));
    EXPECT_EQ(f.dir.Read("data/set/PLAYER1.ini"), before);
}

TEST(Configuration, ShortTextAndFindFile) {
    const std::string path60(60, 'p');
    EXPECT_EQ(g_ShortText(path60, 25), std::string(11, 'p') + "..." + std::string(11, 'p'));
    EXPECT_EQ(g_ShortText("short", 25), "short");
    EXPECT_EQ(g_ShortText("/музыка/очень/длинный/путь.wav", 11), "/муз....wav");
    LogFixture f;
    EXPECT_FALSE(a_FindFile(f.log, f.dir / "nope.ini"));
    EXPECT_TRUE(f.Contains("a_FindFile(): file " + (f.dir / "nope.ini") + " not found --- FAILED !!!"));
}
