// The MUSIC section applied to the sound: the shipped files by default, a round
// trip of the music's and the slots' values, and the fallbacks for a missing music
// file, a missing slot file and a run without a sound device.
#include <gtest/gtest.h>

#include "app/configuration.h"
#include "app/sound_config_targets.h"
#include "log_fixture.h"
#include "sound/fake_audio_device.h"

using namespace zembrol;
using zembrol::testing::FakeAudioDevice;
using zembrol::testing::LogFixture;

namespace {

// The shipped MUSIC section: empty paths name the shipped files; two slots with values of their own.
std::string ShippedMusic() {
    std::string text = "[MUSIC]\nPathToBkgMusic=\nEnableLoop=True\nDirectSound_Vol=-600\nfreq=44100\n";
    for (const char* p : kSlotPrefixes) {
        const std::string prefix = p;
        text += prefix + "_Path=\n" + prefix + "_Enbl=True\n";
        text += prefix + "_Vol=" + (prefix == "mRot1" ? "-200" : "0") + "\n";
        text += prefix + "_Freq=" + (prefix == "mDel1" ? "30000" : "0") + "\n";
    }
    return text;
}

struct MusicConfig : LogFixture {
    AppPaths paths;
    FakeAudioDevice device;
    Settings settings;
    SoundEvents sound{settings, 7};
    SoundConfigTargets targets{sound};
    Configuration config{paths, log, settings};

    explicit MusicConfig(bool withDevice = true) {
        paths.root = dir.Path();
        paths.machine = "PLAYER";
        dir.Write("data/set/default.ini", ShippedMusic());
        device.files[dir / "data/music/BkgMusic.wav"] = 44100;
        for (const char* name : kSlotDefaultNames) device.files[dir / ("data/music/" + std::string(name) + ".wav")] = 22050;
        if (withDevice) sound.AttachDevice(&device);
        sound.SetLog([this](const std::string& line) { log.f_Log(line, 15, false); });
        config.SetTargets(&targets);
    }
    std::string Saved() { return dir.Read("data/set/PLAYER1.ini"); }
    bool SavedHas(const std::string& line) { return Saved().find(line + "\n") != std::string::npos; }
};

}  // namespace

TEST(MusicConfiguration, TheShippedValuesLoadTheShippedFilesWithoutPlayingThem) {
    MusicConfig f;
    ASSERT_TRUE(f.config.ini_MainIni(1));
    const std::string music = f.dir / "data/music/BkgMusic.wav";
    EXPECT_EQ(f.settings.PathToBkgMusic, music);
    ASSERT_NE(f.device.Buffer(music), nullptr);
    EXPECT_FALSE(f.device.Buffer(music)->playing);    // started with the fade, then stopped
    EXPECT_EQ(f.device.Buffer(music)->volume, -600);  // the loaded volume, without fade
    EXPECT_EQ(f.sound.Music().bkg_GetFreq(), 44100);
    EXPECT_EQ(f.settings.slots[2].Path, f.dir / "data/music/rot.wav");
    EXPECT_EQ(f.sound.Slot(SoundSlot::mRot1).aVol(), -200);
    EXPECT_EQ(f.sound.Slot(SoundSlot::mRot1).aFreq(), 0);  // plays at the file's own rate
    EXPECT_EQ(f.sound.Slot(SoundSlot::mDel1).aFreq(), 30000);
    for (const auto& [file, buffer] : f.device.live) EXPECT_EQ(buffer->starts, file == music ? 1 : 0) << file;

    // Once the game runs, a start plays the music from the beginning with its fade-in.
    f.sound.OnGameEvent({.kind = EventKind::MusicStart});
    EXPECT_TRUE(f.device.Buffer(music)->playing);
    EXPECT_EQ(f.device.Buffer(music)->volume, -3500);
}

TEST(MusicConfiguration, TheMusicAndSlotValuesSurviveASaveAndALoad) {
    MusicConfig f;
    f.config.ini_MainIni(1);
    f.sound.Slot(SoundSlot::mRot1).aVol(-300);
    f.sound.Slot(SoundSlot::mDrop2).aEnbl(false);
    f.sound.Slot(SoundSlot::mInv1).aFreq(11025);
    f.sound.Music().bkg_SetVolume(-900, false);
    f.settings.EnableLoop = false;
    ASSERT_TRUE(f.config.ini_MainIni(0));
    EXPECT_TRUE(f.SavedHas("mRot1_Vol=-300"));
    EXPECT_TRUE(f.SavedHas("mDrop2_Enbl=False"));
    EXPECT_TRUE(f.SavedHas("mInv1_Freq=11025"));
    EXPECT_TRUE(f.SavedHas("DirectSound_Vol=-900"));
    EXPECT_TRUE(f.SavedHas("EnableLoop=False"));
    EXPECT_TRUE(f.SavedHas("mZemb1_Path=" + (f.dir / "data/music/zembrol.wav")));

    Settings fresh;
    SoundEvents sound(fresh, 8);
    sound.AttachDevice(&f.device);
    SoundConfigTargets targets(sound);
    Configuration reload(f.paths, f.log, fresh);
    reload.SetTargets(&targets);
    reload.ini_MainIni(1);
    EXPECT_EQ(sound.Slot(SoundSlot::mRot1).aVol(), -300);
    EXPECT_FALSE(sound.Slot(SoundSlot::mDrop2).aEnbl());
    EXPECT_EQ(sound.Slot(SoundSlot::mInv1).aFreq(), 11025);
    EXPECT_EQ(sound.Music().bkg_GetVolume(), -900);
    EXPECT_FALSE(fresh.EnableLoop);
}

TEST(MusicConfiguration, AMissingMusicFileIsSavedAsUnusable) {
    MusicConfig f;
    f.dir.Write("data/set/PLAYER1.ini", "[MUSIC]\nPathToBkgMusic=/nowhere/song.wav\nDirectSound_Vol=-600\n");
    f.config.ini_MainIni(1);
    EXPECT_EQ(f.settings.PathToBkgMusic, "...");
    EXPECT_TRUE(f.Contains("bkg_Play(): /nowhere/song.wav - file not found"));
    f.config.ini_MainIni(0);
    EXPECT_TRUE(f.SavedHas("PathToBkgMusic=..."));
    EXPECT_TRUE(f.SavedHas("DirectSound_Vol=0"));  // no music, no volume
    f.config.ini_MainIni(1);                      // "..." stays unusable: no default instead
    EXPECT_EQ(f.settings.PathToBkgMusic, "...");
    EXPECT_TRUE(f.sound.Music().Unavailable());
}

TEST(MusicConfiguration, AMissingSlotFileLeavesThatSlotSilentAndItsPathAsChosen) {
    MusicConfig f;
    std::string text = ShippedMusic();
    text.replace(text.find("mInv1_Path=\n"), 12, "mInv1_Path=/nowhere/inv.wav\n");
    f.dir.Write("data/set/PLAYER1.ini", text);
    f.config.ini_MainIni(1);
    f.sound.SetInitializationComplete(true);
    EXPECT_TRUE(f.sound.Slot(SoundSlot::mInv1).NotLoaded());
    EXPECT_TRUE(f.Contains("dmStay(): /nowhere/inv.wav - file not found"));
    f.sound.OnGameEvent({.kind = EventKind::PlaySoundAt, .slot = SoundSlot::mInv1});
    EXPECT_EQ(f.device.Buffer("/nowhere/inv.wav"), nullptr);
    EXPECT_FALSE(f.sound.Slot(SoundSlot::mRot1).NotLoaded());  // the others load
    f.config.ini_MainIni(0);
    EXPECT_TRUE(f.SavedHas("mInv1_Path=/nowhere/inv.wav"));
    EXPECT_TRUE(f.SavedHas("mInv1_Freq=0"));  // not loaded: no frequency
}

TEST(MusicConfiguration, WithoutASoundDeviceTheSavedValuesAreTheLoadedOnes) {
    // A run on a machine without sound must not cost the player their music settings.
    MusicConfig f(false);
    f.dir.Write("data/set/PLAYER1.ini",
                "[MUSIC]\nPathToBkgMusic=/music/mine.wav\nDirectSound_Vol=-1200\nfreq=32000\n"
                "mRot1_Path=/music/tick.wav\nmRot1_Vol=-400\nmRot1_Freq=30000\n");
    f.config.ini_MainIni(1);
    f.config.ini_MainIni(0);
    EXPECT_TRUE(f.SavedHas("PathToBkgMusic=/music/mine.wav"));
    EXPECT_TRUE(f.SavedHas("DirectSound_Vol=-1200"));
    EXPECT_TRUE(f.SavedHas("freq=32000"));
    EXPECT_TRUE(f.SavedHas("mRot1_Path=/music/tick.wav"));
    EXPECT_TRUE(f.SavedHas("mRot1_Vol=-400"));
    EXPECT_TRUE(f.SavedHas("mRot1_Freq=30000"));
}
