#include <gtest/gtest.h>

#include "modes/mode_script.h"
#include "pane_fixture.h"
#include "panes/pane_colours.h"
#include "panes/pane_refresh.h"
#include "panes/pane_roles.h"

using namespace zerin;

namespace {

class PaneCommands : public test::PaneFixture {
protected:
    void SetUp() override {
        tmp.file("zeta.mp3", 2000);
        tmp.file("Alpha.txt", 30);
        tmp.file("beta.exe", 100000);
        tmp.folder("sub");
        z.panes.setPath(0, tmp.path());
        z.panes.setPath(1, tmp.path() + "sub/");
        call("do_list_update 0");
        call("do_list_update 1");
    }
    std::vector<std::string> texts(int pane) {
        std::vector<std::string> out;
        for (const auto& i : z.panes.list(pane).items()) out.push_back(i.text);
        return out;
    }
};

}  // namespace

TEST_F(PaneCommands, ColumnHeadersSetCycleAndFollowTheFocus) {
    EXPECT_EQ(call("do_column_headers"), "0");
    EXPECT_EQ(call("do_column_headers /s"), "1");
    EXPECT_EQ(call("do_column_headers /S"), "2");
    EXPECT_TRUE(z.panes.controls(0).headersVisible);
    EXPECT_TRUE(z.panes.controls(1).headersVisible);
    EXPECT_EQ(call("do_column_headers /s"), "0");
    EXPECT_FALSE(z.panes.controls(0).headersVisible);
    EXPECT_FALSE(z.panes.controls(1).headersVisible);

    focusPane(z, 1);
    EXPECT_EQ(call("do_column_headers 1"), "1");
    EXPECT_FALSE(z.panes.controls(0).headersVisible);
    EXPECT_TRUE(z.panes.controls(1).headersVisible);
    EXPECT_EQ(call("do_column_headers 7"), "1");
    EXPECT_EQ(z.settings.columnHeaders, 1);
}

TEST_F(PaneCommands, ColumnAutosizeSwitchesAndReportsTheState) {
    z.highlightColour = 0x123456;
    EXPECT_EQ(call("do_column_autosize abc"), "0");
    EXPECT_EQ(z.highlightColour, 0x123456u);  // nothing changed
    EXPECT_EQ(call("do_column_autosize /s"), "1");
    EXPECT_EQ(z.highlightColour, brighten(z.panes.colours.file(z.settings.mode), 160));
    EXPECT_EQ(call("do_column_autosize /s"), "0");
    EXPECT_EQ(z.highlightColour, z.panes.colours.file(z.settings.mode));
    EXPECT_EQ(call("do_column_autosize 1"), "1");
    EXPECT_EQ(call("do_column_autosize"), "1");
}

TEST_F(PaneCommands, AutosizeFitsTheWidestNameAndSize) {
    // The fake measures 7 pixels per character at the panes' 10 points.
    z.panes.controls(0).viewWidth = 1000;
    z.panes.controls(0).viewHeight = 1000;
    call("do_column_autosize 1");
    call("do_list_update 0");
    const auto& columns = z.panes.controls(0).columns;
    EXPECT_EQ(columns[0].width, 9 * 7 + 3 * 7);   // "Alpha.txt" + "WWW"
    EXPECT_EQ(columns[1].width, 8 * 7 + 2 * 7 + 20);  // "97.66 KB" + "WW" + 20

    z.panes.controls(0).viewWidth = 100;
    autosizeColumns(z, 0);
    EXPECT_EQ(columns[0].width, 4 * 7);  // never narrower than "WWWW"
}

TEST_F(PaneCommands, IconsUpdateChoosesTheIconSize) {
    call("list.icons.update");
    EXPECT_FALSE(z.panes.controls(0).largeIcons);
    z.publicVars.assign("list.icons.large", "1");
    call("list.icons.update");
    EXPECT_TRUE(z.panes.controls(0).largeIcons);
    EXPECT_TRUE(z.panes.controls(1).largeIcons);
    EXPECT_GE(fp.pump.pumps, 2);
}

TEST_F(PaneCommands, IconsAreAssignedOnceAndCachedWithTheListing) {
    z.publicVars.assign("list.icons", "1");
    call("do_list_update 0");
    EXPECT_TRUE(z.panes.controls(0).iconsShown);
    for (const auto& item : z.panes.list(0).items()) EXPECT_NE(item.icon, 0) << item.text;
    const std::string& cached = *z.panes.cache.find(tmp.path());
    EXPECT_NE(cached.find("IL:1,IS:1,0,sub/"), std::string::npos);
    EXPECT_NE(cached.find("IL:4,IS:4,2000,zeta.mp3"), std::string::npos);
}

// Settings files set the icon variables with "public list.icons = 1", which keeps the
// blank after "=".
TEST_F(PaneCommands, IconVariablesSetByAPublicLineWork) {
    call("public list.icons = 1");
    call("public list.icons.large = 1");
    call("list.icons.update");
    EXPECT_TRUE(z.panes.controls(0).largeIcons);
    call("do_list_update 0");
    EXPECT_TRUE(z.panes.controls(0).iconsShown);
    // More than that one blank is not the value "1".
    call("public list.icons =  1");
    call("public list.icons.large =  1");
    call("list.icons.update");
    call("do_list_update 0");
    EXPECT_FALSE(z.panes.controls(0).iconsShown);
    EXPECT_FALSE(z.panes.controls(0).largeIcons);
}

TEST_F(PaneCommands, SizeFormatCommand) {
    EXPECT_EQ(call("do_sizeformat"), " 1");
    EXPECT_EQ(call("do_sizeformat /S"), " 2");
    call("do_sizeformat /s");
    call("do_sizeformat /s");
    EXPECT_EQ(call("do_sizeformat /s"), " 1");
    EXPECT_EQ(call("do_sizeformat 3.4"), " 3");
    EXPECT_EQ(call("do_sizeformat 7"), " 3");
    EXPECT_EQ(call("do_sizeformat /??"), "Set/Return Size Format Mode");
    EXPECT_EQ(call("do_sizeformat /?").substr(0, 31), "# Set/Return Size Format Mode\r\n");
}

TEST_F(PaneCommands, PathFunctions) {
    EXPECT_EQ(call("file.suffix /a/archive.tar.gz"), "gz");
    EXPECT_EQ(call("file.suffix /a/Music/"), "/");
    EXPECT_EQ(call("do_trimname /home/Music/"), "Music");
    EXPECT_EQ(call("do_trimpath /home/Music/"), "/home");
    EXPECT_EQ(call("do_trimpath abc"), "false");
    EXPECT_EQ(call("do_list_update /??"), "Updates and refreshes list");
    EXPECT_EQ(call("do_list_update /DESCRIPTION"), "Updates and refreshes list");
}

TEST_F(PaneCommands, FolderListingItemsAndColours) {
    EXPECT_EQ(texts(0), (std::vector<std::string>{"sub", "Alpha.txt", "beta.exe", "zeta.mp3"}));
    const auto& items = z.panes.list(0).items();
    EXPECT_EQ(items[0].colour, paneColour::kFolderSource);
    EXPECT_EQ(items[0].subItems[0].text, "(Dir)");
    EXPECT_EQ(items[2].colour, paneColour::kProgram);
    EXPECT_EQ(items[3].colour, paneColour::kMedia);
    EXPECT_TRUE(items[0].selected);
    EXPECT_EQ(z.panes.list(1).items().size(), 0u);
    EXPECT_TRUE(z.panes.controls(0).parentEnabled);
}

TEST_F(PaneCommands, FocusMakesASourcePaneAndRecoloursBoth) {
    int restyled = 0;
    z.panes.list(0).addObserver({{}, {}, [&] { ++restyled; }});
    focusPane(z, 1);
    EXPECT_EQ(z.panes.sourcePane(), 1);
    EXPECT_EQ(z.panes.list(0).items()[0].colour, shade(z.panes.colours.file(1), 60));
    EXPECT_EQ(z.panes.list(0).items()[3].colour, shade(paneColour::kMedia, 60));
    EXPECT_EQ(z.panes.list(0).items()[3].subItems[0].colour, shade(paneColour::kMedia, 60));
    EXPECT_EQ(z.panes.controls(1).pathBack, paneColour::kPathActiveBack);
    EXPECT_EQ(z.panes.controls(0).pathBack, paneColour::kPathInactiveBack);
    EXPECT_EQ(restyled, 1);
    // Focus on the pane that already is the source changes nothing.
    focusPane(z, 1);
    EXPECT_EQ(restyled, 1);
    focusPane(z, 0);
    EXPECT_EQ(z.panes.list(0).items()[0].colour, brighten(z.panes.colours.file(1), 140));
}

TEST_F(PaneCommands, HeaderClicksSortSizeBySizeAndKeepFoldersOnTop) {
    sortByColumn(z, 0, 1);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"sub", "Alpha.txt", "zeta.mp3", "beta.exe"}));
    EXPECT_EQ(z.panes.controls(0).columns[1].text, "/\\ Size");
    sortByColumn(z, 0, 1);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"sub", "beta.exe", "zeta.mp3", "Alpha.txt"}));
    EXPECT_EQ(z.panes.controls(0).columns[1].text, "\\/ Size");
    sortByColumn(z, 0, 0);
    EXPECT_EQ(z.panes.controls(0).columns[1].text, "Size");
    EXPECT_EQ(z.panes.controls(0).columns[0].text, "/\\ Name");
    EXPECT_EQ(texts(0), (std::vector<std::string>{"sub", "Alpha.txt", "beta.exe", "zeta.mp3"}));
    // the order survives a rebuild
    sortByColumn(z, 0, 0);
    call("do_list_update 0");
    EXPECT_EQ(texts(0), (std::vector<std::string>{"sub", "zeta.mp3", "beta.exe", "Alpha.txt"}));
}

TEST_F(PaneCommands, ScriptItemsTextListAndFoldersFirst) {
    z.panes.setPath(1, "Text List");
    z.panes.textList = {"/docs/a.txt"};
    call("do_list_update 1");
    listAddItem(z, 1, "\"/docs/b.nfo\"");
    listAddItem(z, 1, "/docs/old/");
    const auto& items = z.panes.list(1).items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].colour, z.panes.colours.file(4));
    EXPECT_EQ(items[0].subItems[0].text, "-");
    EXPECT_EQ(items[1].text, "b.nfo");
    EXPECT_EQ(items[1].tag, "/docs/b.nfo");
    EXPECT_EQ(items[1].subItems[0].tag, "0");
    EXPECT_EQ(items[2].colour, paneColour::kFolderSource);
    call("do_list_folders_first 1");
    EXPECT_EQ(texts(1), (std::vector<std::string>{"old", "/docs/a.txt", "b.nfo"}));
}
