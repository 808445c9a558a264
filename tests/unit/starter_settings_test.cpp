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
