// The background music: start with its fade-in, stop and resume, the reset of an
// unusable music path, and every call on missing music doing nothing.
#include <gtest/gtest.h>

#include "fake_audio_device.h"
#include "settings/settings.h"
#include "sound/bkg_music.h"

using namespace zembrol;
using zembrol::testing::FakeAudioBuffer;
using zembrol::testing::FakeAudioDevice;

namespace {

struct MusicFixture {
    FakeAudioDevice device;
    Settings settings;
    SoundContext ctx;
    BkgMusic music{ctx, settings};

    MusicFixture() {
        device.files = {{"bkg.wav", 44100}};
        ctx.device = &device;
        ctx.settings = &settings;
    }
    FakeAudioBuffer* Buffer() { return device.Buffer("bkg.wav"); }
    // The volumes the fade steps set, up to `frames` frames.
    std::vector<int32_t> Fade(int frames) {
        std::vector<int32_t> set;
        for (int i = 0; i < frames; ++i) {
            const size_t before = device.journal.size();
            music.bkg_FadeStep();
            if (device.journal.size() > before) set.push_back(Buffer()->volume);
        }
        return set;
    }
};

}  // namespace

TEST(BkgMusic, StartFadesInFromMinus3500ByTenPerFrameToTheTarget) {
    MusicFixture f;
    f.settings.freq = 11025;
    f.music.bkg_SetVolume(-600, false);  // the configuration's volume; no music yet
    f.music.bkg_Play("bkg.wav");
    f.music.bkg_Start("bkg.wav", true);
    ASSERT_NE(f.Buffer(), nullptr);
    EXPECT_TRUE(f.Buffer()->playing);
    EXPECT_TRUE(f.Buffer()->looping);
    EXPECT_EQ(f.settings.freq, 44100);  // the file's own rate
    EXPECT_EQ(f.Buffer()->volume, -3500);
    const std::vector<int32_t> steps = f.Fade(400);
    ASSERT_EQ(steps.size(), 291u);  // -3500, -3490, ..., -600
    EXPECT_EQ(steps.front(), -3500);
    EXPECT_EQ(steps[1], -3490);
    EXPECT_EQ(steps.back(), -600);
    EXPECT_EQ(f.music.bkg_GetVolume(), -600);
}

TEST(BkgMusic, AVolumeBelowTheFadesStartIsReachedAtOnce) {
    // A fade from -3500 never reaches -5000: the music would stay louder than chosen.
    MusicFixture f;
    f.music.bkg_Play("bkg.wav");
    f.music.bkg_SetVolume(-5000, true);
    EXPECT_EQ(f.Fade(50), std::vector<int32_t>{-5000});
}

TEST(BkgMusic, StopKeepsThePlaceAndResetsTheFadeResumeGoesOn) {
    MusicFixture f;
    f.music.bkg_Play("bkg.wav");
    f.music.bkg_SetVolume(-1000, true);
    f.Fade(500);
    f.music.bkg_Stop();
    EXPECT_FALSE(f.Buffer()->playing);
    EXPECT_EQ(f.Buffer()->volume, -3500);
    EXPECT_EQ(f.music.FadeVolume(), -3500);
    const int startsBefore = f.Buffer()->starts;
    f.music.bkg_Resume();
    EXPECT_TRUE(f.Buffer()->playing);
    EXPECT_EQ(f.Buffer()->starts, startsBefore);  // goes on, not from the start
    EXPECT_EQ(f.Fade(1000).size(), 251u);          // and fades in again to -1000
}

TEST(BkgMusic, AStartWithEnableLoopOffLeavesTheMusicStopped) {
    MusicFixture f;
    f.settings.EnableLoop = false;
    f.music.bkg_Start("bkg.wav", false);
    ASSERT_NE(f.Buffer(), nullptr);
    EXPECT_FALSE(f.Buffer()->playing);
}

TEST(BkgMusic, AMusicFileThatDoesNotLoadMarksThePathUnusableOnlyWithTheResetFlag) {
    struct Case { const char* what; bool device, reset, enableLoop; const char* path; };
    const Case cases[] = {
        {"reset flag: the path is marked unusable", true, true, true, "..."},
        {"reset flag, music off", true, true, false, "..."},
        {"no reset flag: the path stays", true, false, true, "gone.wav"},
        {"no device: nothing was tried, the path stays", false, true, true, "gone.wav"},
    };
    for (const Case& c : cases) {
        MusicFixture f;
        if (!c.device) f.ctx.device = nullptr;
        f.settings.EnableLoop = c.enableLoop;
        f.settings.PathToBkgMusic = "gone.wav";
        f.music.bkg_Start(f.settings.PathToBkgMusic, c.reset);
        EXPECT_EQ(f.settings.PathToBkgMusic, c.path) << c.what;
        EXPECT_TRUE(f.music.Unavailable()) << c.what;
    }
}

TEST(BkgMusic, UnavailableMusicAnswersZeroAndIgnoresEveryCall) {
    MusicFixture f;
    f.music.bkg_SetVolume(-800, false);
    EXPECT_EQ(f.music.bkg_GetVolume(), 0);
    EXPECT_EQ(f.music.bkg_GetFreq(), 0);
    f.music.bkg_SetPan(3000);
    f.music.bkg_SetFreq(8000);
    f.music.bkg_Stop();
    f.music.bkg_Resume();
    f.music.bkg_FadeStep();
    f.music.bkg_Release();
    EXPECT_TRUE(f.device.journal.empty());

    f.music.bkg_Play("bkg.wav");
    f.music.bkg_SetFreq(22050);
    EXPECT_EQ(f.music.bkg_GetFreq(), 22050);
    f.music.bkg_SetPan(-4000);
    EXPECT_EQ(f.Buffer()->pan, -4000);
    f.music.bkg_Release();
    EXPECT_TRUE(f.music.Unavailable());
    EXPECT_TRUE(f.device.live.empty());
    EXPECT_EQ(f.music.bkg_GetVolume(), 0);
}

TEST(BkgMusic, PlayingAgainReplacesTheBufferAndStartsFromTheBeginning) {
    MusicFixture f;
    f.device.files["other.wav"] = 22050;
    f.music.bkg_Play("bkg.wav");
    f.music.bkg_Play("other.wav");
    EXPECT_EQ(f.Buffer(), nullptr);
    ASSERT_NE(f.device.Buffer("other.wav"), nullptr);
    EXPECT_EQ(f.device.Buffer("other.wav")->starts, 1);
    EXPECT_EQ(f.music.File(), "other.wav");
    EXPECT_EQ(f.settings.freq, 22050);
}
