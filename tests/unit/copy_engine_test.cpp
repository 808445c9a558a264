// Whole trees copied through the file-system interface: what arrives is byte for byte
// the source with its permissions and times, links stay links, a copy never lands on its
// own source, an interruption (cancel, a full disk) leaves no partial file under a real
// name, and nothing is overwritten before the conflict callback said so.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "memory_file_system.h"
#include "panes/copy_engine.h"
#include "platform/posix/posix_file_system.h"
#include "temp_folder.h"

namespace zerin {
namespace {

using test::MemoryFileSystem;

class TreeCopyInMemory : public ::testing::Test {
protected:
    TreeCopyInMemory() {
        fs.addFile("/src/album/a.jpg", std::string(200000, 'a'), 0640);
        fs.addFile("/src/album/deep/b.txt", "bee", 0600);
        fs.addFile("/src/album/c.bin", std::string(300000, 'c'), 0755);
        fs.addLink("/src/album/latest", "deep/b.txt");
        fs.addFolder("/src/album/empty", 0750);
        fs.setTimes("/src/album/a.jpg", 1000000000111, 2000000000222, true);
        fs.setTimes("/src/album/deep", 3000000000333, 4000000000444, true);
        fs.addFolder("/dst");
        sourceBefore = fs.pathsBelow("/src");
    }
    void expectSourceUnchanged() {
        EXPECT_EQ(fs.pathsBelow("/src"), sourceBefore);
        EXPECT_EQ(fs.content("/src/album/a.jpg"), std::string(200000, 'a'));
        EXPECT_EQ(fs.content("/src/album/c.bin"), std::string(300000, 'c'));
    }
    // No temporary name of the copy is left anywhere below `folder`.
    void expectNoTemporaryFiles(const std::string& folder) {
        for (const std::string& p : fs.pathsBelow(folder)) EXPECT_EQ(p.find(".zerin-copy-"), std::string::npos) << p;
    }

    MemoryFileSystem fs;
    std::vector<std::string> sourceBefore;
};

TEST_F(TreeCopyInMemory, CopiesTheTreeWithModesTimesAndLinksAsLinks) {
    std::vector<CopyProgress> seen;
    CopyCallbacks cb;
    cb.progress = [&](const CopyProgress& p) {
        seen.push_back(p);
        return true;
    };
    const CopyResult r = copyTree(fs, "/src/album", "/dst/album", cb);
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    EXPECT_EQ(r.filesCopied, 4u);  // three files and the link

    std::vector<std::string> expected;
    for (const std::string& p : sourceBefore)
        if (p != "/src/album") expected.push_back("/dst/album" + p.substr(std::string("/src/album").size()));
    expected.insert(expected.begin(), "/dst/album");
    EXPECT_EQ(fs.pathsBelow("/dst"), expected);
    for (const char* rel : {"/a.jpg", "/deep/b.txt", "/c.bin"}) {
        const auto from = fs.node(std::string("/src/album") + rel);
        const auto to = fs.node(std::string("/dst/album") + rel);
        ASSERT_TRUE(to) << rel;
        EXPECT_EQ(to->data, from->data) << rel;
        EXPECT_EQ(to->mode, from->mode) << rel;
        EXPECT_EQ(to->modifiedNs, from->modifiedNs) << rel;
    }
    const auto link = fs.node("/dst/album/latest");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->kind, FileKind::Link);
    EXPECT_EQ(link->data, "deep/b.txt");
    // Folders get their own mode and times after their contents went in.
    EXPECT_EQ(fs.node("/dst/album/empty")->mode, 0750u);
    EXPECT_EQ(fs.node("/dst/album/deep")->modifiedNs, 4000000000444);

    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().bytesTotal, 500003u);
    EXPECT_EQ(seen.back().bytesDone, 500003u);
    for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_LE(seen[i - 1].bytesDone, seen[i].bytesDone);
    expectSourceUnchanged();
}

TEST_F(TreeCopyInMemory, RefusesACopyOntoItselfOrIntoItsOwnSubfolder) {
    CopyResult r = copyTree(fs, "/src/album", "/src/album", {});
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    EXPECT_NE(r.status.message().find("onto itself"), std::string::npos) << r.status.message();

    r = copyTree(fs, "/src/album", "/src/album/deep/album", {});
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    EXPECT_NE(r.status.message().find("into its own subfolder"), std::string::npos) << r.status.message();

    // Through a link to the folder it is still the same folder.
    fs.addLink("/alias", "/src/album");
    r = copyTree(fs, "/src/album", "/alias/deep/x", {});
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);

    r = copyTree(fs, "/src/album/a.jpg", "/src/album/a.jpg", {});
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    expectSourceUnchanged();
    // A sibling whose name starts like the source is not inside it.
    EXPECT_EQ(copyTree(fs, "/src/album", "/src/album2", {}).outcome, CopyOutcome::Done);
}

TEST_F(TreeCopyInMemory, CancelAndFullDiskLeaveNoPartialFileAndTheSourceAsItWas) {
    // Cancel while the second large file is under way.
    std::atomic<bool> cancel{false};
    CopyCallbacks cb;
    cb.cancel = &cancel;
    cb.progress = [&](const CopyProgress& p) {
        if (p.bytesDone > 250000) cancel = true;
        return true;
    };
    fs.copyRangeSupported = false;  // small pieces, so the cancel lands inside a file
    CopyResult r = copyTree(fs, "/src/album", "/dst/cancelled", cb);
    EXPECT_EQ(r.outcome, CopyOutcome::Cancelled);
    EXPECT_EQ(r.status.error(), ECANCELED);
    expectNoTemporaryFiles("/dst");
    // Whatever arrived is complete.
    for (const std::string& p : fs.pathsBelow("/dst/cancelled")) {
        const std::string from = "/src/album" + p.substr(std::string("/dst/cancelled").size());
        if (fs.node(p)->kind == FileKind::File) EXPECT_EQ(fs.content(p), fs.content(from)) << p;
    }

    fs.diskFullAfter(250000);
    r = copyTree(fs, "/src/album", "/dst/full", {});
    EXPECT_EQ(r.outcome, CopyOutcome::Failed);
    EXPECT_EQ(r.status.error(), ENOSPC);
    EXPECT_NE(r.status.message().find("/dst/full/"), std::string::npos) << r.status.message();
    expectNoTemporaryFiles("/dst");
    for (const std::string& p : fs.pathsBelow("/dst/full")) {
        const std::string from = "/src/album" + p.substr(std::string("/dst/full").size());
        if (fs.node(p)->kind == FileKind::File) EXPECT_EQ(fs.content(p), fs.content(from)) << p;
    }
    expectSourceUnchanged();
}

TEST_F(TreeCopyInMemory, ConflictsAreAskedAndAnsweredPerFileOrForAll) {
    fs.addFile("/dst/album/a.jpg", "old a");
    fs.addFile("/dst/album/c.bin", "old c");
    std::vector<std::string> asked;
    CopyCallbacks cb;
    cb.conflict = [&](const std::string&, const std::string& target) {
        asked.push_back(target);
        return ConflictAnswer{ConflictChoice::Skip, false};
    };
    CopyResult r = copyTree(fs, "/src/album", "/dst/album", cb);
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    EXPECT_EQ(asked, (std::vector<std::string>{"/dst/album/a.jpg", "/dst/album/c.bin"}));
    EXPECT_EQ(r.skipped, 2u);
    EXPECT_EQ(fs.content("/dst/album/a.jpg"), "old a");  // Skip keeps the target
    EXPECT_EQ(fs.content("/dst/album/deep/b.txt"), "bee");  // the rest still arrives

    // Rename for all: asked once, both copies arrive beside the old files.
    asked.clear();
    cb.conflict = [&](const std::string&, const std::string& target) {
        asked.push_back(target);
        return ConflictAnswer{ConflictChoice::Rename, true};
    };
    r = copyTree(fs, "/src/album", "/dst/album", cb);
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(fs.content("/dst/album/a.jpg"), "old a");
    EXPECT_EQ(fs.content("/dst/album/a (2).jpg"), std::string(200000, 'a'));
    EXPECT_TRUE(fs.exists("/dst/album/deep/b (2).txt"));

    // Overwrite replaces; Cancel stops before anything else is written.
    cb.conflict = [](const std::string&, const std::string&) { return ConflictAnswer{ConflictChoice::Overwrite, true}; };
    r = copyTree(fs, "/src/album", "/dst/album", cb);
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    EXPECT_EQ(fs.content("/dst/album/c.bin"), std::string(300000, 'c'));

    fs.addFile("/dst/other/a.jpg", "keep");
    cb.conflict = [](const std::string&, const std::string&) { return ConflictAnswer{ConflictChoice::Cancel, true}; };
    r = copyTree(fs, "/src/album/a.jpg", "/dst/other/a.jpg", cb);
    EXPECT_EQ(r.outcome, CopyOutcome::Cancelled);
    EXPECT_EQ(fs.content("/dst/other/a.jpg"), "keep");

    // Without a callback nothing is overwritten.
    r = copyTree(fs, "/src/album/a.jpg", "/dst/other/a.jpg", {});
    EXPECT_NE(r.outcome, CopyOutcome::Done);
    EXPECT_EQ(fs.content("/dst/other/a.jpg"), "keep");
    expectSourceUnchanged();
}

// A move removes its source, so each file must be on the disk before that; so must a file
// that replaces another. A plain copy leaves its source and is written back by the system.
TEST_F(TreeCopyInMemory, FilesReachTheDiskBeforeASourceGoesOrATargetIsReplaced) {
    ASSERT_EQ(copyTree(fs, "/src/album", "/dst/album", {}).outcome, CopyOutcome::Done);
    EXPECT_EQ(fs.syncs, 0);

    CopyCallbacks overwrite;
    overwrite.conflict = [](const std::string&, const std::string&) { return ConflictAnswer{ConflictChoice::Overwrite, true}; };
    ASSERT_EQ(copyTree(fs, "/src/album/a.jpg", "/dst/album/a.jpg", overwrite).outcome, CopyOutcome::Done);
    EXPECT_EQ(fs.syncs, 1);

    fs.setDevice("/usb", 7);
    fs.addFolder("/usb");
    ASSERT_EQ(moveAcrossFileSystems(fs, "/src/album", "/usb/album", {}).outcome, CopyOutcome::Done);
    EXPECT_EQ(fs.syncs, 1 + 3);  // a.jpg, deep/b.txt and c.bin; the link holds no data
}

TEST_F(TreeCopyInMemory, MoveAcrossFileSystemsLeavesTheTreeOnlyAtTheTarget) {
    fs.setDevice("/usb", 7);
    fs.addFolder("/usb");
    ASSERT_EQ(fs.rename("/src/album", "/usb/album", false).error(), EXDEV);
    CopyResult r = moveAcrossFileSystems(fs, "/src/album", "/usb/album", {});
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    EXPECT_FALSE(fs.exists("/src/album"));
    EXPECT_EQ(fs.content("/usb/album/c.bin"), std::string(300000, 'c'));
    EXPECT_EQ(fs.node("/usb/album/latest")->kind, FileKind::Link);

    // An existing target is never replaced, and a move that fails keeps the source whole.
    fs.addFile("/src/one.txt", "one");
    fs.addFile("/usb/one.txt", "other");
    r = moveAcrossFileSystems(fs, "/src/one.txt", "/usb/one.txt", {});
    EXPECT_EQ(r.status.error(), EEXIST);
    EXPECT_EQ(fs.content("/src/one.txt"), "one");
    EXPECT_EQ(fs.content("/usb/one.txt"), "other");

    fs.addFile("/src/big.bin", std::string(100000, 'b'));
    fs.diskFullAfter(1000);
    r = moveAcrossFileSystems(fs, "/src/big.bin", "/usb/big.bin", {});
    EXPECT_EQ(r.status.error(), ENOSPC);
    EXPECT_EQ(fs.content("/src/big.bin"), std::string(100000, 'b'));
    EXPECT_FALSE(fs.exists("/usb/big.bin"));
}

TEST(TreeCopyOnDisk, KeepsBytesModesTimesAndHostileNames) {
    test::TempFolder tmp;
    namespace stdfs = std::filesystem;
    const stdfs::path src = stdfs::path(tmp.path()) / "src";
    const std::vector<std::string> names = {"it's \"quoted\".txt", "(paren) [x].txt", "a:[b", "-leading", "new\nline"};
    stdfs::create_directories(src / "sub");
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::ofstream(src / "sub" / names[i], std::ios::binary) << "content " << i << '\0' << "tail";
        ::chmod((src / "sub" / names[i]).c_str(), 0600 + static_cast<unsigned>(i));
    }
    stdfs::create_symlink("sub/-leading", src / "link");
    const auto when = stdfs::file_time_type::clock::now() - std::chrono::hours(1000);
    stdfs::last_write_time(src / "sub" / names[0], when);
    stdfs::last_write_time(src / "sub", when);

    PosixFileSystem fs;
    const std::string dst = tmp.path() + "dst";
    const CopyResult r = copyTree(fs, src.string(), dst, {});
    ASSERT_EQ(r.outcome, CopyOutcome::Done) << r.status.message();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const stdfs::path a = src / "sub" / names[i];
        const stdfs::path b = stdfs::path(dst) / "sub" / names[i];
        ASSERT_TRUE(stdfs::exists(b)) << names[i];
        std::string x, y;
        fs.readFile(a.string(), x);
        fs.readFile(b.string(), y);
        EXPECT_EQ(x, y) << names[i];
        EXPECT_EQ(stdfs::status(a).permissions(), stdfs::status(b).permissions()) << names[i];
    }
    EXPECT_EQ(stdfs::last_write_time(stdfs::path(dst) / "sub" / names[0]), when);
    EXPECT_EQ(stdfs::last_write_time(stdfs::path(dst) / "sub"), when);
    ASSERT_TRUE(stdfs::is_symlink(stdfs::path(dst) / "link"));
    EXPECT_EQ(stdfs::read_symlink(stdfs::path(dst) / "link"), "sub/-leading");
    EXPECT_TRUE(sameTree(fs, src.string(), dst));
}

}  // namespace
}  // namespace zerin
