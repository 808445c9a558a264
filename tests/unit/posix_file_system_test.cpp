// The real file system reports why a path cannot be read, and what kind of thing it is.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/posix/posix_file_system.h"
#include "temp_dir.h"

namespace zerin {
namespace {

TEST(PosixFileSystemStatus, MissingAndUnreadableFoldersSayWhy) {
    test::TempDir dir;
    PosixFileSystem fs;
    std::vector<DirEntry> entries;

    FsStatus missing = fs.listFolder((dir / "nowhere").string(), entries, false);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.error(), ENOENT);
    EXPECT_FALSE(missing.message().empty());

    dir.write("plain.txt", "x");
    FsStatus notFolder = fs.listFolder((dir / "plain.txt").string(), entries, false);
    EXPECT_EQ(notFolder.error(), ENOTDIR);

    if (::geteuid() != 0) {  // root reads any folder
        std::filesystem::create_directory(dir / "locked");
        ::chmod((dir / "locked").c_str(), 0);
        EXPECT_EQ(fs.listFolder((dir / "locked").string(), entries, false).error(), EACCES);
        ::chmod((dir / "locked").c_str(), 0755);
    }
    EXPECT_TRUE(fs.listFolder(dir.path().string(), entries, false));
}

TEST(PosixFileSystemStatus, StatTellsKindsAndKeepsLinksWhenAsked) {
    test::TempDir dir;
    PosixFileSystem fs;
    dir.write("five.bin", "12345");
    ::chmod((dir / "five.bin").c_str(), 0640);
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_symlink(dir / "sub", dir / "link");

    auto file = fs.stat((dir / "five.bin").string());
    ASSERT_TRUE(file);
    EXPECT_EQ(file.value.kind, FileKind::File);
    EXPECT_EQ(file.value.size, 5);
    EXPECT_EQ(file.value.mode, 0640u);
    EXPECT_GT(file.value.modifiedNs, 0);

    EXPECT_EQ(fs.stat((dir / "link").string()).value.kind, FileKind::Folder);
    EXPECT_EQ(fs.stat((dir / "link").string(), false).value.kind, FileKind::Link);

    auto gone = fs.stat((dir / "gone").string());
    EXPECT_FALSE(gone);
    EXPECT_EQ(gone.value.kind, FileKind::Missing);
    EXPECT_EQ(gone.status.error(), ENOENT);
}

}  // namespace
}  // namespace zerin
