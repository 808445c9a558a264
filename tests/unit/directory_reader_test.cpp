#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "pane_fixture.h"
#include "panes/directory_reader.h"
#include "panes/pane_messages.h"

using namespace zerin;

namespace {

class DirectoryReader : public test::PaneFixture {
protected:
    void SetUp() override {
        tmp.file("a/one.bin", 100);
        tmp.file("a/sub/two.bin", 50);
        tmp.folder("b");
        tmp.file("f.txt", 10);
        z.panes.setPath(0, tmp.path());
    }
    const ListingEntry* folder(const std::string& name) {
        for (const auto& e : z.panes.listing(0).folders())
            if (e.path == tmp.path() + name) return &e;
        return nullptr;
    }
    const ListItem* item(const std::string& text) {
        for (const auto& i : z.panes.list(0).items())
            if (i.text == text) return &i;
        return nullptr;
    }
};

}  // namespace

TEST_F(DirectoryReader, DoDirsizeSizesAreCarriedOverByLaterReads) {
    call("do_dirsize");
    ASSERT_NE(folder("a"), nullptr);
    EXPECT_EQ(folder("a")->size, 150);
    EXPECT_EQ(folder("b")->size, 0);
    EXPECT_FALSE(z.settings.folderSizes);
    EXPECT_EQ(item("b")->subItems[0].text, "(Dir)");
    EXPECT_EQ(item("a")->subItems[0].text, " 150 B");
    EXPECT_EQ(item("a")->tag, tmp.path() + "a/");
    EXPECT_EQ(item("f.txt")->subItems[0].tag, "10");

    // Two more reads with folder sizes off keep the measured size.
    call("do_dir");
    call("do_dir");
    EXPECT_EQ(folder("a")->size, 150);
    call("do_list_update 0");
    EXPECT_EQ(folder("a")->size, 150);

    // Renamed outside the program: matching is by full path, so the size is gone.
    std::filesystem::rename(tmp.path() + "a", tmp.path() + "c");
    call("do_dir");
    EXPECT_EQ(folder("a"), nullptr);
    EXPECT_EQ(folder("c")->size, 0);
}

TEST_F(DirectoryReader, ReadingUsesTheCacheUntilTheDiskIsReadAgain) {
    call("do_list_update");
    EXPECT_EQ(z.panes.listing(0).files().size(), 1u);
    tmp.file("new.txt", 3);
    call("do_list_update");  // shown again from the cache
    EXPECT_EQ(z.panes.listing(0).files().size(), 1u);
    call("do_dir");
    EXPECT_EQ(z.panes.listing(0).files().size(), 2u);
    EXPECT_EQ(z.panes.controls(0).pathText, tmp.path());
}

TEST_F(DirectoryReader, DoDirWithAPaneNumberReadsThatPaneAndKeepsItsFolderSizes) {
    z.panes.setPath(1, tmp.path());
    call("do_dirsize");  // pane 0, the source, measures "a"
    call("do_list_update 1");
    tmp.file("new.txt", 3);
    call("do_list_update 1");
    EXPECT_EQ(z.panes.listing(1).files().size(), 1u);
    call("do_dir 1");  // the target pane, as after a copy into it
    EXPECT_EQ(z.panes.listing(1).files().size(), 2u);
    EXPECT_EQ(z.panes.listing(0).files().size(), 1u);  // the source pane is left as it was
    for (const auto& e : z.panes.listing(1).folders())
        if (e.path == tmp.path() + "a") EXPECT_EQ(e.size, 150);
    // No folder to read in another view, and no third pane.
    z.panes.setPath(1, "Drives");
    call("do_dir 1");
    EXPECT_EQ(z.panes.path(1), "Drives");
    call("do_dir 7");
    EXPECT_EQ(z.panes.listing(0).files().size(), 1u);
}

TEST_F(DirectoryReader, MissingFolderShowsTheMessageAndTheDrives) {
    fs.mountTable = {{"/", "ext4", "/dev/sda1"}};
    const std::string missing = tmp.path() + "gone/";
    z.panes.setPath(0, missing);
    call("do_list_update 0");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Directory does not exist!\n\"" + missing + "\"");
    EXPECT_EQ(z.panes.path(0), "Drives");
    ASSERT_EQ(z.panes.list(0).items().size(), 1u);
    EXPECT_EQ(z.panes.list(0).items()[0].tag, "/");
    EXPECT_FALSE(z.panes.controls(0).parentEnabled);
}

TEST_F(DirectoryReader, DamagedCacheTextShowsTheMessageAndKeepsEntries) {
    z.panes.cache.add(tmp.path(), tmp.path() + "\r\n5,x.txt\r\n0,sub/\r\n7,y.txt");
    call("do_list_update 0");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "no newline");
    EXPECT_EQ(z.panes.list(0).items().size(), 2u);
}

TEST_F(DirectoryReader, FolderWithMoreThanTheTablesSaysSoAndKeepsTheWholeTextCached) {
    const std::string big = tmp.path() + "big/";
    std::string text = big + "\r\n";
    for (int i = 0; i < 10003; ++i) text += "1,f" + std::to_string(i) + "\r\n";
    z.panes.cache.add(big, text);
    z.panes.setPath(0, big);
    call("do_list_update 0");
    EXPECT_EQ(z.panes.listing(0).files().size(), PaneListing::kMaxEntries);
    EXPECT_EQ(z.panes.list(0).items().size(), PaneListing::kMaxEntries);
    EXPECT_NE(z.panes.controls(0).pathText.find("[2 entries not shown]"), std::string::npos);
    EXPECT_EQ(*z.panes.cache.find(big), text);
}

TEST_F(DirectoryReader, WalkDoesNotFollowLinksAndCountsWhatItCanRead) {
    std::filesystem::create_directory_symlink(tmp.path(), tmp.path() + "a/loop");
    std::filesystem::create_symlink(tmp.path() + "f.txt", tmp.path() + "a/link.txt");
    tmp.file("a/locked/hidden.bin", 1000);
    std::filesystem::permissions(tmp.path() + "a/locked", std::filesystem::perms::none);
    call("do_dirsize");
    if (::geteuid() == 0)
        EXPECT_EQ(folder("a")->size, 1150);  // the superuser reads everything
    else
        EXPECT_EQ(folder("a")->size, 150);
}

TEST_F(DirectoryReader, StopRequestCancelsTheWalk) {
    z.run.stopRequest = true;
    call("do_dirsize");
    // cancelled walks leave sizes uncomputed but the listing is still read
    ASSERT_NE(folder("a"), nullptr);
    EXPECT_EQ(z.panes.listing(0).files().size(), 1u);
}

TEST_F(DirectoryReader, ScanFolderStoresChildrenBeforeTheirParents) {
    call("do_scanfolder " + tmp.path());
    std::vector<std::string> keys;
    for (const auto& [key, text] : z.panes.cache.entries()) keys.push_back(key);
    const std::vector<std::string> expected = {tmp.path() + "a/sub/", tmp.path() + "a/", tmp.path() + "b/",
                                               tmp.path()};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(*z.panes.cache.find(tmp.path() + "a/"), tmp.path() + "a/\r\n100,one.bin\r\n0,sub/\r\n");
}

TEST_F(DirectoryReader, ScanSelectedKeepsSizesPrintsAndSavesTheDatabase) {
    call("do_dirsize");  // root listing with a = 150
    // the old listing of a/ knows sub/'s size
    z.panes.cache.add(tmp.path() + "a/", tmp.path() + "a/\r\n50,sub/\r\n");
    for (auto& i : z.panes.list(0).mutableItems()) i.selected = i.text == "a";
    call("do_scanselected");
    EXPECT_NE(printed().find("Scanning folder: " + tmp.path() + "a/\r\n"), std::string::npos);
    EXPECT_NE(printed().find("Database saved - "), std::string::npos);
    EXPECT_EQ(*z.panes.cache.find(tmp.path() + "a/"), tmp.path() + "a/\r\n100,one.bin\r\n50,sub/\r\n");
    EXPECT_TRUE(std::filesystem::exists(tmp.path() + "Zerin_Cache.ini"));
}

TEST_F(DirectoryReader, DirListsQuotedNamesOrSaysEmpty) {
    EXPECT_EQ(call("dir$ \"" + tmp.path() + "a\""), "\"one.bin\" \"sub\" ");
    EXPECT_EQ(call("dir$ " + tmp.path() + "b"), "");
    EXPECT_NE(printed().find("Empty\r\n"), std::string::npos);
}

TEST_F(DirectoryReader, WalkGivesEachRootItsOwnTotalWithOneOrTwoThreads) {
    for (int i = 0; i < 30; ++i) tmp.file("deep/l1/l2/f" + std::to_string(i), static_cast<std::size_t>(i));
    const std::vector<std::string> roots = {tmp.path() + "a", tmp.path() + "deep", tmp.path() + "b",
                                            tmp.path() + "missing"};
    for (int threads : {1, 2}) {
        WalkControl control;
        const auto sizes = fs.folderSizes(roots, control, threads);
        EXPECT_EQ(sizes, (std::vector<std::int64_t>{150, 435, 0, 0})) << threads;
        EXPECT_EQ(control.files.load(), 32);
    }
    WalkControl cancelled;
    cancelled.cancel = true;
    EXPECT_EQ(fs.folderSizes(roots, cancelled, 2), (std::vector<std::int64_t>{0, 0, 0, 0}));
}
