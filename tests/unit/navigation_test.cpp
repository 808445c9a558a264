// Moving a pane around a file system held in memory: up to the parent with the folder left
// selected, the drives view above "/", archives, and a typed path that leads nowhere or
// into a folder the user may not read.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/listing.h"
#include "panes/navigation.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"

namespace zerin {
namespace {

using test::MemoryFileSystem;

class Navigation : public ::testing::Test {
protected:
    Navigation() {
        z.fileSystem = &fs;
        fs.mountTable = {{"/", "ext4", "/dev/sda1"}, {"/run/media/ann/USB", "vfat", "/dev/sdb1"}};
        fs.addFolder("/music/jazz");
        fs.addFolder("/music/rock/old");
        fs.addFile("/music/rock/song.ogg", "la la");
        fs.addFile("/music/notes.txt", "notes");
        fs.addFile("/music/best.zip", "PK");
        fs.addFolder("/data/Work:x");
        fs.addFile("/data/Work:x/plan.odt", "plan");
    }

    void show(const std::string& path) {
        z.panes.setPath(0, path);
        listUpdate(z, 0);
        ASSERT_EQ(z.panes.path(0), path);
    }
    std::vector<std::string> tags() const {
        std::vector<std::string> out;
        for (const ListItem& item : z.panes.list(0).items()) out.push_back(item.tag);
        return out;
    }
    std::vector<std::string> selected() const {
        std::vector<std::string> out;
        for (const ListItem& item : z.panes.list(0).items())
            if (item.selected) out.push_back(item.tag);
        return out;
    }
    int row(const std::string& tag) const {
        const auto& items = z.panes.list(0).items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].tag == tag) return static_cast<int>(i);
        ADD_FAILURE() << tag << " is not listed";
        return -1;
    }
    const std::vector<test::FakeDialogs::Shown>& shown() const { return fp.dialogs.shown; }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    MemoryFileSystem fs;
};

TEST_F(Navigation, UpSelectsTheFolderLeftAllTheWayToTheDrives) {
    show("/music/rock/");
    ASSERT_TRUE(goToParent(z, 0));
    EXPECT_EQ(z.panes.path(0), "/music/");
    EXPECT_EQ(tags(), (std::vector<std::string>{"/music/jazz/", "/music/rock/", "/music/best.zip", "/music/notes.txt"}));
    EXPECT_EQ(selected(), std::vector<std::string>{"/music/rock/"});
    EXPECT_TRUE(z.panes.controls(0).parentEnabled);

    ASSERT_TRUE(goToParent(z, 0));
    EXPECT_EQ(z.panes.path(0), "/");
    EXPECT_EQ(selected(), std::vector<std::string>{"/music/"});

    // Above "/" lie the drives, with "/" selected and nothing further up.
    ASSERT_TRUE(goToParent(z, 0));
    EXPECT_EQ(z.panes.path(0), paneMessage::kDrives);
    EXPECT_EQ(tags(), (std::vector<std::string>{"/", "/run/media/ann/USB/"}));
    EXPECT_EQ(selected(), std::vector<std::string>{"/"});
    EXPECT_FALSE(z.panes.controls(0).parentEnabled);
    EXPECT_FALSE(goToParent(z, 0));
    EXPECT_EQ(z.panes.path(0), paneMessage::kDrives);
    EXPECT_TRUE(shown().empty());
}

TEST_F(Navigation, OpeningADriveAndAFolderEntersThem) {
    show(std::string(paneMessage::kDrives));
    ASSERT_TRUE(openItem(z, 0, row("/")));
    EXPECT_EQ(z.panes.path(0), "/");
    EXPECT_TRUE(z.panes.controls(0).parentEnabled);
    ASSERT_TRUE(openItem(z, 0, row("/music/")));
    ASSERT_TRUE(openItem(z, 0, row("/music/rock/")));
    EXPECT_EQ(z.panes.path(0), "/music/rock/");
    EXPECT_EQ(tags(), (std::vector<std::string>{"/music/rock/old/", "/music/rock/song.ogg"}));
    // Opened rows out of range change nothing; a plain file (not text) without a desktop
    // to open it leaves the pane and says why, once.
    EXPECT_FALSE(openItem(z, 0, 99));
    EXPECT_FALSE(openItem(z, 0, -1));
    EXPECT_TRUE(shown().empty());
    EXPECT_FALSE(openItem(z, 0, row("/music/rock/song.ogg")));
    EXPECT_EQ(z.panes.path(0), "/music/rock/");
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text.substr(0, shown()[0].text.find('\n')), "No application is associated with this file type.");
}

TEST_F(Navigation, UpFromAnArchiveReturnsToItsFolderWithTheArchiveSelected) {
    std::vector<std::string> read;
    z.panes.archiveReader = [&](const std::string& archive, PaneListing& out) {
        read.push_back(archive);
        ListingEntry entry;
        entry.path = archive + "/inside.txt";
        entry.size = 12;
        out.addFile(std::move(entry));
        return FsStatus::ok();
    };
    show("/music/");
    ASSERT_TRUE(openItem(z, 0, row("/music/best.zip")));
    EXPECT_EQ(z.panes.path(0), "/music/best.zip");
    EXPECT_EQ(tags(), std::vector<std::string>{"/music/best.zip/inside.txt"});
    EXPECT_EQ(read, std::vector<std::string>{"/music/best.zip"});

    ASSERT_TRUE(goToParent(z, 0));
    EXPECT_EQ(z.panes.path(0), "/music/");
    EXPECT_FALSE(z.panes.listing(0).archive);
    EXPECT_EQ(selected(), std::vector<std::string>{"/music/best.zip"});
}

TEST_F(Navigation, AnArchiveThatCannotBeReadStaysInItsFolderAndSaysWhy) {
    z.panes.archiveReader = [](const std::string&, PaneListing&) { return FsStatus::fromErrno(EIO); };
    show("/music/");
    EXPECT_FALSE(openItem(z, 0, row("/music/best.zip")));
    EXPECT_EQ(z.panes.path(0), "/music/");
    EXPECT_EQ(tags().size(), 4u);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_NE(shown()[0].text.find(std::strerror(EIO)), std::string::npos);
    EXPECT_NE(shown()[0].text.find("/music/best.zip"), std::string::npos);
}

TEST_F(Navigation, ATypedFolderIsEnteredWhateverItsName) {
    show("/music/");
    ASSERT_TRUE(openTypedFolder(z, 0, "  /music/rock  "));
    EXPECT_EQ(z.panes.path(0), "/music/rock/");
    // A ":" inside a folder name makes no path-group view of it.
    ASSERT_TRUE(openTypedFolder(z, 0, "/data/Work:x"));
    EXPECT_EQ(z.panes.path(0), "/data/Work:x/");
    EXPECT_EQ(tags(), std::vector<std::string>{"/data/Work:x/plan.odt"});
    EXPECT_TRUE(shown().empty());
}

TEST_F(Navigation, ATypedFolderThatIsNotThereSaysSoAndKeepsTheListing) {
    show("/music/");
    const auto before = tags();
    for (const char* typed : {"/music/pop", "/music/notes.txt"}) {
        EXPECT_FALSE(openTypedFolder(z, 0, typed));
        EXPECT_EQ(z.panes.path(0), "/music/");
        EXPECT_EQ(tags(), before);
        EXPECT_EQ(z.panes.controls(0).pathText, "/music/") << "the path box shows the pane path again";
    }
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].text, std::string(paneMessage::kDirectoryMissing) + "\n\"/music/pop/\"");
    EXPECT_EQ(shown()[1].text, std::string(paneMessage::kDirectoryMissing) + "\n\"/music/notes.txt/\"");
}

TEST_F(Navigation, AFolderTheUserMayNotReadIsNotCalledMissing) {
    fs.denyAccess("/music/rock");
    show("/music/");
    const auto before = tags();

    EXPECT_FALSE(openTypedFolder(z, 0, "/music/rock/"));
    EXPECT_FALSE(openItem(z, 0, row("/music/rock/")));
    for (const auto& message : shown()) {
        EXPECT_EQ(message.text.find(paneMessage::kDirectoryMissing), std::string::npos) << message.text;
        EXPECT_NE(message.text.find(std::strerror(EACCES)), std::string::npos) << message.text;
        EXPECT_NE(message.text.find("/music/rock/"), std::string::npos) << message.text;
    }
    EXPECT_EQ(shown().size(), 2u);
    // The pane stays where it was, on the folder the user tried.
    EXPECT_EQ(z.panes.path(0), "/music/");
    EXPECT_EQ(tags(), before);
    EXPECT_EQ(selected(), std::vector<std::string>{"/music/rock/"});
}

TEST_F(Navigation, AFolderThatVanishedBeforeItWasEnteredLeadsToTheDrives) {
    show("/music/");
    ASSERT_TRUE(fs.removeFolder("/music/jazz"));
    openItem(z, 0, row("/music/jazz/"));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, std::string(paneMessage::kDirectoryMissing) + "\n\"/music/jazz/\"");
    EXPECT_EQ(z.panes.path(0), paneMessage::kDrives);
}

TEST_F(Navigation, TextsThatAreNoFolderPathAreNotGoneTo) {
    show("/music/");
    for (const char* typed : {"", "   ", "Work:x", "music/rock", "Drives", "holiday photos"}) {
        EXPECT_FALSE(openTypedFolder(z, 0, typed)) << typed;
        EXPECT_EQ(z.panes.path(0), "/music/") << typed;
    }
    EXPECT_TRUE(shown().empty());
}

struct LocationCase {
    const char* text;
    PaneKind kind;
    const char* folder;
    const char* archive;
    const char* group;
};

TEST(PaneLocation, EachPanePathTextHasOneMeaning) {
    const LocationCase cases[] = {
        {"/", PaneKind::Folder, "/", "", ""},
        {"/music/rock", PaneKind::Folder, "/music/rock/", "", ""},
        {"/data/Work:x/", PaneKind::Folder, "/data/Work:x/", "", ""},
        {"/data/Projects:", PaneKind::Folder, "/data/Projects:/", "", ""},
        {"/music/best.zip", PaneKind::Archive, "/music/", "/music/best.zip", ""},
        {"/a/B.TAR.GZ", PaneKind::Archive, "/a/", "/a/B.TAR.GZ", ""},
        {"/a/old.rar/", PaneKind::Folder, "/a/old.rar/", "", ""},
        {"/a/.zip", PaneKind::Folder, "/a/.zip/", "", ""},
        {"Drives", PaneKind::Drives, "", "", ""},
        {"drives", PaneKind::Drives, "", "", ""},
        {"Text List", PaneKind::TextList, "", "", ""},
        {"SCRIPTS", PaneKind::Scripts, "", "", ""},
        {"Projects:", PaneKind::PathGroup, "", "", "Projects"},
        {"Work:x", PaneKind::PathGroup, "", "", "Work"},
        {"holiday photos", PaneKind::SearchResults, "", "", ""},
    };
    for (const LocationCase& c : cases) {
        const PaneLocation at = PaneLocation::parse(c.text);
        EXPECT_EQ(at.kind, c.kind) << c.text;
        EXPECT_EQ(at.folder, c.folder) << c.text;
        EXPECT_EQ(at.archive, c.archive) << c.text;
        EXPECT_EQ(at.group, c.group) << c.text;
    }
    EXPECT_EQ(PaneLocation::parse("holiday photos").search, "holiday photos");
}

TEST(PaneLocation, ParentFolders) {
    EXPECT_EQ(parentFolder("/music/rock/"), "/music/");
    EXPECT_EQ(parentFolder("/music/rock"), "/music/");
    EXPECT_EQ(parentFolder("/music/"), "/");
    EXPECT_EQ(parentFolder("/"), "");
    EXPECT_EQ(parentFolder("music/rock/"), "");
}

}  // namespace
}  // namespace zerin
