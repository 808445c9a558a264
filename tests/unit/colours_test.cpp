#include <gtest/gtest.h>

#include "core/colours.h"

using namespace zerin;

TEST(Colours, ShadeScalesEachChannelInPlaceAndDropsBitsBelowIt) {
    // blue 0x44 * 0.8 lands on 0x366666 as a whole field and keeps only its own byte
    EXPECT_EQ(shade(0x448844, 80), 0x366C36u);
    // 127.5 rounds to the even neighbour
    EXPECT_EQ(shade(0x0000ff, 50), 128u);
    EXPECT_EQ(shade(0x11cccc, 60), 0x0A7A7Au);
    EXPECT_EQ(shade(0xffffff, 100), 0xffffffu);
    EXPECT_EQ(shade(0x123456, 0), 0u);
}

TEST(Colours, BrightenSharesTheOverflowOfCappedChannels) {
    // green 306 is capped at 255; half of the 51 over (25.5 -> 26) goes to every channel
    EXPECT_EQ(brighten(0x66ff66, 120), 0x94ff94u);
    EXPECT_EQ(brighten(0xffffff, 140), 0xffffffu);
    EXPECT_EQ(brighten(0x000000, 190), 0u);
    // no channel overflows: plain scaling with the remainder dropped (0x11 * 1.4 = 23.8)
    EXPECT_EQ(brighten(0x111111, 140), 0x171717u);
    // red 0xfe * 1.4 = 355 -> overflow 100, half 50 added to green (0x30*1.4=67) and blue
    EXPECT_EQ(brighten(0x3030fe, 140), 0x7575ffu);
}

TEST(Colours, ColourTableStartsWithTheFourFileColours) {
    ColourTable t;
    EXPECT_EQ(t.file(1), 0x11ccccu);
    EXPECT_EQ(t.file(2), 0x66ee66u);
    EXPECT_EQ(t.file(3), 0xf09090u);
    EXPECT_EQ(t.file(4), 0xc0c0c0u);
    EXPECT_EQ(t.file(5), 0xffffffu);
    t.setFile(2, 0x123456);
    EXPECT_EQ(t.file(2), 0x123456u);
}
