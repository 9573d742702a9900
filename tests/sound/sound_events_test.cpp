// The sound of the running game: which slot each event plays, the music at a game
// start, the pan sweep, pause, the level flight and the statistics track.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "fake_audio_device.h"
#include "settings/settings.h"
#include "sound/sound_events.h"

using namespace zembrol;
using zembrol::testing::FakeAudioBuffer;
using zembrol::testing::FakeAudioDevice;

namespace {

struct EventsFixture {
    FakeAudioDevice device;
    Settings settings;
    SoundEvents sound{settings, 12345};

    EventsFixture() {
        settings.PathToBkgMusic = "BkgMusic.wav";
        device.files["BkgMusic.wav"] = 44100;
        device.files["dstat.wav"] = 44100;
        for (int i = 0; i < kSoundSlots; ++i) {
            const std::string file = std::string(kSlotDefaultNames[static_cast<size_t>(i)]) + ".wav";
            device.files[file] = 22050;
            settings.slots[static_cast<size_t>(i)].Path = file;
        }
        sound.AttachDevice(&device);
        for (int i = 0; i < kSoundSlots; ++i) sound.SlotLoaded(i);
        sound.SetInitializationComplete(true);
    }
    FakeAudioBuffer* Music() { return device.Buffer("BkgMusic.wav"); }
    int Starts(const char* name) { return device.Buffer(std::string(name) + ".wav")->starts; }
    bool Playing(const char* name) { return device.Buffer(std::string(name) + ".wav")->playing; }
    void Raise(EventKind kind, SoundSlot slot = SoundSlot::mDown1, bool flag = false) {
        ASSERT_TRUE(sound.OnGameEvent({.kind = kind, .slot = slot, .flag = flag}));
    }
};

}  // namespace

TEST(SoundEvents, EachEventPlaysItsSlot) {
    struct Case { EventKind kind; SoundSlot slot; const char* file; };
    const Case cases[] = {
        {EventKind::PlaySound, SoundSlot::mRht1, "start"},
        {EventKind::PlaySoundAt, SoundSlot::mRot1, "rot"},
        {EventKind::PlaySoundAt, SoundSlot::mDel1, "del"},
        {EventKind::PlaySoundAt, SoundSlot::mInv1, "inv"},
        {EventKind::PlaySoundAtNextFigure, SoundSlot::mZemb1, "zembrol"},
    };
    for (const Case& c : cases) {
        EventsFixture f;
        f.Raise(c.kind, c.slot);
        EXPECT_EQ(f.Starts(c.file), 1) << c.file;
        int all = 0;
        for (const auto& [file, buffer] : f.device.live) all += buffer->starts;
        EXPECT_EQ(all, 1) << c.file << ": one sound, no other";
    }
}

TEST(SoundEvents, DropsAndLandingsPlayEitherVariantAboutHalfTheTime) {
    EventsFixture f;
    for (int i = 0; i < 2000; ++i) {
        f.Raise(EventKind::PlaySoundAt, SoundSlot::mDrop1);
        f.Raise(EventKind::PlaySoundAt, SoundSlot::mDown1);
    }
    for (const char* v : {"drop1", "drop2", "down1", "down2"}) {
        EXPECT_GT(f.Starts(v), 850) << v;
        EXPECT_LT(f.Starts(v), 1150) << v;
    }
    EXPECT_EQ(f.Starts("drop1") + f.Starts("drop2"), 2000);
}

TEST(SoundEvents, TheStartSoundIsForcedDuringStartUpButNotPastTheEventSoundSwitch) {
    EventsFixture f;
    f.sound.SetInitializationComplete(false);
    f.Raise(EventKind::PlaySoundAt, SoundSlot::mRot1);         // not forced: silent during start-up
    f.Raise(EventKind::PlaySound, SoundSlot::mRht1, true);
    EXPECT_EQ(f.Starts("rot"), 0);
    EXPECT_EQ(f.Starts("start"), 1);

    f.settings.EnableSoundControl = false;                     // event sounds off: not even forced ones
    f.Raise(EventKind::PlaySound, SoundSlot::mRht1, true);
    f.Raise(EventKind::MusicStart);                            // the music is unaffected
    EXPECT_EQ(f.Starts("start"), 1);
    ASSERT_NE(f.Music(), nullptr);
    EXPECT_TRUE(f.Music()->playing);
}

TEST(SoundEvents, AGameStartPlaysTheMusicFromItsStartWithTheFadeOnlyWhenSwitchedOn) {
    for (bool on : {true, false}) {
        EventsFixture f;
        f.settings.EnableLoop = on;
        f.sound.MusicVolumeLoaded();
        f.Raise(EventKind::MusicStart);
        ASSERT_NE(f.Music(), nullptr);
        EXPECT_EQ(f.Music()->playing, on);
        EXPECT_EQ(f.Music()->volume, -3500);
        EXPECT_EQ(f.Music()->starts, 1);
    }
}

TEST(SoundEvents, ThePanSweepsBetweenAboutMinusAndPlus5000) {
    struct Case { int16_t speed; bool loop; int32_t low, high; };
    // SpeedChange 10 passes a bound by one step before turning; 0 stays put; music off: no pan set.
    for (const Case& c : {Case{10, true, -5010, 5010}, Case{0, true, 0, 0}, Case{250, true, -5250, 5250}}) {
        EventsFixture f;
        f.settings.SpeedChange = c.speed;
        f.settings.EnableLoop = c.loop;
        f.Raise(EventKind::MusicStart);
        std::vector<int32_t> pans;
        for (int i = 0; i < 5000; ++i) {
            f.Raise(EventKind::MusicPanSweep);
            pans.push_back(f.Music()->pan);
        }
        EXPECT_EQ(pans.front(), 0) << c.speed;  // the pan before the first step
        EXPECT_EQ(*std::min_element(pans.begin(), pans.end()), c.low) << c.speed;
        EXPECT_EQ(*std::max_element(pans.begin(), pans.end()), c.high) << c.speed;
        for (size_t i = 1; i < pans.size(); ++i) ASSERT_EQ(std::abs(pans[i] - pans[i - 1]), c.speed) << i;
    }
    EventsFixture off;
    off.settings.EnableLoop = false;
    off.Raise(EventKind::MusicStart);
    off.Raise(EventKind::MusicPanSweep);
    off.Raise(EventKind::MusicPanSweep);
    EXPECT_EQ(off.sound.Pan(), 0);
    const std::vector<std::string> calls = off.device.Calls("BkgMusic.wav");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetPan 0"), 0);
}

TEST(SoundEvents, PauseStopsMusicAndEverySlotReleaseResumesOnlyTheMusic) {
    EventsFixture f;
    f.Raise(EventKind::MusicStart);
    f.Raise(EventKind::PlaySoundAt, SoundSlot::mRot1);
    f.Raise(EventKind::PlaySoundAt, SoundSlot::mDel1);
    f.sound.Pause(true);
    EXPECT_FALSE(f.Music()->playing);
    for (const auto& [file, buffer] : f.device.live) EXPECT_FALSE(buffer->playing) << file;
    f.sound.Pause(false);
    EXPECT_TRUE(f.Music()->playing);
    EXPECT_FALSE(f.Playing("rot"));
    EXPECT_FALSE(f.Playing("del"));

    f.settings.EnableLoop = false;  // music switched off: releasing the pause leaves it off
    f.sound.Pause(true);
    f.sound.Pause(false);
    EXPECT_FALSE(f.Music()->playing);
}

TEST(SoundEvents, TheLevelFlightSwapsTheMusicForTheLevelSound) {
    EventsFixture f;
    f.Raise(EventKind::MusicStart);
    f.sound.LevelFlightStarted();
    EXPECT_FALSE(f.Music()->playing);
    EXPECT_TRUE(f.Playing("level"));
    EXPECT_EQ(f.Starts("level"), 1);
    f.sound.LevelFlightEnded();
    EXPECT_FALSE(f.Playing("level"));
    EXPECT_TRUE(f.Music()->playing);
    EXPECT_EQ(f.Music()->volume, -3500);  // the music comes back with its fade-in
    EXPECT_EQ(f.Music()->starts, 1);      // where it stopped

    f.settings.EnableLoop = false;
    f.sound.LevelFlightStarted();
    f.sound.LevelFlightEnded();
    EXPECT_FALSE(f.Music()->playing);
}

TEST(SoundEvents, PausingDuringTheLevelFlightStopsTheLevelSoundAndUnpausingResumesOnlyTheMusic) {
    EventsFixture f;
    f.Raise(EventKind::MusicStart);
    f.sound.LevelFlightStarted();
    f.sound.Pause(true);
    EXPECT_FALSE(f.Playing("level"));
    f.sound.Pause(false);
    EXPECT_FALSE(f.Playing("level"));
    EXPECT_TRUE(f.Music()->playing);
}

TEST(SoundEvents, TheStatisticsWindowPlaysItsOwnTrackAndTheNextGameTheMusicAgain) {
    EventsFixture f;
    f.Raise(EventKind::MusicStart);
    f.sound.StartStatsMusic("dstat.wav");
    EXPECT_EQ(f.Music(), nullptr);  // one music buffer at a time
    ASSERT_NE(f.device.Buffer("dstat.wav"), nullptr);
    EXPECT_TRUE(f.device.Buffer("dstat.wav")->playing);
    EXPECT_EQ(f.device.Buffer("dstat.wav")->volume, -3500);
    EXPECT_EQ(f.settings.PathToBkgMusic, "BkgMusic.wav");
    f.Raise(EventKind::MusicStart);
    ASSERT_NE(f.Music(), nullptr);
    EXPECT_TRUE(f.Music()->playing);
}

TEST(SoundEvents, WithoutADeviceEveryCallIsSilentAndHarmless) {
    Settings settings;
    SoundEvents sound(settings, 1);
    sound.SlotLoaded(0);
    sound.SetInitializationComplete(true);
    for (EventKind k : {EventKind::PlaySound, EventKind::PlaySoundAt, EventKind::PlaySoundAtNextFigure,
                        EventKind::MusicStart, EventKind::MusicPanSweep})
        EXPECT_TRUE(sound.OnGameEvent({.kind = k, .slot = SoundSlot::mDrop1, .flag = true}));
    EXPECT_FALSE(sound.OnGameEvent({.kind = EventKind::RowRemovalStart}));
    sound.Pause(true);
    sound.Pause(false);
    sound.LevelFlightStarted();
    sound.LevelFlightEnded();
    sound.AdvanceFrame();
    sound.ReleaseAll();
    EXPECT_TRUE(sound.Music().Unavailable());
    EXPECT_TRUE(sound.Slot(SoundSlot::mRht1).NotLoaded());
}

TEST(SoundEvents, ShutdownReleasesTheMusicAndEverySlot) {
    EventsFixture f;
    f.Raise(EventKind::MusicStart);
    f.sound.ReleaseAll();
    EXPECT_TRUE(f.device.live.empty());
    f.Raise(EventKind::MusicStart);  // nothing sounds after shutdown
    EXPECT_TRUE(f.device.live.empty());
}
