#include <gtest/gtest.h>

#include "core/colours.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/mode_messages.h"
#include "modes/popup_menu.h"

using namespace zerin;

namespace {

std::string cmd(const std::string& name, const std::string& location, const std::string& body = "") {
    return "#NAME=" + name + "\r\n#LOCATION=" + location + "\r\n" + body;
}

struct MenuFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);
    MenuController menus{z};
    const ScreenRect window{0, 0, 800, 600};

    void SetUp() override {
        z.settings.fontSize = 10;  // fake metrics: 7 px a character, rows 16 + 5
        z.settings.textLog = true;
        store(cmd("Tools", "mode\\file\\menu", "? tools\r\n"));
        store(cmd("Zip", "Mode\\File\\Menu\\TOOLS", "#HELP=packs it\r\n? zip\r\n"));
        store(cmd("Elsewhere", "mode\\file\\menu\\toolsx", "? no\r\n"));
        store(cmd("Checksum", "mode\\file\\menu\\tools", "#color=3366ff\r\n? sum\r\n"));
        store(cmd("Tar", "mode\\file\\menu\\tools\\zip", "? tar\r\n"));
    }
    void store(const std::string& text) {
        z.scripts.add(text::lower(headerValue("location", text) + "\\" + headerValue("name", text)), text);
    }
    std::vector<std::string> captions(const PopupMenu& m) {
        std::vector<std::string> out;
        for (int i = 1; i <= m.count; ++i) out.push_back(m.entries.elements()[static_cast<std::size_t>(i)].caption);
        return out;
    }
    const std::string& toolsScript() { return *z.scripts.find("mode\\file\\menu\\tools"); }
};

}  // namespace

TEST_F(MenuFixture, ACommandListsTheScriptsAtItsLocationAndNameInStoreOrderAnyCase) {
    EXPECT_EQ(menuLocation(toolsScript()), "mode\\file\\menu\\Tools");
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{100, 50}, window));
    EXPECT_EQ(captions(menu), (std::vector<std::string>{"Zip", "Checksum"}));
    const BarElement& zip = menu.entries.elements()[1];
    const BarElement& sum = menu.entries.elements()[2];
    EXPECT_EQ(zip.tooltip, "packs it");
    EXPECT_EQ(zip.colour, kMenuShade);
    EXPECT_EQ(sum.colour, 0x3366ffu);  // "&h" + value, as written
    EXPECT_EQ(sum.y, zip.y + zip.height);
    // A command without sub-commands opens nothing.
    PopupMenu none;
    EXPECT_FALSE(menus.open(none, *z.scripts.find("mode\\file\\menu\\tools\\zip\\tar"), Point{}, window));
    EXPECT_FALSE(none.shown);
}

TEST_F(MenuFixture, AnEntryOpensItsOwnMenu) {
    PopupMenu menu, sub;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{100, 50}, window));
    ASSERT_TRUE(menus.open(sub, menu.entries.elements()[1].script, Point{150, 70}, window));
    EXPECT_EQ(captions(sub), std::vector<std::string>{"Tar"});
    // The first menu is untouched by the second.
    EXPECT_EQ(menu.count, 2);
}

TEST_F(MenuFixture, FitMenuSizesFromTheWidestCaptionAndKeepsInsideTheWindow) {
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{100, 50}, window));
    const int widest = 7 * static_cast<int>(std::string("Checksum").size());
    EXPECT_EQ(menu.width, widest + 22);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(menu.entries.elements()[static_cast<std::size_t>(i)].width, widest + 20);
        EXPECT_TRUE(menu.entries.elements()[static_cast<std::size_t>(i)].visible);
    }
    const BarElement& last = menu.entries.elements()[2];
    EXPECT_EQ(menu.height, last.y + last.height + 2);
    EXPECT_EQ(menu.x, 100);
    EXPECT_EQ(menu.y, 50);
    EXPECT_TRUE(menu.shown);
    EXPECT_EQ(menu.progress, menumsg::kShaded4);

    PopupMenu corner;
    ASSERT_TRUE(menus.open(corner, toolsScript(), Point{795, 598}, window));
    EXPECT_EQ(corner.x + corner.width, 800);
    EXPECT_EQ(corner.y + corner.height, 600);
    PopupMenu tiny;
    ASSERT_TRUE(menus.open(tiny, toolsScript(), Point{-40, 0}, ScreenRect{0, 0, 20, 10}));
    EXPECT_EQ(tiny.x, 1);
    EXPECT_EQ(tiny.y, 1);
}

TEST_F(MenuFixture, TheHoveredEntryIsDarkenedAndTheOneBeforeGetsItsColourBack) {
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{}, window));
    EXPECT_EQ(menu.hovered, 1);
    EXPECT_EQ(menu.shownColour(1), shade(kMenuShade, 60));
    EXPECT_EQ(menu.shownColour(2), 0x3366ffu);
    menus.hover(menu, 2);
    EXPECT_EQ(menu.shownColour(1), kMenuShade);
    EXPECT_EQ(menu.shownColour(2), shade(0x3366ff, 60));
    // The arrows wrap around.
    menus.moveHover(menu, 1);
    EXPECT_EQ(menu.hovered, 1);
    menus.moveHover(menu, -1);
    EXPECT_EQ(menu.hovered, 2);
    menus.hover(menu, 7);  // no such entry
    EXPECT_EQ(menu.hovered, 2);
}

TEST_F(MenuFixture, AClickRunsTheEntryAndGivesTheRunningButtonBack) {
    store(cmd("Colour", "mode\\file\\menu\\tools", "button.color 255\r\n? coloured\r\n"));
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{}, window));
    z.bars.running = ButtonRef{BarId::Top, 4};
    z.run.stopRequest = true;
    menus.click(menu, 1);
    EXPECT_EQ(z.txtDebug.text(), "zip\r\n");
    EXPECT_EQ(z.bars.running, (ButtonRef{BarId::Top, 4}));
    EXPECT_EQ(z.bars.menuEntries, nullptr);
    // button.color colours the entry that runs, not the top-bar button.
    menus.click(menu, 3);
    EXPECT_EQ(menu.entries.elements()[3].colour, 255u);
    EXPECT_NE(z.bars.top.element(4).colour, 255u);
}

TEST_F(MenuFixture, NothingRunsWhileAScriptIsPausedOrWaiting) {
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{}, window));
    z.run.paused = true;
    menus.click(menu, 1);
    z.run.paused = false;
    z.run.waitingForInput = true;
    menus.click(menu, 1);
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].text, modemsg::kPaused);
    EXPECT_EQ(fp.dialogs.shown[1].text, modemsg::kWaitingForInput);
    EXPECT_EQ(z.txtDebug.text(), "");
}

TEST_F(MenuFixture, ALoadSectionRunsWhenTheEntryIsAdded) {
    store(cmd("Loaded", "mode\\file\\menu\\tools",
              "function on.load\r\nbutton.color &h00ff00\r\n? loading\r\nend function\r\n? run\r\n"));
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{}, window));
    EXPECT_EQ(z.txtDebug.text(), "loading\r\n");
    EXPECT_EQ(menu.entries.elements()[3].colour, 0x00ff00u);
    // Paused: the entry is added without its load section, and the user is told.
    z.txtDebug.clear();
    z.run.paused = true;
    PopupMenu again;
    ASSERT_TRUE(menus.open(again, toolsScript(), Point{}, window));
    EXPECT_EQ(again.count, 3);
    EXPECT_EQ(z.txtDebug.text(), "");
    EXPECT_EQ(fp.dialogs.shown.back().text, modemsg::kPaused);
}

TEST_F(MenuFixture, ADragStartsAfterTheTravelAndTheTimerClosesAMenuInTheBackground) {
    PopupMenu menu;
    ASSERT_TRUE(menus.open(menu, toolsScript(), Point{}, window));
    EXPECT_FALSE(menus.dragMove(menu, 1, 0, 0));  // no button held
    menus.mouseDown();
    EXPECT_FALSE(menus.dragMove(menu, 1, 0, 0));
    EXPECT_FALSE(menus.dragMove(menu, 1, 20, 0));
    EXPECT_TRUE(menus.dragMove(menu, 1, 20, 15));
    EXPECT_EQ(z.dragText, "ModeCommand:" + menu.entries.elements()[1].script);
    EXPECT_EQ(z.bars.draggedScript, menu.entries.elements()[1].script);
    menus.mouseUp();

    EXPECT_FALSE(menus.timerTick(menu, true));
    EXPECT_TRUE(menu.shown);
    EXPECT_TRUE(menus.timerTick(menu, false));
    EXPECT_EQ(menu.count, 0);
    EXPECT_FALSE(menu.shown);
}
