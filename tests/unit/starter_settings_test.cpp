// The starter configuration: the user's folders filled in, and a file that the settings
// reader and writer give back byte for byte, with four modes and the keys bound.
#include <gtest/gtest.h>

#include "app/program.h"
#include "app/settings_file.h"
#include "app/starter_settings.h"
#include "fake_platform.h"
#include "modes/bar_builder.h"
#include "modes/command_runner.h"
#include "script/script_store.h"

using namespace zerin;

namespace {

TEST(StarterPlaces, UserDirsNameTheFoldersElseTheEnglishNames) {
    StarterPlaces p = starterPlaces("/home/ann/", "# comment\nXDG_DOWNLOAD_DIR=\"$HOME/Hämtat\"\n"
                                                  "XDG_PICTURES_DIR=\"/srv/Bilder/\"\nXDG_DOWNLOAD_DIRX=\"/no\"\n");
    EXPECT_EQ(p.home, "/home/ann");
    EXPECT_EQ(p.downloads, "/home/ann/Hämtat");
    EXPECT_EQ(p.pictures, "/srv/Bilder");
    p = starterPlaces("/home/ann", "XDG_DOWNLOAD_DIR=relative\nXDG_PICTURES_DIR=\"$HOME\"\n");
    EXPECT_EQ(p.downloads, "/home/ann/Downloads");
    EXPECT_EQ(p.pictures, "/home/ann");
    p = starterPlaces("", "");
    EXPECT_EQ(p.home, "/");
    EXPECT_EQ(p.downloads, "/Downloads");
}

struct StarterFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);
};

TEST_F(StarterFixture, TheFileSurvivesReadingAndWritingByteForByte) {
    for (const char* home : {"/home/ann", "/", "/home/a (1) \"q\""}) {
        Zerin fresh{fp.platform};
        registerAllCommands(fresh);
        const std::string text = starterSettingsText(starterPlaces(home, ""));
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
        EXPECT_EQ(text.find("@"), std::string::npos) << home;
        loadSettingsText(fresh, text);
        EXPECT_EQ(settingsText(fresh), text) << home;
        EXPECT_EQ(fresh.txtDebug.text(), "") << home;  // the on\load script ran without a word
    }
}

TEST_F(StarterFixture, FourModesBothPanesHomeAndTheFunctionKeysBound) {
    loadSettingsText(z, starterSettingsText(starterPlaces("/home/ann", "")));
    EXPECT_EQ(z.panes.path(0), "/home/ann/");
    EXPECT_EQ(z.panes.path(1), "/home/ann/");
    ASSERT_EQ(z.modeGroups.all().size(), 4u);
    EXPECT_EQ(*z.publicVars.find("list.icons"), "1");
    EXPECT_EQ(*z.publicVars.find("do.mode"), "dom_file");
    ASSERT_EQ(z.pathGroups.group(0).paths.size(), 4u);
    EXPECT_EQ(z.pathGroups.group(0).paths[1].target, "/home/ann/Downloads/");

    BarBuilder builder(z);
    builder.ModeCommandsLoad();
    const char* expected[] = {"F1 Help", nullptr, "F3 View", "F4 Edit", "F5 Copy", "F6 Move", "F7 New folder", "F8 Delete", "F9 Code"};
    for (int f = 1; f <= 9; ++f) {
        std::optional<int> index = z.bars.keys.buttonFor(111 + f, 0);
        if (!expected[f - 1]) {
            EXPECT_FALSE(index) << "F" << f;
            continue;
        }
        ASSERT_TRUE(index) << "F" << f;
        EXPECT_EQ(z.bars.top.find(*index)->caption, expected[f - 1]);
    }
    // Every mode has its Code and Help command, and no key clashes anywhere.
    for (const char* mode : {"files", "text", "images", "system"}) {
        z.publicVars.assign("do.mode.name", mode);
        if (!z.publicVars.indexed("do.mode.name")) z.publicVars.indexAppend("do.mode.name");
        builder.ModeCommandsLoad();
        EXPECT_TRUE(z.bars.keys.buttonFor(112, 0)) << mode;
        EXPECT_TRUE(z.bars.keys.buttonFor(49, 2)) << mode;  // Ctrl+1: the Files mode button
    }
    EXPECT_EQ(z.txtDebug.text(), "");
}

}  // namespace

#include "pane_fixture.h"
#include "modes/mode_script.h"
#include "panes/pane_refresh.h"
#include "script/interpreter.h"

namespace {

// The starter's file commands on several selected entries at once, on the disk.
class StarterOnDisk : public test::PaneFixture {
protected:
    void SetUp() override {
        loadSettingsText(z, starterSettingsText(starterPlaces(tmp.path(), "")));
        for (const char* n : {"a (1).txt", "x\" \"--y", "-rf", "[b] && c"}) tmp.file(std::string("src/") + n, 3);
        tmp.folder("src/dir (2)");
        tmp.folder("dst");
        z.panes.setPath(0, tmp.path() + "src/");
        z.panes.setPath(1, tmp.path() + "dst/");
        listUpdate(z, 0);
        listUpdate(z, 1);
    }
    void selectAll() {
        for (ListItem& item : z.panes.list(0).mutableItems()) item.selected = true;
    }
    void run(const std::string& key) {
        const StoredScript* script = z.scripts.findByLocationName(key);
        ASSERT_NE(script, nullptr) << key;
        z.txtBackCode.setText(withLinkedScript(script->text, z.scripts));
        z.interpreter.RunEditor("", &z.txtBackCode, "");
    }
    std::size_t shown(int pane) { return z.panes.list(pane).items().size(); }
};

TEST_F(StarterOnDisk, CopyAndMoveTakeEverySelectedEntryAndBothPanesShowTheResult) {
    selectAll();
    run("mode\\files\\menu\\f5 copy");
    for (const char* n : {"a (1).txt", "x\" \"--y", "-rf", "[b] && c", "dir (2)"})
        EXPECT_TRUE(std::filesystem::exists(tmp.path() + "dst/" + n)) << n << "\n" << z.txtDebug.text();
    EXPECT_EQ(shown(1), 5u);

    tmp.folder("moved");
    z.panes.setPath(1, tmp.path() + "moved/");
    listUpdate(z, 1);
    selectAll();
    run("mode\\files\\menu\\f6 move");
    EXPECT_EQ(shown(0), 0u);
    EXPECT_EQ(shown(1), 5u);
    EXPECT_TRUE(std::filesystem::is_directory(tmp.path() + "moved/dir (2)"));
    EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(StarterOnDisk, DeleteAsksAndHandsEveryNameToTheTrashAsOneArgument) {
    selectAll();
    fp.dialogs.answers = {MsgResult::Cancel};
    run("mode\\files\\menu\\f8 delete");
    EXPECT_TRUE(fp.processes.started.empty());

    fp.dialogs.answers = {MsgResult::Ok};
    run("mode\\files\\menu\\f8 delete");
    ASSERT_EQ(fp.processes.started.size(), 1u) << z.txtDebug.text();
    std::vector<std::string> expected = {"gio", "trash", "--"};
    for (const ListItem& item : z.panes.list(0).items()) {
        std::string path = item.tag;
        if (path.ends_with('/')) path.pop_back();
        expected.push_back(path);
    }
    EXPECT_EQ(fp.processes.started[0], expected);
    EXPECT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_TRUE(fp.dialogs.shown[1].text.starts_with("Move to the trash? "));
}

TEST_F(StarterOnDisk, NewFolderAndRenameTakeTheTypedNameAsItIs) {
    fp.dialogs.inputs = {std::string("new (3) [x]"), std::string("new (3) [x]")};
    run("mode\\files\\menu\\f7 new folder");
    EXPECT_TRUE(std::filesystem::is_directory(tmp.path() + "src/new (3) [x]"));
    run("mode\\files\\menu\\f7 new folder");  // there already: said so, nothing else
    EXPECT_TRUE(fp.dialogs.shown.back().text.starts_with("There is already something called new (3) [x]"));

    for (ListItem& item : z.panes.list(0).mutableItems()) item.selected = item.text == "-rf";
    fp.dialogs.inputs = {std::string("renamed (4).txt")};
    run("mode\\files\\menu\\rename");
    EXPECT_TRUE(std::filesystem::exists(tmp.path() + "src/renamed (4).txt"));
    EXPECT_FALSE(std::filesystem::exists(tmp.path() + "src/-rf"));
}

}  // namespace
