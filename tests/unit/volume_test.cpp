#include <gtest/gtest.h>

#include "fake_platform.h"
#include "media/volume.h"

using namespace zerin;

TEST(VolumeTest, SliderTakesTheControlsRangeAndSteps) {
    test::FakeMixer mixer;
    Volume v(&mixer);
    ASSERT_TRUE(v.start());
    EXPECT_EQ(v.slider().minimum, 0);
    EXPECT_EQ(v.slider().maximum, 65535);
    EXPECT_EQ(v.slider().largeChange, 6553);
    EXPECT_EQ(v.slider().smallChange, 1638);

    test::FakeMixer alsa;
    alsa.bounds = {-10239, 400};  // a range in hundredths of a decibel
    Volume w(&alsa);
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.slider().largeChange, 1063);
    EXPECT_EQ(w.slider().smallChange, 265);
    EXPECT_LE(w.slider().value, 400);
    EXPECT_GE(w.slider().value, -10239);
}

TEST(VolumeTest, ChangesReachTheMixerOnlyWhenOpen) {
    test::FakeMixer mixer;
    Volume v(&mixer);
    v.change(100);
    EXPECT_TRUE(mixer.written.empty());
    v.start();
    v.change(30000);
    v.change(0);
    EXPECT_EQ(mixer.written, (std::vector<std::int64_t>{30000, 0}));
    EXPECT_EQ(v.slider().value, 0);
}

TEST(VolumeTest, NoMixerKeepsTheRangeAndMovesNothing) {
    test::FakeMixer mixer;
    mixer.present = false;
    Volume v(&mixer);
    EXPECT_FALSE(v.start());
    EXPECT_EQ(v.slider().maximum, 65535);
    v.change(5);
    EXPECT_TRUE(mixer.written.empty());
    EXPECT_EQ(v.slider().value, 5);
    Volume none(nullptr);
    EXPECT_FALSE(none.start());
}

TEST(VolumeTest, PlayTimeInHoursMinutesSeconds) {
    EXPECT_EQ(playTime(3725), "01:02:05");
    EXPECT_EQ(playTime(59), "00:00:59");
    EXPECT_EQ(playTime(0), "00:00:00");
    EXPECT_EQ(playTime(360000), "100:00:00");
    EXPECT_EQ(playTime(-3), "00:00:00");
}

#include "platform/linux/alsa_mixer.h"

// The real mixer of this machine: with a card its range is usable, without one it says so.
TEST(VolumeTest, AlsaMixerOpensOrRefuses) {
    AlsaMixer mixer;
    Volume v(&mixer);
    if (v.start()) {
        EXPECT_LE(v.slider().minimum, v.slider().maximum);
    } else {
        EXPECT_FALSE(v.open());
    }
}
