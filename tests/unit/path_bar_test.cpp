// The path bar over a file system in memory: which buttons the groups give, opening and
// closing a group, a path button's folder in the source pane, a group dropped on a pane
// merging its folders, and folders dropped on the bar.
#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"
#include "panes/path_bar.h"

namespace zerin {
namespace {

class PathBar : public ::testing::Test {
protected:
    PathBar() {
        z.fileSystem = &fs;
        z.settings.textLog = true;
        registerAllCommands(z);
        fs.mountTable = {{"/", "ext4", "/dev/sda1"}};
        fs.addFile("/home/ann/docs/plan.odt", "p");
        fs.addFile("/home/ann/todo.txt", "x");
        fs.addFolder("/work/zerin/src");
        fs.addFile("/work/zerin/README.md", "r");
        fs.addFolder("/srv/www");
        fs.addFile("/srv/index.html", "i");
        fs.addFolder("/tmp");
        PathGroups& g = z.pathGroups;
        g.addPath(0, {"Home", "/home/ann/"});
        g.addGroup("Projects");
        g.addPath(1, {"Zerin", "/work/zerin/"});
        g.addPath(1, {"Web", "/srv/"});
        g.addPath(1, {"Docs", "/home/ann/docs/"});
        g.addGroup("Closed");
        g.addPath(2, {"Tmp", "/tmp/"});
        z.panes.setPath(0, "/tmp/");
        z.panes.setPath(1, "/tmp/");
        listUpdate(z, 0);
        listUpdate(z, 1);
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const PathBarButton& b : pathBarButtons(z.pathGroups)) out.push_back(b.caption);
        return out;
    }
    std::vector<std::string> tags(int pane) const {
        std::vector<std::string> out;
        for (const ListItem& item : z.panes.list(pane).items()) out.push_back(item.tag);
        return out;
    }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    test::MemoryFileSystem fs;
};

TEST_F(PathBar, GroupZeroFirstThenEachGroupWithThePathsOfTheOpenOnes) {
    EXPECT_EQ(captions(), (std::vector<std::string>{"Home", "Projects", "Closed"}));
    z.pathGroups.group(1).open = true;
    const auto buttons = pathBarButtons(z.pathGroups);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Home", "Projects >", "Zerin", "Web", "Docs", "Closed"}));
    EXPECT_EQ(buttons[1].tag, "GROUP:1");
    EXPECT_TRUE(buttons[1].isGroup && buttons[1].open);
    EXPECT_EQ(buttons[3].tag, "1:1\\/srv/");
    EXPECT_EQ(tagTarget(buttons[3].tag), "/srv/");
    // A folder whose name holds a backslash keeps it: only the tag's first one separates.
    EXPECT_EQ(tagTarget(pathButtonTag(0, 2, "/a\\b/")), "/a\\b/");
}

TEST_F(PathBar, TwoClicksOnAGroupButtonLeaveTheBarAsItWas) {
    const auto before = captions();
    EXPECT_TRUE(clickPathButton(z, "GROUP:2"));
    EXPECT_EQ(captions(), (std::vector<std::string>{"Home", "Projects", "Closed >", "Tmp"}));
    EXPECT_TRUE(clickPathButton(z, "GROUP:2"));
    EXPECT_EQ(captions(), before);
    // A group that does not exist changes nothing.
    EXPECT_FALSE(clickPathButton(z, "GROUP:7"));
    EXPECT_EQ(captions(), before);
}

TEST_F(PathBar, APathButtonShowsItsFolderInTheSourcePane) {
    z.panes.setSourcePane(1);
    EXPECT_FALSE(clickPathButton(z, "1:0\\/work/zerin/"));
    EXPECT_EQ(z.panes.path(1), "/work/zerin/");
    EXPECT_EQ(tags(1), (std::vector<std::string>{"/work/zerin/src/", "/work/zerin/README.md"}));
    EXPECT_EQ(z.panes.path(0), "/tmp/");
    // A saved folder that is gone says so, and the pane keeps its listing.
    clickPathButton(z, "0:3\\/gone/");
    EXPECT_EQ(z.panes.path(1), "/work/zerin/");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_NE(fp.dialogs.shown[0].text.find("/gone/"), std::string::npos);
}

TEST_F(PathBar, AGroupOfThreeFoldersDroppedOnAPaneListsAllThree) {
    EXPECT_TRUE(dropOnPane(z, 1, "Paths:GROUP:1"));
    EXPECT_EQ(z.panes.path(1), "Projects:");
    // The folders of all three first, each folder's in reading order, then the files.
    EXPECT_EQ(tags(1), (std::vector<std::string>{"/work/zerin/src/", "/srv/www/", "/work/zerin/README.md",
                                                 "/srv/index.html", "/home/ann/docs/plan.odt"}));
    for (const char* folder : {"/work/zerin/", "/srv/", "/home/ann/docs/"})
        EXPECT_NE(z.txtDebug.text().find(std::string(paneMessage::kReading) + folder), std::string::npos) << folder;
    EXPECT_FALSE(z.panes.controls(1).parentEnabled);
    EXPECT_TRUE(z.dragText.empty());
}

TEST_F(PathBar, DropsOnAPaneByWhatIsDragged) {
    EXPECT_TRUE(dropOnPane(z, 0, "Paths:0:0\\/home/ann/"));
    EXPECT_EQ(z.panes.path(0), "/home/ann/");
    EXPECT_TRUE(dropOnPane(z, 0, "ModeCommand:#name=Go\r\n#PATH=/srv/\r\nprint 1"));
    EXPECT_EQ(z.panes.path(0), "/srv/");
    EXPECT_TRUE(dropOnPane(z, 0, "/work/zerin/"));
    EXPECT_EQ(z.panes.path(0), "/work/zerin/");
    EXPECT_TRUE(dropOnPane(z, 0, "Drives"));
    EXPECT_EQ(z.panes.path(0), "Drives");
    EXPECT_EQ(tags(0), (std::vector<std::string>{"/"}));
    // A dragged word is neither a search nor a group, and a command without a folder
    // leaves the pane alone.
    EXPECT_FALSE(dropOnPane(z, 0, "holiday photos"));
    EXPECT_FALSE(dropOnPane(z, 0, "ModeCommand:#name=Copy\r\ncopy"));
    EXPECT_FALSE(dropOnPane(z, 0, "Paths:GROUP:9"));
    EXPECT_EQ(z.panes.path(0), "Drives");
}

TEST_F(PathBar, AFolderDroppedOnTheBarJoinsTheGroupUntilItIsFull) {
    EXPECT_EQ(currentPathGroup(z.pathGroups), 0);
    z.pathGroups.group(1).open = true;
    EXPECT_EQ(currentPathGroup(z.pathGroups), 1);
    EXPECT_TRUE(dropOnPathBar(z.pathGroups, 2, "/music/rock/"));
    EXPECT_TRUE(z.pathGroups.group(2).open);
    EXPECT_EQ(z.pathGroups.group(2).paths.back().caption, "rock");
    EXPECT_EQ(z.pathGroups.group(2).paths.back().target, "/music/rock/");
    EXPECT_EQ(captions().back(), "rock");
    EXPECT_TRUE(dropOnPathBar(z.pathGroups, 0, "/"));
    EXPECT_EQ(z.pathGroups.group(0).paths.back().caption, "/");
    // Not folders: a path button, a command, a file, a view word.
    for (const char* text : {"Paths:1:0\\/work/zerin/", "ModeCommand:x", "/home/ann/todo.txt", "Drives"})
        EXPECT_FALSE(dropOnPathBar(z.pathGroups, 0, text)) << text;
    while (z.pathGroups.group(0).paths.size() < PathGroups::kMaxPaths) dropOnPathBar(z.pathGroups, 0, "/tmp/");
    EXPECT_FALSE(dropOnPathBar(z.pathGroups, 0, "/srv/"));
    EXPECT_EQ(z.pathGroups.group(0).paths.size(), PathGroups::kMaxPaths);
    EXPECT_FALSE(dropOnPathBar(z.pathGroups, 5, "/srv/"));
}

}  // namespace
}  // namespace zerin
