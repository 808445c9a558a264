// The file operations as scripts call them: their results and messages, the conflict
// question through the dialogs, renames that never replace, moves across file systems,
// and names that reach the file system exactly as written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "memory_file_system.h"
#include "pane_fixture.h"
#include "panes/file_commands.h"

using namespace zerin;

namespace {

namespace stdfs = std::filesystem;

class FileCommands : public test::PaneFixture {
protected:
    void SetUp() override {
        tmp.file("src/tree/one.txt", 10);
        tmp.file("src/tree/sub/two.bin", 70000);
        tmp.folder("dst");
        root = tmp.path();
    }
    std::string slurp(const std::string& path) {
        std::string out;
        fs.readFile(path, out);
        return out;
    }
    void write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string lastBox() const { return fp.dialogs.shown.empty() ? std::string() : fp.dialogs.shown.back().text; }

    std::string root;
};

TEST_F(FileCommands, CopyPutsTreesIntoFoldersOrUnderANewName) {
    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree\" \"" + root + "dst\""), "");
    EXPECT_EQ(slurp(root + "dst/tree/sub/two.bin"), slurp(root + "src/tree/sub/two.bin"));
    EXPECT_EQ(slurp(root + "dst/tree/one.txt").size(), 10u);

    EXPECT_EQ(call("do_file_copy " + root + "src/tree/one.txt " + root + "dst/renamed.txt"), "");
    EXPECT_EQ(slurp(root + "dst/renamed.txt"), slurp(root + "src/tree/one.txt"));
    // A target ending in "/" that is not there yet is made and filled.
    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree/one.txt\" \"" + root + "dst/new/\""), "");
    EXPECT_TRUE(stdfs::is_regular_file(root + "dst/new/one.txt"));
    EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(FileCommands, CopyAsksBeforeOverwritingAndCancelStopsTheScript) {
    write(root + "dst/one.txt", "mine");
    fp.dialogs.answers = {MsgResult::No};  // No = skip this file
    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree/one.txt\" \"" + root + "dst\""), "");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_NE(lastBox().find(root + "dst/one.txt"), std::string::npos);
    EXPECT_EQ(fp.dialogs.shown.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(slurp(root + "dst/one.txt"), "mine");
    EXPECT_FALSE(z.run.stopRequest);

    // Unanswered (Cancel): the shell's cancel code and the running script ends.
    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree/one.txt\" \"" + root + "dst\""), " 1223");
    EXPECT_TRUE(z.run.stopRequest);
    EXPECT_EQ(slurp(root + "dst/one.txt"), "mine");
    z.run.stopRequest = false;

    fp.dialogs.answers = {MsgResult::Yes};
    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree/one.txt\" \"" + root + "dst\""), "");
    EXPECT_EQ(slurp(root + "dst/one.txt"), slurp(root + "src/tree/one.txt"));
}

TEST_F(FileCommands, CopyFailuresShowTheCodeAndWhy) {
    EXPECT_EQ(call("do_file_copy \"" + root + "src/missing\" \"" + root + "dst\""), " 2");
    EXPECT_EQ(lastBox().substr(0, lastBox().find('\r')), "FileOp returned:2");
    EXPECT_FALSE(z.run.stopRequest);

    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree\" \"" + root + "src/tree/sub\""), " 22");
    EXPECT_EQ(lastBox().substr(0, lastBox().find('\r')), "FileOp returned:22");
    EXPECT_NE(lastBox().find("into its own subfolder"), std::string::npos);
    EXPECT_FALSE(stdfs::exists(root + "src/tree/sub/tree"));

    EXPECT_EQ(call("do_file_copy \"" + root + "src/tree/one.txt\" \"" + root + "src/tree\""), " 22");
    EXPECT_NE(lastBox().find("onto itself"), std::string::npos);
    EXPECT_EQ(slurp(root + "src/tree/one.txt").size(), 10u);
}

TEST_F(FileCommands, RenameNeverReplacesAndSaysWhatFailed) {
    write(root + "a.txt", "A");
    EXPECT_EQ(call("do_file_rename " + root + "a.txt:" + root + "b.txt"), root + "b.txt");
    EXPECT_FALSE(stdfs::exists(root + "a.txt"));
    EXPECT_EQ(slurp(root + "b.txt"), "A");
    // Blanks around either half are not part of the names; a move to another folder.
    EXPECT_EQ(call("do_file_rename  " + root + "b.txt : " + root + "dst/c.txt "), root + "dst/c.txt");
    EXPECT_EQ(slurp(root + "dst/c.txt"), "A");

    write(root + "d.txt", "D");
    EXPECT_EQ(call("do_file_rename " + root + "d.txt:" + root + "dst/c.txt"), "");
    EXPECT_EQ(lastBox().substr(0, lastBox().find('\r')),
              "Error renaming file: " + root + "d.txt to " + root + "dst/c.txt");
    EXPECT_EQ(slurp(root + "d.txt"), "D");
    EXPECT_EQ(slurp(root + "dst/c.txt"), "A");
    // Nor a folder.
    EXPECT_EQ(call("do_file_rename " + root + "d.txt:" + root + "dst"), "");
    EXPECT_EQ(slurp(root + "d.txt"), "D");

    // A folder whose name holds ":/" still splits where the old path exists.
    tmp.file("odd:/x.txt", 3);
    EXPECT_EQ(call("do_file_rename " + root + "odd:/x.txt:" + root + "odd:/y.txt"), root + "odd:/y.txt");
    EXPECT_TRUE(stdfs::exists(root + "odd:/y.txt"));
}

TEST_F(FileCommands, RenameAcrossFileSystemsMovesLikeMv) {
    test::MemoryFileSystem mem;
    mem.addFile("/home/u/film.mkv", std::string(50000, 'f'), 0640);
    mem.addFile("/home/u/album/p.jpg", "jpg");
    mem.setDevice("/media/usb", 9);
    mem.addFolder("/media/usb");
    z.fileSystem = &mem;
    EXPECT_EQ(call("do_file_rename /home/u/film.mkv:/media/usb/film.mkv"), "/media/usb/film.mkv");
    EXPECT_FALSE(mem.exists("/home/u/film.mkv"));
    EXPECT_EQ(mem.content("/media/usb/film.mkv"), std::string(50000, 'f'));
    EXPECT_EQ(mem.node("/media/usb/film.mkv")->mode, 0640u);
    EXPECT_EQ(call("do_file_rename /home/u/album:/media/usb/album"), "/media/usb/album");
    EXPECT_EQ(mem.pathsBelow("/home/u"), std::vector<std::string>{});
    EXPECT_EQ(mem.content("/media/usb/album/p.jpg"), "jpg");

    // A full stick: the source stays whole and nothing half-moved is left.
    mem.addFile("/home/u/big.iso", std::string(90000, 'i'));
    mem.diskFullAfter(10000);
    EXPECT_EQ(call("do_file_rename /home/u/big.iso:/media/usb/big.iso"), "");
    EXPECT_EQ(lastBox().substr(0, lastBox().find('\r')), "Error renaming file: /home/u/big.iso to /media/usb/big.iso");
    EXPECT_EQ(mem.content("/home/u/big.iso"), std::string(90000, 'i'));
    EXPECT_FALSE(mem.exists("/media/usb/big.iso"));
    EXPECT_EQ(mem.pathsBelow("/media/usb"), (std::vector<std::string>{"/media/usb/album", "/media/usb/album/p.jpg",
                                                                       "/media/usb/film.mkv"}));
}

TEST_F(FileCommands, MakedirIsFolderAndFileExists) {
    EXPECT_EQ(call("do_makedir " + root + "made"), root + "made");
    EXPECT_TRUE(stdfs::is_directory(root + "made"));
    EXPECT_EQ(call("do_makedir " + root + "made"), "false");
    EXPECT_EQ(call("do_makedir " + root + "src/tree/one.txt"), "false");
    EXPECT_EQ(call("do_makedir " + root + "no/such/parent"), "false");
    EXPECT_NE(printed().find("ERROR in do_makedir"), std::string::npos);

    EXPECT_EQ(call("do_is_folder " + root + "made"), root + "made/");
    EXPECT_EQ(call("do_is_folder " + root + "made/"), root + "made/");
    EXPECT_EQ(call("do_is_folder " + root + "src/tree/one.txt"), "false");
    EXPECT_EQ(call("do_is_folder " + root + "nothing"), "false");

    EXPECT_EQ(call("file.exists " + root + "src/tree/one.txt"), "1");
    EXPECT_EQ(call("file.exists " + root + "src/tree"), "0");
    EXPECT_EQ(call("file.exists " + root + "nothing"), "0");
    // Relative to the program's folder.
    EXPECT_EQ(call("file.exists src/tree/one.txt"), "1");
}

TEST_F(FileCommands, HostileNamesAreCopiedToExactlyThatName) {
    const std::vector<std::string> names = {"it's \"quoted\" name.txt", "(paren) [x].txt", "a:[b", "-leading", "new\nline"};
    for (const std::string& name : names) {
        write(root + "src/" + name, "bytes of " + name);
        const std::string result = call("do_file_copy \"" + root + "src/" + name + "\" \"" + root + "dst\"");
        EXPECT_EQ(result, "") << name << ": " << lastBox();
        EXPECT_EQ(slurp(root + "dst/" + name), "bytes of " + name) << name;
    }
    EXPECT_EQ(std::distance(stdfs::directory_iterator(root + "dst"), stdfs::directory_iterator()),
              static_cast<long>(names.size()));
}

// A file system whose copies wait at their first temporary file until the test lets
// them go, so a stop request can be made to land in the middle of a copy.
class GatedFileSystem : public test::MemoryFileSystem {
public:
    std::atomic<bool> released{false};
    FsResult<std::unique_ptr<OpenFile>> open(const std::string& path, OpenMode mode, unsigned permissions) override {
        while (mode == OpenMode::CreateNew && !released.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return MemoryFileSystem::open(path, mode, permissions);
    }
};

TEST_F(FileCommands, StopRequestDuringACopyCancelsItAndLeavesNoPartialFile) {
    GatedFileSystem mem;
    mem.addFile("/src/big.bin", std::string(3000000, 'b'));
    mem.addFolder("/dst");
    z.fileSystem = &mem;
    fp.pump.onPump = [&] {
        // First pump: the stop button; second: the copy may go on, and must see the stop.
        if (z.run.stopRequest) mem.released = true;
        z.run.stopRequest = true;
    };
    EXPECT_EQ(call("do_file_copy \"/src/big.bin\" \"/dst\""), " 1223");
    EXPECT_TRUE(z.run.stopRequest);
    EXPECT_EQ(mem.pathsBelow("/dst"), std::vector<std::string>{});
    EXPECT_EQ(mem.content("/src/big.bin"), std::string(3000000, 'b'));
    EXPECT_GE(fp.pump.pumps, 2);
}

TEST(CopyArguments, SplitQuotedAndPlainForms) {
    test::MemoryFileSystem mem;
    mem.addFile("/a \"b\" c", "x");
    std::string s, t;
    ASSERT_TRUE(splitCopyArguments(mem, "  \"/x y\"\t\"/z w\"  ", s, t));
    EXPECT_EQ(s, "/x y");
    EXPECT_EQ(t, "/z w");
    ASSERT_TRUE(splitCopyArguments(mem, "\"/a \"b\" c\" \"/dst\"", s, t));
    EXPECT_EQ(s, "/a \"b\" c");
    EXPECT_EQ(t, "/dst");
    ASSERT_TRUE(splitCopyArguments(mem, "/plain /to", s, t));
    EXPECT_EQ(s, "/plain");
    EXPECT_EQ(t, "/to");
    EXPECT_FALSE(splitCopyArguments(mem, "\"/only\"", s, t));
    EXPECT_FALSE(splitCopyArguments(mem, "", s, t));
}

}  // namespace
