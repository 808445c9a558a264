#include <gtest/gtest.h>

#include "panes/drive_table.h"
#include "panes/size_format.h"

using namespace zerin;

TEST(SizeFormat, RoundToNearestSwitchesUnitAt999OfTheSmallerUnit) {
    auto f = [](std::int64_t b) { return SizeFormat::format(b, SizeFormat::kRoundToNearest); };
    EXPECT_EQ(f(0), " 0 B");
    EXPECT_EQ(f(999), " 999 B");
    EXPECT_EQ(f(1000), "0.98 KB");
    EXPECT_EQ(f(1022976), "999.00 KB");
    EXPECT_EQ(f(1022977), "0.98 MB");
    EXPECT_EQ(f(1047527424), "999.00 MB");
    EXPECT_EQ(f(1047527425), "0.98 GB");
    EXPECT_EQ(f(1073741824), "1.00 GB");
    EXPECT_EQ(f(5LL * 1024 * 1024 * 1024 * 1024), "5120.00 GB");
}

TEST(SizeFormat, BytesKiloBytesAndMegabytes) {
    EXPECT_EQ(SizeFormat::format(1234567, SizeFormat::kBytes), "1 234 567 B");
    EXPECT_EQ(SizeFormat::format(0, SizeFormat::kBytes), "0 B");
    EXPECT_EQ(SizeFormat::format(999, SizeFormat::kBytes), "999 B");
    EXPECT_EQ(SizeFormat::format(1000, SizeFormat::kBytes), "1 000 B");
    EXPECT_EQ(SizeFormat::format(1536, SizeFormat::kKiloBytes), "2 KB");
    EXPECT_EQ(SizeFormat::format(512, SizeFormat::kKiloBytes), "1 KB");
    EXPECT_EQ(SizeFormat::format(1234567LL * 1024, SizeFormat::kKiloBytes), "1 234 567 KB");
    EXPECT_EQ(SizeFormat::format(0, SizeFormat::kMegaBytes), "0.00 MB");
    EXPECT_EQ(SizeFormat::format(1572864, SizeFormat::kMegaBytes), "1.50 MB");
    EXPECT_EQ(SizeFormat::format(10, 5), "");
    EXPECT_EQ(SizeFormat::format(10, 0), "");
}

TEST(SizeFormat, ModeCyclesAndRefusesValuesOutsideOneToFour) {
    SizeFormat s;
    EXPECT_EQ(s.mode(), 1);
    for (int i = 0; i < 4; ++i) s.next();
    EXPECT_EQ(s.mode(), 1);
    EXPECT_FALSE(s.setMode(7));
    EXPECT_EQ(s.mode(), 1);
    EXPECT_TRUE(s.setMode(4));
    s.next();
    EXPECT_EQ(s.mode(), 1);
}

TEST(SizeFormat, FreeSpaceOfTheDrivesView) {
    EXPECT_EQ(formatFreeSpace(512000), " 500 MB");
    EXPECT_EQ(formatFreeSpace(1536000), "1.46 GB");
    EXPECT_EQ(formatFreeSpace(1000 * 1024), " 1000 MB");
    EXPECT_EQ(formatFreeSpace(1001 * 1024), "0.98 GB");
    // beyond 32-bit kilobyte counts (a 4 TiB disk)
    EXPECT_EQ(formatFreeSpace(4LL * 1024 * 1024 * 1024), "4096.00 GB");
}
