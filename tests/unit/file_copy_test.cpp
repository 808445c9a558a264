// One file copied through the file-system interface: every failure leaves the target name
// free, no temporary file behind and the source as it was, and the reason reaches the
// caller naming the file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "memory_file_system.h"
#include "panes/file_copy.h"
#include "platform/posix/posix_file_system.h"
#include "temp_dir.h"

namespace zerin {
namespace {

using test::MemoryFileSystem;

class OneFileCopy : public ::testing::Test {
protected:
    OneFileCopy() {
        fs.addFile("/src/photo.jpg", body, 0640);
        fs.setTimes("/src/photo.jpg", 1111000000123, 2222000000456, true);
        fs.addFolder("/dst");
    }
    // The source is byte for byte what it was, and /dst holds exactly `expected`.
    void expectUntouched(const std::vector<std::string>& expected = {}) {
        EXPECT_EQ(fs.content("/src/photo.jpg"), body);
        EXPECT_EQ(fs.pathsBelow("/dst"), expected);
    }

    MemoryFileSystem fs;
    const std::string body = std::string(300000, 'x') + "end";
};

TEST_F(OneFileCopy, KeepsBytesPermissionsAndTimesAndLeavesNoTemporaryFile) {
    for (bool kernel : {true, false}) {
        fs.copyRangeSupported = kernel;
        const std::string to = kernel ? "/dst/a.jpg" : "/dst/b.jpg";
        std::vector<std::uint64_t> ticks;
        ASSERT_TRUE(copyOneFile(fs, "/src/photo.jpg", to, false, [&](std::uint64_t done) {
            ticks.push_back(done);
            return true;
        }));
        const auto copied = fs.node(to);
        ASSERT_TRUE(copied);
        EXPECT_EQ(copied->data, body);
        EXPECT_EQ(copied->mode, 0640u);
        EXPECT_EQ(copied->accessedNs, 1111000000123);
        EXPECT_EQ(copied->modifiedNs, 2222000000456);
        ASSERT_FALSE(ticks.empty());
        EXPECT_EQ(ticks.front(), 0u);
    }
    expectUntouched({"/dst/a.jpg", "/dst/b.jpg"});
}

TEST_F(OneFileCopy, FullDiskSaysSoAndLeavesNothing) {
    for (bool kernel : {true, false}) {
        fs.copyRangeSupported = kernel;
        fs.diskFullAfter(1000);
        const FsStatus s = copyOneFile(fs, "/src/photo.jpg", "/dst/photo.jpg", false);
        EXPECT_EQ(s.error(), ENOSPC);
        EXPECT_EQ(s.message(), "cannot write /dst/photo.jpg: " + std::string(std::strerror(ENOSPC)));
        expectUntouched();
    }
}

TEST_F(OneFileCopy, RefusedFolderAndRefusedSourceSayPermissionDenied) {
    fs.denyAccess("/dst");
    FsStatus s = copyOneFile(fs, "/src/photo.jpg", "/dst/photo.jpg", false);
    EXPECT_EQ(s.error(), EACCES);
    EXPECT_NE(s.message().find("/dst/photo.jpg"), std::string::npos) << s.message();
    EXPECT_NE(s.message().find(std::strerror(EACCES)), std::string::npos) << s.message();

    fs.addFile("/src/secret.txt", "s", 0200);  // the owner may not read it
    s = copyOneFile(fs, "/src/secret.txt", "/src/copy.txt", false);
    EXPECT_EQ(s.error(), EACCES);
    EXPECT_EQ(s.message(), "cannot read /src/secret.txt: " + std::string(std::strerror(EACCES)));
    EXPECT_FALSE(fs.exists("/src/copy.txt"));
    EXPECT_EQ(fs.pathsBelow("/src"), (std::vector<std::string>{"/src/photo.jpg", "/src/secret.txt"}));
}

TEST_F(OneFileCopy, SourceMissingOrVanishingHalfWay) {
    FsStatus s = copyOneFile(fs, "/src/gone.jpg", "/dst/gone.jpg", false);
    EXPECT_EQ(s.error(), ENOENT);
    EXPECT_EQ(s.message(), "cannot read /src/gone.jpg: " + std::string(std::strerror(ENOENT)));

    for (bool kernel : {true, false}) {
        fs.copyRangeSupported = kernel;
        fs.addFile("/src/going.bin", std::string(5000, 'g'));
        fs.vanishWhileReading("/src/going.bin", 2000);
        s = copyOneFile(fs, "/src/going.bin", "/dst/going.bin", false);
        EXPECT_EQ(s.error(), ENOENT) << s.message();
        EXPECT_NE(s.message().find("/src/going.bin"), std::string::npos) << s.message();
        EXPECT_FALSE(fs.exists("/src/going.bin"));
        expectUntouched();
    }
}

TEST_F(OneFileCopy, ExistingTargetCancelAndAChangingSource) {
    fs.addFile("/dst/photo.jpg", "mine");
    FsStatus s = copyOneFile(fs, "/src/photo.jpg", "/dst/photo.jpg", false);
    EXPECT_EQ(s.error(), EEXIST);
    EXPECT_EQ(fs.content("/dst/photo.jpg"), "mine");

    s = copyOneFile(fs, "/src/photo.jpg", "/dst/photo.jpg", true, [](std::uint64_t done) { return done == 0; });
    EXPECT_EQ(s.error(), ECANCELED);
    expectUntouched({"/dst/photo.jpg"});
    EXPECT_EQ(fs.content("/dst/photo.jpg"), "mine");

    // Someone writes to the source while it is copied: the copy is not passed off as good.
    fs.copyRangeSupported = false;
    fs.addFile("/src/log.txt", std::string(3u << 20, 'l'));
    s = copyOneFile(fs, "/src/log.txt", "/dst/log.txt", false, [&](std::uint64_t done) {
        if (done > 0) fs.open("/src/log.txt", OpenMode::Replace).value->write("short");
        return true;
    });
    EXPECT_EQ(s.error(), EAGAIN);
    EXPECT_NE(s.message().find("changed"), std::string::npos);
    EXPECT_FALSE(fs.exists("/dst/log.txt"));

    ASSERT_TRUE(copyOneFile(fs, "/src/photo.jpg", "/dst/photo.jpg", true));
    EXPECT_EQ(fs.content("/dst/photo.jpg"), body);
}

TEST(OneFileCopyOnDisk, BytesModeTimesAndLinksAsLinks) {
    test::TempDir dir;
    PosixFileSystem fs;
    std::string body;
    for (int i = 0; i < 200000; ++i) body += static_cast<char>(i * 7);
    dir.write("in.bin", body);
    const std::string in = (dir / "in.bin").string();
    ASSERT_TRUE(fs.setMode(in, 0604));
    ASSERT_TRUE(fs.setTimes(in, 1000000000001, 1600000000123456789, true));
    const std::string out = (dir / "a name (1) :[x].bin").string();
    ASSERT_TRUE(copyOneFile(fs, in, out, false));
    EXPECT_EQ(test::readFile(out), body);
    const auto info = fs.stat(out);
    EXPECT_EQ(info.value.mode, 0604u);
    EXPECT_EQ(info.value.modifiedNs, 1600000000123456789);
    EXPECT_EQ(copyOneFile(fs, in, out, false).error(), EEXIST);

    ASSERT_TRUE(fs.makeLink("in.bin", (dir / "link").string()));
    ASSERT_TRUE(copyLink(fs, (dir / "link").string(), (dir / "link2").string(), false));
    EXPECT_EQ(fs.readLink((dir / "link2").string()).value, "in.bin");

    // A FIFO is refused at once instead of waiting for a writer.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(copyOneFile(fs, (dir / "pipe").string(), (dir / "pipe2").string(), false).error(), EINVAL);
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a name (1) :[x].bin", "in.bin", "link", "link2", "pipe"}));
}

// The fake answers the calls the copy engine relies on as the disk does.
class BothFileSystems : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            fs = &disk;
            root = dir.path().string();
        } else {
            fs = &memory;
            memory.addFolder("/t");
            root = "/t";
        }
    }
    test::TempDir dir;
    PosixFileSystem disk;
    MemoryFileSystem memory;
    FileSystem* fs = nullptr;
    std::string root;
};

TEST_P(BothFileSystems, RenameRemoveMakeAndCreateAnswerAlike) {
    const std::string a = root + "/a", b = root + "/b", sub = root + "/sub";
    ASSERT_TRUE(fs->writeFileAtomic(a, "A"));
    ASSERT_TRUE(fs->writeFileAtomic(b, "B"));
    EXPECT_EQ(fs->open(a, OpenMode::CreateNew).status.error(), EEXIST);
    EXPECT_EQ(fs->rename(a, b, false).error(), EEXIST);
    std::string text;
    ASSERT_TRUE(fs->readFile(b, text));
    EXPECT_EQ(text, "B");
    ASSERT_TRUE(fs->makeFolder(sub));
    EXPECT_EQ(fs->makeFolder(sub).error(), EEXIST);
    ASSERT_TRUE(fs->rename(a, sub + "/a", false));
    EXPECT_EQ(fs->removeFolder(sub).error(), ENOTEMPTY);
    EXPECT_EQ(fs->rename(sub, sub + "/inside", false).error(), EINVAL);
    EXPECT_EQ(fs->rename(sub, sub + "/a/inside", false).error(), ENOTDIR);
    EXPECT_EQ(fs->removeFile(sub).error(), EISDIR);
    EXPECT_EQ(fs->stat(a).status.error(), ENOENT);
    EXPECT_EQ(fs->stat(a).value.kind, FileKind::Missing);
    EXPECT_EQ(fs->readLink(b).status.error(), EINVAL);
    ASSERT_TRUE(fs->rename(b, a, true));
    ASSERT_TRUE(fs->readFile(a, text));
    EXPECT_EQ(text, "B");
    ASSERT_TRUE(fs->removeFile(sub + "/a"));
    ASSERT_TRUE(fs->removeFolder(sub));
    EXPECT_EQ(fs->canonical(root + "/./a").value, fs->canonical(a).value);
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, BothFileSystems, ::testing::Bool());

TEST(MemoryFileSystemFailures, CrossDeviceRenameFails) {
    MemoryFileSystem fs;
    fs.addFile("/home/u/a.txt", "a");
    fs.setDevice("/media/usb", 2);
    EXPECT_EQ(fs.rename("/home/u/a.txt", "/media/usb/a.txt", false).error(), EXDEV);
    EXPECT_TRUE(fs.exists("/home/u/a.txt"));
    EXPECT_NE(fs.stat("/home/u").value.device, fs.stat("/media/usb").value.device);
}

}  // namespace
}  // namespace zerin
