// The event sound slot: when it plays, how it plays (one buffer, restarted from the
// beginning at its volume and frequency), its preview on a change, and a file that
// does not load.
#include <gtest/gtest.h>

#include "fake_audio_device.h"
#include "settings/settings.h"
#include "sound/cls_dm_ctrl.h"

using namespace zembrol;
using zembrol::testing::FakeAudioDevice;

namespace {

struct SlotFixture {
    FakeAudioDevice device;
    Settings settings;
    SoundContext ctx;
    std::vector<std::string> logged;

    SlotFixture() {
        device.files = {{"rot.wav", 22050}, {"del.wav", 44100}};
        ctx.device = &device;
        ctx.settings = &settings;
        ctx.log = [this](const std::string& line) { logged.push_back(line); };
    }
    int Starts(const std::string& file) {
        auto* b = device.Buffer(file);
        return b ? b->starts : 0;
    }
};

}  // namespace

TEST(clsDMCtrl, PlaysOnlyWhenEveryConditionHolds) {
    struct Case {
        const char* what;
        bool device, loaded, enabled, soundControl, initComplete, force;
        bool plays;
    };
    const Case cases[] = {
        {"everything on, start-up complete", true, true, true, true, true, false, true},
        {"slot switched off", true, true, false, true, true, false, false},
        {"slot file not loaded", true, false, true, true, true, false, false},
        {"event sounds off, not forced", true, true, true, false, true, false, false},
        {"event sounds off even when forced", true, true, true, false, true, true, false},
        {"during start-up, not forced", true, true, true, true, false, false, false},
        {"during start-up, forced (the start sound)", true, true, true, true, false, true, true},
        {"no sound device, forced", false, true, true, true, true, true, false},
    };
    for (const Case& c : cases) {
        SlotFixture f;
        f.settings.EnableSoundControl = c.soundControl;
        clsDMCtrl slot(f.ctx);
        slot.Configure(c.loaded ? "rot.wav" : "missing.wav", c.enabled, -300, 0);
        f.ctx.initializationComplete = c.initComplete;
        if (!c.device) f.ctx.device = nullptr;
        slot.DMCtrlPlay(c.force, 3, 4, 0);
        EXPECT_EQ(f.Starts("rot.wav"), c.plays ? 1 : 0) << c.what;
    }
}

TEST(clsDMCtrl, EachPlayRestartsTheOneBufferAtItsVolumeAndFrequency) {
    SlotFixture f;
    f.ctx.initializationComplete = true;
    clsDMCtrl slot(f.ctx);
    slot.Configure("rot.wav", true, -700, 30000);
    slot.DMCtrlPlay(false);
    slot.DMCtrlPlay(false);  // still playing: starts again from the beginning
    EXPECT_EQ(f.device.created, 1);  // no buffer per event
    EXPECT_EQ(f.Starts("rot.wav"), 2);
    const std::vector<std::string> once = {"SetVolume -700", "SetFrequency 30000", "SetCurrentPosition 0", "Play"};
    std::vector<std::string> twice = {"created"};
    twice.insert(twice.end(), once.begin(), once.end());
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(f.device.Calls("rot.wav"), twice);
}

TEST(clsDMCtrl, ASavedFrequencyOfZeroPlaysAtTheFilesOwnRate) {
    SlotFixture f;
    f.ctx.initializationComplete = true;
    clsDMCtrl slot(f.ctx);
    slot.Configure("rot.wav", true, 0, 0);
    EXPECT_EQ(slot.aFreq(), 0);
    slot.DMCtrlPlay(false);
    EXPECT_EQ(f.device.Buffer("rot.wav")->frequency, 22050u);
}

TEST(clsDMCtrl, APathThatLoadsPlaysOnceAsAPreviewEvenDuringStartUp) {
    SlotFixture f;
    clsDMCtrl slot(f.ctx);
    slot.aPath("del.wav");
    EXPECT_FALSE(slot.NotLoaded());
    EXPECT_EQ(slot.aFreq(), 44100);  // the file's own rate once loaded
    EXPECT_EQ(f.Starts("del.wav"), 1);

    slot.aPath("missing.wav");  // the old buffer goes, nothing new plays
    EXPECT_TRUE(slot.NotLoaded());
    EXPECT_EQ(slot.aFreq(), 0);
    EXPECT_EQ(f.device.Buffer("del.wav"), nullptr);
    ASSERT_EQ(f.logged.size(), 1u);
    EXPECT_EQ(f.logged[0], "dmStay(): missing.wav - file not found");
    slot.DMCtrlPlay(true);
    EXPECT_TRUE(f.device.live.empty());
}

TEST(clsDMCtrl, AVolumeOrFrequencyChangePreviewsOnlyOnceStartUpIsComplete) {
    SlotFixture f;
    clsDMCtrl slot(f.ctx);
    slot.Configure("rot.wav", true, 0, 0);  // the configuration's values: no preview
    slot.aVol(-1000);
    slot.aFreq(11025);
    EXPECT_EQ(f.Starts("rot.wav"), 0);
    f.ctx.initializationComplete = true;
    slot.aVol(-2000);
    EXPECT_EQ(f.Starts("rot.wav"), 1);
    EXPECT_EQ(f.device.Buffer("rot.wav")->volume, -2000);
    slot.aFreq(44100);
    EXPECT_EQ(f.Starts("rot.wav"), 2);
    EXPECT_EQ(f.device.Buffer("rot.wav")->frequency, 44100u);
    slot.aEnbl(false);  // stored only
    EXPECT_EQ(f.Starts("rot.wav"), 2);
}

TEST(clsDMCtrl, StopKeepsTheBufferReleaseDropsIt) {
    SlotFixture f;
    f.ctx.initializationComplete = true;
    {
        clsDMCtrl slot(f.ctx);
        slot.Configure("rot.wav", true, 0, 0);
        slot.DMCtrlPlay(false);
        slot.dmStop();
        EXPECT_FALSE(f.device.Buffer("rot.wav")->playing);
        EXPECT_FALSE(slot.NotLoaded());
        slot.dmRelease();
        EXPECT_TRUE(slot.NotLoaded());
        EXPECT_TRUE(f.device.live.empty());
        slot.dmStop();  // nothing to stop
        slot.Configure("del.wav", true, 0, 0);
    }
    EXPECT_TRUE(f.device.live.empty());  // a destroyed slot releases its buffer
}
