#include <gtest/gtest.h>

#include "pane_fixture.h"
#include "panes/pane_refresh.h"
#include "platform/posix/mount_info.h"

using namespace zerin;

TEST(MountInfo, ParsesFieldsAfterTheSeparatorAndDecodesEscapes) {
    const auto entries = parseMountInfo(
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 8:17 / /media/My\\040Disk rw master:3 shared:9 - vfat /dev/sdb1 rw\n"
        "broken line\n"
        "41 22 0:5 / /proc rw - proc proc rw");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].mountPoint, "/");
    EXPECT_EQ(entries[0].fsType, "ext4");
    EXPECT_EQ(entries[1].mountPoint, "/media/My Disk");
    EXPECT_EQ(entries[1].device, "/dev/sdb1");
    EXPECT_EQ(entries[2].fsType, "proc");
    EXPECT_EQ(decodeLabelEscapes("My\\x20Disk"), "My Disk");
}

class DrivesView : public test::PaneFixture {
protected:
    void SetUp() override {
        fs.mountTable = {
            {"/", "overlay", "overlay"},          {"/proc", "proc", "proc"},
            {"/sys/fs/cgroup", "cgroup2", "cgroup2"}, {"/run/user/1000", "tmpfs", "tmpfs"},
            {"/home", "ext4", "/dev/sda2"},       {"/snap/core/1", "squashfs", "/dev/loop0"},
            {"/etc/hosts", "ext4", "/dev/sda2"},  {"/media/cd", "iso9660", "/dev/sr0"},
            {"/mnt/nas", "nfs4", "nas:/share"},   {"/run/media/u/USB", "vfat", "/dev/sdb1"},
            {"/home", "ext4", "/dev/sda2"},
        };
        fs.labels = {{"/dev/sda2", "Home"}, {"/dev/sr0", "FILMS"}};
        fs.space = {{"/home", {100ULL << 30, 1536000ULL * 1024}}, {"/", {10ULL << 40, 5ULL << 40}}};
        fs.optical = {"/dev/sr0", "/dev/sr1"};
    }
};

TEST_F(DrivesView, TableLeavesOutPseudoAndSystemMounts) {
    z.panes.drives.refresh(fs);
    std::vector<std::string> letters;
    for (const auto& d : z.panes.drives.drives()) letters.push_back(d.letter);
    const std::vector<std::string> expected = {"/", "/home", "/media/cd", "/mnt/nas", "/run/media/u/USB", "/dev/sr1"};
    EXPECT_EQ(letters, expected);
    const auto& drives = z.panes.drives.drives();
    EXPECT_EQ(drives[0].volumeName, "overlay");
    EXPECT_EQ(drives[0].totalKb, 10LL << 30);  // 10 TiB in kilobytes: past 32 bits
    EXPECT_EQ(drives[1].volumeName, "Home");
    EXPECT_EQ(drives[1].freeKb, 1536000);
    EXPECT_EQ(drives[2].type, Drive::kOptical);
    EXPECT_EQ(drives[2].volumeName, "FILMS");
    EXPECT_EQ(drives[3].type, Drive::kNetwork);
    EXPECT_EQ(drives[4].volumeName, "USB");
    EXPECT_EQ(drives[5].volumeName, "(No disc)");
}

TEST_F(DrivesView, ItemsShowNameVolumeAndFreeSpaceInTheRoleColour) {
    z.panes.setPath(1, "Drives");
    call("do_list_update 1");
    const auto& items = z.panes.list(1).items();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[1].text, "/home - Home");
    EXPECT_EQ(items[1].tag, "/home/");
    EXPECT_EQ(items[1].subItems[0].text, "1.46 GB");
    EXPECT_EQ(items[0].subItems[0].text, "5120.00 GB");
    EXPECT_EQ(items[5].text, "/dev/sr1 - (No disc)");
    EXPECT_EQ(items[1].colour, 0x448844u);  // pane 1 is the target pane
    const auto& columns = z.panes.controls(1).columns;
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1].text, "Free");
    EXPECT_TRUE(columns[1].rightAligned);
    EXPECT_FALSE(z.panes.controls(1).parentEnabled);
}
