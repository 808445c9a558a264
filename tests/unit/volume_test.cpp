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

TEST(VolumeTest, SliderStartsAtTheMixersLevel) {
    test::FakeMixer mixer;
    mixer.level = 40000;
    Volume v(&mixer);
    ASSERT_TRUE(v.start());
    EXPECT_EQ(v.slider().value, 40000);
    EXPECT_TRUE(mixer.written.empty());
    // A level outside the control's own range is brought into it.
    test::FakeMixer odd;
    odd.level = 70000;
    Volume w(&odd);
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.slider().value, 65535);
}

#include "media/play_position.h"

TEST(PlayPositionTest, DraggedTimeAndPlayedPart) {
    PlayPosition p;
    // No player: every position reads as zero.
    EXPECT_EQ(p.scroll(500), "00:00:00");
    EXPECT_TRUE(p.dragging());
    p.change(500);
    EXPECT_FALSE(p.dragging());
    EXPECT_EQ(p.playedLength(), 500);
    // A change without a drag (set by a program) marks nothing.
    p.change(20);
    EXPECT_EQ(p.playedLength(), 500);
    p.setStepSeconds(0.5);
    EXPECT_EQ(p.scroll(7450), "01:02:05");
    EXPECT_EQ(p.scroll(118), "00:00:59");
    p.setStepSeconds(1e300);
    EXPECT_EQ(p.scroll(10), "00:00:00");
}
