// Renaming by editing an item's label, and panes that show a folder after a file
// operation changed it: the new name is there, a rename never replaces, a name with "/"
// is refused, the drives view says the volume cannot be renamed, and a copy into a folder
// a pane shows appears in it with the selection kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pane_fixture.h"
#include "panes/label_edit.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "panes/pane_refresh.h"

using namespace zerin;
namespace stdfs = std::filesystem;

namespace {

class LabelEdit : public test::PaneFixture {
protected:
    void SetUp() override {
        tmp.file("a.txt", 3);
        tmp.file("b.txt", 4);
        tmp.folder("sub");
        show(tmp.path());
    }
    void show(const std::string& path) {
        z.panes.setPath(0, path);
        listUpdate(z, 0);
    }
    int row(const std::string& tag) {
        const auto& items = z.panes.list(0).items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].tag == tag) return static_cast<int>(i);
        return -1;
    }
    std::string root() const { return tmp.path(); }
};

}  // namespace

TEST_F(LabelEdit, ANewNameRenamesAndThePaneShowsIt) {
    ASSERT_GE(row(root() + "a.txt"), 0);
    EXPECT_EQ(labelEditText(z, 0, row(root() + "sub/")), "sub");
    EXPECT_TRUE(renameByLabel(z, 0, row(root() + "a.txt"), "renamed (1).txt"));
    EXPECT_TRUE(stdfs::exists(root() + "renamed (1).txt"));
    EXPECT_FALSE(stdfs::exists(root() + "a.txt"));
    EXPECT_GE(row(root() + "renamed (1).txt"), 0);
    EXPECT_LT(row(root() + "a.txt"), 0);
    EXPECT_TRUE(renameByLabel(z, 0, row(root() + "sub/"), "folder"));
    EXPECT_GE(row(root() + "folder/"), 0);
    EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(LabelEdit, ARenameNeverReplacesNorMovesElsewhere) {
    EXPECT_FALSE(renameByLabel(z, 0, row(root() + "b.txt"), "renamed.txt/../../x"));
    EXPECT_FALSE(renameByLabel(z, 0, row(root() + "b.txt"), ".."));
    tmp.file("taken.txt", 9);
    EXPECT_FALSE(renameByLabel(z, 0, row(root() + "b.txt"), "taken.txt"));
    EXPECT_EQ(stdfs::file_size(root() + "taken.txt"), 9u);
    EXPECT_EQ(stdfs::file_size(root() + "b.txt"), 4u);
    ASSERT_EQ(fp.dialogs.shown.size(), 3u);
    EXPECT_EQ(fp.dialogs.shown[2].text.rfind("Error Renaming \"b.txt\" as \"taken.txt\"", 0), 0u);
    // The same name or an empty one changes nothing and says nothing.
    EXPECT_FALSE(renameByLabel(z, 0, row(root() + "b.txt"), "b.txt"));
    EXPECT_FALSE(renameByLabel(z, 0, row(root() + "b.txt"), ""));
    EXPECT_EQ(fp.dialogs.shown.size(), 3u);

    fs.mountTable = {{"/", "ext4", "/dev/sda1"}};
    show(std::string(paneMessage::kDrives));
    ASSERT_FALSE(z.panes.list(0).items().empty());
    EXPECT_FALSE(renameByLabel(z, 0, 0, "Backup"));
    EXPECT_EQ(fp.dialogs.shown.back().text, "Error Renaming Volume as \"Backup\"");
}

TEST_F(LabelEdit, ACopyIntoAShownFolderAppearsThereWithTheSelectionKept) {
    z.panes.list(0).mutableItems()[static_cast<std::size_t>(row(root() + "b.txt"))].selected = true;
    tmp.file("elsewhere/new.txt", 5);
    tmp.folder("elsewhere/deeper");
    // A cached listing of a folder not on screen is dropped so it is read again.
    z.panes.cache.put(root() + "elsewhere/deeper/", root() + "elsewhere/deeper/\r\n");
    EXPECT_EQ(call("do_file_copy \"" + root() + "elsewhere/new.txt\" \"" + root() + "\""), "");
    ASSERT_GE(row(root() + "new.txt"), 0);
    EXPECT_TRUE(z.panes.list(0).items()[static_cast<std::size_t>(row(root() + "b.txt"))].selected);
    EXPECT_EQ(call("do_makedir " + root() + "elsewhere/deeper/made"), root() + "elsewhere/deeper/made");
    EXPECT_EQ(z.panes.cache.find(root() + "elsewhere/deeper/"), nullptr);
    EXPECT_EQ(call("do_makedir " + root() + "made here"), root() + "made here");
    EXPECT_GE(row(root() + "made here/"), 0);
}
