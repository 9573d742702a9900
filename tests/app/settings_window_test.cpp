// The settings window as a player and a script drive it: what each control writes,
// the closing rules that decide whether a new game starts, and files that do not
// load (sounds, music, skin pictures) leaving the ones in use working.
#include <gtest/gtest.h>

#include <sstream>

#include "app/setting_keys.h"
#include "windows/settings_window.h"
#include "game/game_state.h"
#include "platform/image.h"
#include "sound/fake_audio_device.h"
#include "sound/sound_events.h"
#include "temp_dir.h"
#include "control_text.h"

using namespace zembrol;
using zembrol::testing::ValueOf;
using zembrol::testing::FakeAudioDevice;
using zembrol::testing::TempDir;

namespace {

const std::array<std::string, kSoundEvents> kEvents = {"Inversion", "Special figure", "Rows removed", "Landing",
                                                        "Drop",      "Rotation",       "Level change", "Game start"};

std::string Key(Settings& s, const std::string& key) {
    for (const auto& [k, v] : SettingValues(s))
        if (k == key) return v;
    return "<no key " + key + ">";
}


// "click X", "choose X ITEM", "slide X V", "key K": the script's window commands.
bool Command(SettingsWindow& w, const std::string& command) {
    std::istringstream in(command);
    std::string verb, name;
    in >> verb >> name;
    std::string rest;
    std::getline(in >> std::ws, rest);
    if (verb == "click") return w.Click(name);
    if (verb == "choose") return w.Choose(name, rest);
    if (verb == "slide") return w.Slide(name, std::stoi(rest));
    if (verb == "key") return w.Key(name);
    return false;
}

struct Fixture {
    Settings s;
    GameState state;
    SoundEvents sound{s, 1};
    SettingsWindow w{s, state, sound, kEvents};
    int newGames = 0;

    Fixture() {
        // Values away from what the controls under test write.
        s.game.iVerColorBonus = 3000;
        s.game.m_DelLinesInLevel = 3;
        w.newGame = [this] { ++newGames; };
    }
};

}  // namespace

TEST(SettingsWindow, EachControlWritesItsSettingAtOnce) {
    struct Case {
        std::vector<std::string> commands;
        std::vector<std::pair<std::string, std::string>> keys;   // configuration key -> value afterwards
    };
    const std::vector<Case> cases = {
        {{"click optType(1)"}, {{"gt_CurGameType", "2"}}},
        {{"click optType(3)"}, {{"gt_CurGameType", "4"}}},
        {{"click optSpeed(2)"}, {{"g_Speed", "2"}}},
        {{"choose cmbDelLin 5"}, {{"m_DelLinesInLevel", "5"}}},
        {{"click chkAnimateChL"}, {{"b_AnimateChangeLevel", "False"}}},
        {{"click optCW(1)"}, {{"bCW", "False"}}},
        {{"click optCW(1)", "click optCW(0)"}, {{"bCW", "True"}}},
        {{"click optMouse(1)"}, {{"bRightButton", "False"}}},
        {{"click optMouse(1)", "click optMouse(0)"}, {{"bRightButton", "True"}}},
        // The check box's caption says "switch off": ticking it switches the Miracle off.
        {{"click chkEnableMiracle"}, {{"bEnableMiracle", "False"}}},
        {{"click optMiracle(2)"}, {{"iNumSpeedMiracle", "2"}}},
        {{"click chkEnableMiracle", "click optMiracle(0)"}, {{"iNumSpeedMiracle", "1"}}},   // disabled
        {{"click chkSvet"}, {{"EnableSvet", "False"}}},
        {{"click optVerColorB(0)"}, {{"iVerColorBonus", "1000"}}},
        {{"click optVerColorB(1)"}, {{"iVerColorBonus", "2000"}}},
        {{"click optVerColorB(2)"}, {{"iVerColorBonus", "3000"}}},
        {{"click optFant(0)"}, {{"iFantom", "0"}}},
        {{"click optFuture(2)"}, {{"iNumNexts", "2"}}},
        {{"click chkSnake"}, {{"iBeSnake", "0"}}},
        {{"click chkSnake", "click chkSnake"}, {{"iBeSnake", "1"}}},
        {{"click chkHLLstBox(1)"}, {{"bLstBox0", "True"}, {"bLstBox1", "False"}}},
        {{"click cmdControlColor(6)"}, {{"iControlsColor", "6"}}},
        {{"click cmdSkin(7)"}, {{"iNumSkin", "1"}, {"iControlsColor", "1"}}},
        {{"click cmdSkin(8)"}, {{"iNumSkin", "2"}, {"iControlsColor", "5"}}},
        {{"click cmdSkin(9)"}, {{"iNumSkin", "3"}, {"iControlsColor", "0"}}},
        {{"click cmdSkin(3)"}, {{"g_SkinIndex", "3"}, {"iNumSkin", "1"}}},
        {{"click chkEnable"}, {{"EnableLoop", "False"}}},
        {{"slide sldVolBackgrnd -1200"}, {{"DirectSound_Vol", "-1200"}}},
        {{"slide sldVolBackgrnd -99999"}, {{"DirectSound_Vol", std::to_string(kVolumeMin)}}},
        {{"slide sldFreq 11025"}, {{"freq", "11025"}}},
        {{"slide sldChange 0"}, {{"SpeedChange", "0"}}},
        {{"slide txtChange 30"}, {{"SpeedChange", "30"}}},
        {{"click chkSoundControl"}, {{"EnableSoundControl", "False"}}},
        // The event list chooses the slot(s) the controls below it edit.
        {{"choose cmbListEvents Drop", "slide sldVolBut2 -700"}, {{"mDrop2_Vol", "-700"}, {"mDrop1_Vol", "0"}}},
        {{"choose cmbListEvents Rotation", "click chkEnFirstVar"}, {{"mRot1_Enbl", "False"}}},
        {{"choose cmbListEvents Landing", "slide sldFreqBut1 8000"}, {{"mDown1_Freq", "8000"}}},
        {{"choose cmbListEvents 6", "slide sldVolBut1 -300"}, {{"mLft1_Vol", "-300"}}},
        // A one-slot event has no second variant to edit.
        {{"choose cmbListEvents Game start", "slide sldVolBut2 -300"}, {{"mRht1_Vol", "0"}}},
        {{"click chkPauseOnFocusLoss"}, {{"bPauseOnFocusLoss", "False"}}},
        // The Keys tab: a clicked action takes the next key; a key in use is swapped.
        {{"click lstKeys(2)", "key W"}, {{"kRotate", "87"}}},
        {{"click lstKeys(3)", "key Space"}, {{"kDrop", "32"}, {"kInversia", "40"}}},
        {{"click lstKeys(0)", "key Num4", "click lstKeys(1)", "key Num6"}, {{"kMoveLeft", "100"}, {"kMoveRight", "102"}}},
        {{"click lstKeys(0)", "key NoSuchKey", "key A"}, {{"kMoveLeft", "65"}}},
        // Esc is the new key while an action waits, not the window's close.
        {{"click lstKeys(6)", "key P", "click lstKeys(6)", "key Esc"}, {{"kPause", "27"}}},
        {{"click lstKeys(0)", "key A", "click lstKeys(5)", "key Left", "click cmdKeysDefault"},
         {{"kMoveLeft", "37"}, {"kTakeBack", "13"}}},
        {{"click chkOwnRepeat", "slide sldRepeatDelay 250", "slide sldRepeatRate 9999"},
         {{"bOwnRepeat", "True"}, {"iRepeatDelay", "250"}, {"iRepeatRate", "500"}}},
        {{"slide sldRepeatDelay 250"}, {{"bOwnRepeat", "False"}, {"iRepeatDelay", "170"}}},   // disabled
        {{"click chkColorBlind", "click chkShapeMarks"}, {{"bColorBlind", "True"}, {"bShapeMarks", "True"}}},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.w.Load();
        std::string what;
        for (const std::string& command : c.commands) {
            what += command + "; ";
            ASSERT_TRUE(Command(f.w, command)) << what;
        }
        for (const auto& [key, value] : c.keys) EXPECT_EQ(Key(f.s, key), value) << what << key;
        EXPECT_FALSE(f.w.Closed()) << what;
    }
}

TEST(SettingsWindow, UnknownControlsAndItemsAreRefused) {
    Fixture f;
    f.w.Load();
    for (const char* command : {"click optSpeed(3)", "click optType(4)", "click cmdSkin(5)", "click nothing",
                                       "choose cmbDelLin 8", "choose cmbFallSpeed 16", "choose cmbListEvents Thunder",
                                       "slide optSpeed 1", "key Enter"})
        EXPECT_FALSE(Command(f.w, command)) << command;
}

TEST(SettingsWindow, AnActionWaitsForItsKeyAndTheKeysTabSaysWhatMoved) {
    Fixture f;
    f.w.Load();
    f.w.Click("tbs1(5)");
    f.w.Click("lstKeys(3)");
    EXPECT_EQ(ValueOf(f.w, "lstKeys.Waiting"), "3");
    EXPECT_EQ(ValueOf(f.w, "lblKeysMsg"), "Press the new key for \"Drop\" (click it again to keep its key).");
    EXPECT_TRUE(f.w.Key("Space"));
    EXPECT_EQ(ValueOf(f.w, "lblKeysMsg"), "Space was the key of \"Inversia\", which has Down now.");
    EXPECT_EQ(ValueOf(f.w, "lstKeys(3)"), "Space");
    EXPECT_EQ(ValueOf(f.w, "lstKeys(4)"), "Down");
    EXPECT_EQ(ValueOf(f.w, "lstKeys.Waiting"), "-1");
    // Nothing waits: a key is the window's, and A is nothing to it.
    EXPECT_FALSE(f.w.Key("A"));
    // Clicking the waiting action again, or any other control, keeps its key.
    for (const char* other : {"lstKeys(0)", "chkSnake", "tbs1(2)"}) {
        f.w.Click("lstKeys(0)");
        f.w.Click(other);
        EXPECT_FALSE(f.w.Key("A")) << other;
        EXPECT_EQ(f.s.game.keys[KeyAction::MoveLeft], 37) << other;
    }
    // A key the game cannot read is refused; the action goes on waiting.
    f.w.Click("lstKeys(0)");
    EXPECT_TRUE(f.w.Key("PrintScreen"));
    EXPECT_EQ(ValueOf(f.w, "lblKeysMsg"), "The key PrintScreen cannot be bound; press another.");
    EXPECT_TRUE(f.w.Key("Z"));
    EXPECT_EQ(ValueOf(f.w, "lblKeysMsg"), "\"Move left\" is on Z now.");
    f.w.Click("cmdKeysDefault");
    EXPECT_EQ(ValueOf(f.w, "lblKeysMsg"), "The original keys are back.");
    EXPECT_EQ(f.s.game.keys, KeyBindings{});
    // With nothing waiting Esc closes the window; no rule changed, no new game.
    EXPECT_TRUE(f.w.Key("Esc"));
    EXPECT_TRUE(f.w.Closed());
    EXPECT_EQ(f.newGames, 0);
}

TEST(SettingsWindow, OpeningSetsTheFallSpeedToTheListsFirstItem) {
    Fixture f;
    f.state.g_FallSpeed = 7;
    f.w.Load();
    EXPECT_EQ(f.state.g_FallSpeed, 0);
    EXPECT_EQ(ValueOf(f.w, "cmbFallSpeed"), "0");
    ASSERT_TRUE(f.w.Choose("cmbFallSpeed", "12"));
    EXPECT_EQ(f.state.g_FallSpeed, 12);
    // The fall speed is no configuration key: nothing else changes, nor does the game restart.
    f.w.Click("cmdOK");
    EXPECT_EQ(f.newGames, 0);
    EXPECT_EQ(f.state.g_FallSpeed, 12);
}

TEST(SettingsWindow, ControlsFollowTheirSwitches) {
    Fixture f;
    f.w.Load();
    EXPECT_EQ(ValueOf(f.w, "cmdSeq.Enabled"), "False");
    f.w.Click("optType(2)");
    EXPECT_EQ(ValueOf(f.w, "cmdSeq.Enabled"), "True");
    f.w.Click("chkSvet");
    EXPECT_EQ(ValueOf(f.w, "chkSvet"), "1");
    EXPECT_EQ(ValueOf(f.w, "optVerColorB.Enabled"), "False");
    f.w.Click("chkEnableMiracle");
    EXPECT_EQ(ValueOf(f.w, "optMiracle.Enabled"), "False");
    // Only drop and landing have a second slot.
    f.w.Choose("cmbListEvents", "Drop");
    EXPECT_EQ(ValueOf(f.w, "fraSecondVar.Enabled"), "True");
    f.w.Choose("cmbListEvents", "Inversion");
    EXPECT_EQ(ValueOf(f.w, "fraSecondVar.Enabled"), "False");
    EXPECT_EQ(ValueOf(f.w, "lblSecondVar"), "");
    // frmGraph is not connected: its button is disabled.
    EXPECT_EQ(ValueOf(f.w, "cmdSetGraph.Enabled"), "False");
    f.w.openGraph = [] {};
    EXPECT_EQ(ValueOf(f.w, "cmdSetGraph.Enabled"), "True");
}

TEST(SettingsWindow, ClosingRestartsTheGameOnlyWhenItsRulesChanged) {
    struct Case {
        const char* what;
        std::vector<std::string> commands;
        int newGames;
    };
    const std::vector<Case> cases = {
        {"opened and closed", {"click cmdOK"}, 0},
        {"closed with Esc", {"key Esc"}, 0},
        {"closed with its close box", {"click close"}, 0},
        {"sounds only",
         {"click chkEnable", "slide sldVolBackgrnd -900", "choose cmbListEvents Drop", "slide sldVolBut2 -100",
          "click chkSoundControl", "click cmdOK"},
         0},
        {"looks only", {"click cmdSkin(8)", "click optFant(1)", "click chkSnake", "click cmdControlColor(3)", "click cmdOK"},
         0},
        {"speed and back", {"click optSpeed(2)", "click optSpeed(0)", "click cmdOK"}, 0},
        {"type and back", {"click optType(1)", "click optType(0)", "click cmdOK"}, 0},
        {"speed", {"click optSpeed(2)", "click cmdOK"}, 1},
        {"type", {"click optType(1)", "key Esc"}, 1},
        {"rows per level", {"choose cmbDelLin 4", "click cmdOK"}, 1},
        {"rows per level as they were", {"choose cmbDelLin 3", "click cmdOK"}, 0},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.w.Load();
        for (const std::string& command : c.commands) ASSERT_TRUE(Command(f.w, command)) << c.what << ": " << command;
        EXPECT_TRUE(f.w.Closed()) << c.what;
        EXPECT_EQ(f.newGames, c.newGames) << c.what;
        EXPECT_FALSE(f.s.game.g_Trial) << c.what;
    }
}

TEST(SettingsWindow, FastClassicStartsANewGameAtTheTenMillisecondTick) {
    Fixture f;
    GameSettings& g = f.s.game;
    int typeAtNewGame = 0, tickAtNewGame = 0;
    f.w.newGame = [&] {
        ++f.newGames;
        typeAtNewGame = g.gt_CurGameType;
        tickAtNewGame = g.g_TickMs;
    };
    f.w.Load();
    f.w.Click("optSpeed(2)");
    EXPECT_EQ(g.g_TickMs, 10) << "the pass interval follows the speed at once";
    f.w.Click("optType(1)");
    f.w.Click("cmdOK");
    EXPECT_EQ(f.newGames, 1);
    EXPECT_EQ(typeAtNewGame, 2);
    EXPECT_EQ(tickAtNewGame, 10);
}

TEST(SettingsWindow, TheTrialTypeStartsAFreshSeries) {
    Fixture f;
    f.state.g_TrialGameNo = 2;   // left over from an earlier series
    bool trialAtNewGame = false;
    int counterAtNewGame = -1;
    f.w.newGame = [&] {
        ++f.newGames;
        trialAtNewGame = f.s.game.g_Trial;
        counterAtNewGame = f.state.g_TrialGameNo;
    };
    f.w.Load();
    f.w.Click("optType(3)");
    f.w.Click("cmdOK");
    EXPECT_EQ(f.newGames, 1);
    EXPECT_TRUE(trialAtNewGame);
    EXPECT_EQ(counterAtNewGame, 0);

    // Leaving the series for the main type clears the variant.
    Fixture back;
    back.s.game.g_Trial = true;
    back.s.game.gt_CurGameType = 3;
    back.w.Load();
    back.w.Click("optType(0)");
    back.w.Click("cmdOK");
    EXPECT_EQ(back.newGames, 1);
    EXPECT_FALSE(back.s.game.g_Trial);
    EXPECT_EQ(back.s.game.gt_CurGameType, 1);
}

TEST(SettingsWindow, ASeriesUnderWayShowsTheSeriesAndGoesOnWhenNothingChanged) {
    Fixture f;
    f.s.game.g_Trial = true;
    f.s.game.gt_CurGameType = 2;   // the series' second game
    f.state.g_TrialGameNo = 2;
    f.w.Load();
    EXPECT_EQ(ValueOf(f.w, "optType(3)"), "1");
    EXPECT_EQ(ValueOf(f.w, "optType(1)"), "0");
    f.w.Click("chkSnake");
    f.w.Click("cmdOK");
    EXPECT_EQ(f.newGames, 0);
    EXPECT_TRUE(f.s.game.g_Trial);
    EXPECT_EQ(f.s.game.gt_CurGameType, 2);
    EXPECT_EQ(f.state.g_TrialGameNo, 2);

    // A rule change within the series starts a fresh one with the same variant.
    Fixture g;
    g.s.game.g_Trial = true;
    g.s.game.gt_CurGameType = 1;
    g.state.g_TrialGameNo = 3;
    g.w.Load();
    g.w.Choose("cmbDelLin", "7");
    g.w.Click("cmdOK");
    EXPECT_EQ(g.newGames, 1);
    EXPECT_TRUE(g.s.game.g_Trial);
    EXPECT_EQ(g.state.g_TrialGameNo, 0);
}

TEST(SettingsWindow, ClosingWithTheGameGoingNeverStartsOne) {
    Fixture f;
    f.w.Load();
    f.w.Click("optSpeed(1)");
    f.w.Dismiss();
    EXPECT_TRUE(f.w.Closed());
    EXPECT_EQ(f.newGames, 0);
}

TEST(SettingsWindow, AnEditedSequenceRestartsASequenceGame) {
    Fixture f;
    f.s.game.gt_CurGameType = 3;
    bool edited = false;
    int opened = 0;
    f.w.openSeq = [&] {
        ++opened;
        return edited;
    };
    f.w.Load();
    f.w.Click("cmdSeq");
    f.w.Click("cmdOK");
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(f.newGames, 0) << "looked at, not edited";

    Fixture g;
    g.s.game.gt_CurGameType = 1;
    g.w.openSeq = [&] {
        ++opened;
        return true;
    };
    g.w.Load();
    g.w.Click("cmdSeq");
    EXPECT_EQ(opened, 1) << "disabled outside the Sequence type";
    g.w.Click("optType(2)");
    g.w.Click("cmdSeq");
    g.w.Click("optType(0)");
    g.w.Click("cmdOK");
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(g.newGames, 1);
}

// ---- files that do not load ----

TEST(SettingsWindow, ASoundFileThatDoesNotLoadKeepsTheSlotsSound) {
    FakeAudioDevice device;   // outlives the slots' buffers
    Fixture f;
    device.files = {{"/snd/rot.wav", 22050}, {"/snd/new.wav", 11025}};
    f.sound.AttachDevice(&device);
    f.s.slots[2].Path = "/snd/rot.wav";   // mRot1
    f.sound.SlotLoaded(2);
    std::vector<std::string> offered;
    std::string answer;
    f.w.chooseFile = [&](const std::string& pattern, const std::string& folder, std::string* path) {
        offered.push_back(pattern + " in " + folder);
        *path = answer;
        return !answer.empty();
    };
    f.w.Load();
    f.w.Choose("cmbListEvents", "Rotation");
    answer = "/snd/broken.wav";
    f.w.Click("cmdOpenFirst");
    EXPECT_EQ(ValueOf(f.w, "lblFirstVar"), kFileNotFound);
    EXPECT_EQ(f.s.slots[2].Path, "/snd/rot.wav");
    EXPECT_EQ(f.sound.Slot(SoundSlot::mRot1).aPath(), "/snd/rot.wav");
    EXPECT_FALSE(f.sound.Slot(SoundSlot::mRot1).NotLoaded()) << "the old sound still plays";

    answer = "/snd/new.wav";
    f.w.Click("cmdOpenFirst");
    EXPECT_EQ(ValueOf(f.w, "lblFirstVar"), "/snd/new.wav");
    EXPECT_EQ(f.s.slots[2].Path, "/snd/new.wav");
    EXPECT_EQ(f.s.slots[2].Freq, 11025);
    EXPECT_EQ(offered, (std::vector<std::string>{"*.wav in /snd", "*.wav in /snd"}));

    // Closing the file window without a choice changes nothing.
    answer.clear();
    f.w.Click("cmdOpenFirst");
    EXPECT_EQ(f.s.slots[2].Path, "/snd/new.wav");
}

TEST(SettingsWindow, PreviewsAreSilentWithEventSoundsSwitchedOff) {
    FakeAudioDevice device;   // outlives the slots' buffers
    Fixture f;
    device.files = {{"/snd/del.wav", 22050}};
    f.sound.AttachDevice(&device);
    f.sound.SetInitializationComplete(true);
    f.s.slots[7].Path = "/snd/del.wav";   // mDel1
    f.sound.SlotLoaded(7);
    f.w.Load();
    f.w.Choose("cmbListEvents", "Rows removed");
    f.w.Slide("sldVolBut1", -500);
    ASSERT_EQ(device.Buffer("/snd/del.wav")->starts, 1) << "a volume change previews the sound";
    f.w.Click("chkSoundControl");
    f.w.Slide("sldVolBut1", -800);
    f.w.Slide("sldFreqBut1", 30000);
    EXPECT_EQ(device.Buffer("/snd/del.wav")->starts, 1);
    EXPECT_EQ(f.s.slots[7].Vol, -800);
}

TEST(SettingsWindow, AMusicFileThatDoesNotLoadKeepsTheMusicPlaying) {
    FakeAudioDevice device;   // outlives the slots' buffers
    Fixture f;
    device.files = {{"/m/old.wav", 22050}, {"/m/new.wav", 44100}};
    f.sound.AttachDevice(&device);
    f.s.PathToBkgMusic = "/m/old.wav";
    f.sound.Music().bkg_Play("/m/old.wav");
    std::string answer = "/m/bad.wav";
    f.w.chooseFile = [&](const std::string&, const std::string&, std::string* path) {
        *path = answer;
        return true;
    };
    f.w.Load();
    f.w.Click("cmdOpen");
    EXPECT_EQ(ValueOf(f.w, "lblFile"), kFileNotFound);
    EXPECT_EQ(f.s.PathToBkgMusic, "/m/old.wav");
    ASSERT_NE(device.Buffer("/m/old.wav"), nullptr);
    EXPECT_TRUE(device.Buffer("/m/old.wav")->playing);

    f.s.EnableLoop = false;
    answer = "/m/new.wav";
    f.w.Click("cmdOpen");
    EXPECT_EQ(ValueOf(f.w, "lblFile"), "new.wav");
    EXPECT_EQ(f.s.PathToBkgMusic, "/m/new.wav");
    EXPECT_TRUE(f.s.EnableLoop) << "choosing music switches it on";
    EXPECT_EQ(ValueOf(f.w, "sldFreq"), "44100");
}

TEST(SettingsWindow, ASkinPictureThatDoesNotLoadKeepsTheSkin) {
    TempDir dir;
    platform::RgbaImage small;
    small.width = small.height = 4;
    small.pixels.assign(4 * 4 * 4, 200);
    std::string error;
    ASSERT_TRUE(platform::SaveImageRgba(dir / "good.png", small, &error)) << error;
    dir.Write("broken.jpg", "not a picture at all");
    // A PNG whose header declares 100000 x 100000 pixels (40 GB decoded).
    std::string huge("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x86\xa0\0\x01\x86\xa0\x08\x06\0\0\0", 29);
    dir.Write("huge.png", huge + std::string(64, '\0'));

    Fixture f;
    f.s.iNumSkin = "2";
    int skinLoads = 0;
    std::string answer;
    f.w.chooseFile = [&](const std::string& pattern, const std::string&, std::string* path) {
        EXPECT_EQ(pattern, "*.jpg;*.bmp;*.png");
        *path = answer;
        return true;
    };
    f.w.checkPicture = [](const std::string& path, std::string* why) {
        platform::RgbaImage image;
        return platform::LoadImageRgba(path, &image, why);
    };
    f.w.skinChanged = [&] { ++skinLoads; };
    f.w.Load();
    for (const char* bad : {"broken.jpg", "huge.png", "missing.bmp"}) {
        answer = dir / bad;
        f.w.Click("cmdLoadSkin");
        EXPECT_EQ(ValueOf(f.w, "lblSkin"), kFileNotFound) << bad;
        EXPECT_EQ(f.s.iNumSkin, "2") << bad;
        EXPECT_EQ(skinLoads, 0) << bad;
    }
    answer = dir / "good.png";
    f.w.Click("cmdLoadSkin");
    EXPECT_EQ(f.s.iNumSkin, dir / "good.png");
    EXPECT_EQ(ValueOf(f.w, "lblSkin"), "good.png");
    EXPECT_EQ(skinLoads, 1);
}
