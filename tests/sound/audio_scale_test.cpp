// The device's decibel scale: volume in hundredths of a decibel to gain, and the
// pan attenuating the far channel.
#include <gtest/gtest.h>

#include "sound/audio_device.h"

using namespace zembrol;

TEST(AudioScale, VolumeAndPanFollowTheDecibelScale) {
    struct Case { int32_t volume, pan; double left, right; };
    const Case cases[] = {
        {0, 0, 1.0, 1.0},
        {-600, 0, 0.501187, 0.501187},      // -6 dB
        {-2000, 0, 0.1, 0.1},               // -20 dB
        {-10000, 0, 0.0, 0.0},              // silent, not -100 dB
        {-20000, 0, 0.0, 0.0},
        {500, 0, 1.0, 1.0},                 // no louder than full
        {0, 2000, 0.1, 1.0},                // right: the left channel is 20 dB down
        {0, -2000, 1.0, 0.1},
        {0, 10000, 0.0, 1.0},
        {0, -30000, 1.0, 0.0},
        {-600, 600, 0.251189, 0.501187},
    };
    for (const Case& c : cases) {
        double l = 0, r = 0;
        PanToGains(c.pan, &l, &r);
        EXPECT_NEAR(VolumeToGain(c.volume) * l, c.left, 1e-6) << c.volume << " " << c.pan;
        EXPECT_NEAR(VolumeToGain(c.volume) * r, c.right, 1e-6) << c.volume << " " << c.pan;
    }
}
