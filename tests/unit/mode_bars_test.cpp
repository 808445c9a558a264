#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/colours.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/bar_builder.h"
#include "modes/command_runner.h"
#include "modes/desktop_shortcut.h"
#include "platform/posix/posix_file_system.h"
#include "modes/mode_messages.h"
#include "modes/mode_script.h"
#include "script/value.h"

using namespace zerin;

namespace {

std::string script(const std::string& name, const std::string& location, const std::string& extra = "") {
    return "#NAME=" + name + "\r\n#LOCATION=" + location + "\r\n" + extra + "? " + name + "\r\n";
}

struct BarsFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);
    BarBuilder builder{z};
    CommandRunner runner{z};

    void SetUp() override {
        z.settings.fontSize = 10;  // fake metrics: 7 px a character, rows 16 + 5
        z.settings.textLog = true;  // as start-up sets it: prints reach the debug pane
        z.modeGroups.add("Files", "files");
        z.modeGroups.add("Pictures", "pictures");
    }
    void store(const std::string& text) {
        z.scripts.add(text::lower(headerValue("location", text) + "\\" + headerValue("name", text)), text);
    }
    std::vector<std::string> captions(const CommandBar& bar) {
        std::vector<std::string> out;
        for (int i = 1; i <= bar.lastInUse(); ++i) out.push_back(bar.elements()[i].caption);
        return out;
    }
};

}  // namespace

TEST(SortButtons, NumberedFirstAscendingLaterEqualFirstUnnumberedReversedAtEnd) {
    EXPECT_EQ(sortbuttons({2, 1}, {"b", "a"}), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(sortbuttons({2, 2}, {"first", "second"}), (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(sortbuttons({0, 3, 0, 1}, {"z1", "c", "z2", "a"}), (std::vector<std::string>{"a", "c", "z2", "z1"}));
    // A negative index has no place in the order.
    EXPECT_EQ(sortbuttons({-1, 1}, {"neg", "a"}), (std::vector<std::string>{"a"}));
}

TEST(ModeScript, LoadSectionLinkAndColour) {
    std::string s = "#name=x\r\nFunction On.Load\r\n? a\r\n? b\r\nEND FUNCTION\r\n? run\r\n";
    EXPECT_EQ(loadSection(s), "? a\r\n? b\r\n");
    EXPECT_FALSE(loadSection("function on.load\r\n? never closed\r\n"));
    EXPECT_FALSE(loadSection("? nothing\r\n"));

    ScriptStore store;
    store.add("lib\\common", "? common\r\n");
    EXPECT_EQ(withLinkedScript("#link=Lib\\Common\r\n? own\r\n", store), "#link=Lib\\Common\r\n? own\r\n? common\r\n");
    EXPECT_EQ(withLinkedScript("#link=missing\r\n? own\r\n", store), "#link=missing\r\n? own\r\n");

    EXPECT_EQ(headerColour("#NAME=a\r\n#Color=80ff80\r\n"), 0x80ff80u);
    EXPECT_EQ(headerColour("#color=zz"), 0u);
    EXPECT_FALSE(headerColour("#NAME=a\r\n? #color=ff\r\n"));
}

TEST_F(BarsFixture, TopBarShowsModesInIndexOrderThenTheCurrentModesCommands) {
    store(script("Pictures", "mode", "#INDEX=2\r\n#color=ff8080\r\n"));
    store(script("Files", "mode", "#INDEX=1\r\n"));
    store(script("Copy", "Mode\\Files\\Menu", "#HELP=copies\r\n#HELP=the selection\r\n"));
    store(script("Show", "mode\\pictures\\menu"));
    store("#LOCATION=mode\\files\\menu\r\n? no name, no button\r\n");
    store(script("Move", "mode\\files\\menu"));
    z.bars.topWidth = 1000;
    builder.ModeCommandsLoad();

    EXPECT_EQ(captions(z.bars.top), (std::vector<std::string>{"Files", "Pictures", "Copy", "Move"}));
    const auto& e = z.bars.top.elements();
    EXPECT_EQ(e[1].colour, kDefaultButtonColour);
    EXPECT_EQ(e[2].colour, 0xff8080u);
    EXPECT_EQ(e[1].x, 1);
    EXPECT_EQ(e[2].x, 1 + e[1].width);
    EXPECT_EQ(e[3].x, e[2].x + e[2].width);
    EXPECT_EQ(e[3].tooltip, "copies\r\nthe selection");
    EXPECT_EQ(z.bars.top.height, 21);

    // The public do.mode.name picks another mode's commands; fewer buttons hide the rest.
    z.publicVars.assign("do.mode.name", "Pictures");
    builder.ModeCommandsLoad();
    EXPECT_EQ(captions(z.bars.top), (std::vector<std::string>{"Files", "Pictures", "Show"}));
    EXPECT_FALSE(z.bars.top.elements()[4].visible);

    // As a mode script sets it: "public do.mode.name = files" keeps the blank after "=".
    Variables scratch;
    z.dispatcher.chkCommand("public do.mode.name = files", scratch);
    builder.ModeCommandsLoad();
    EXPECT_EQ(captions(z.bars.top), (std::vector<std::string>{"Files", "Pictures", "Copy", "Move"}));
}

TEST_F(BarsFixture, CommandsWrapIntoRowsAtTheBarWidth) {
    for (int i = 0; i < 6; ++i) store(script("Command" + std::to_string(i), "mode\\files\\menu"));
    z.bars.topWidth = 250;  // each button is 8 * 7 + 14 = 70 px wide
    builder.ModeCommandsLoad();
    const auto& e = z.bars.top.elements();
    ASSERT_EQ(z.bars.top.lastInUse(), 6);
    EXPECT_EQ(e[1].y, 0);
    EXPECT_EQ(e[3].y, 0);
    EXPECT_EQ(e[4].x, 0);
    EXPECT_EQ(e[4].y, 21);
    EXPECT_EQ(z.bars.top.height, 42);
}

TEST_F(BarsFixture, LoadSectionsRunFromTxtOnLoadOrAreRefusedWhileAScriptWaits) {
    store(script("One", "mode\\files\\menu", "function on.load\r\nbutton.color 255\r\nend function\r\n"));
    store(script("Two", "mode\\files\\menu"));
    builder.ModeCommandsLoad();
    // The load section ran as the button's own script: button.color coloured it.
    ASSERT_TRUE(z.bars.running);
    EXPECT_EQ(z.bars.running->index, 1);
    EXPECT_EQ(z.bars.top.elements()[1].colour, 255u);
    EXPECT_EQ(z.bars.top.elements()[2].colour, kDefaultButtonColour);
    EXPECT_TRUE(fp.dialogs.shown.empty());

    z.txtOnLoad.clear();
    z.bars.top.element(2).caption = "old";
    z.run.waitingForInput = true;
    builder.ModeCommandsLoad();
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, modemsg::kWaitingForInput);
    EXPECT_EQ(z.txtOnLoad.text(), "");
    EXPECT_EQ(z.bars.top.elements()[2].caption, "old");  // the rest stays as it was

    z.run.waitingForInput = false;
    z.run.paused = true;
    builder.ModeCommandsLoad();
    EXPECT_EQ(fp.dialogs.shown.back().text, modemsg::kPaused);
}

TEST_F(BarsFixture, LegacyCommandsMakeTheirElements) {
    ModeGroup* g = z.modeGroups.group(1);
    z.settings.columnHeaders = 2;
    z.settings.textLog = true;
    for (auto [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"Interval", "do_image_interval"}, {"Cols", "do_column_headers /s"}, {"", "dummy"},
             {"Log", "do_text_log"}, {"", "do_newline"}, {"Slider", "do_vlc_slider"},
             {"", "do_extended_commands"}, {"Hidden", "do_run x"}})
        z.modeGroups.addLegacy(*g, {name, text});
    z.settings.slideTimerInterval = 3000;
    builder.ModeCommandsLoad();
    const auto& e = z.bars.top.elements();
    ASSERT_EQ(z.bars.top.lastInUse(), 4);
    EXPECT_EQ(e[1].kind, BarElementKind::IntervalLabel);
    EXPECT_EQ(e[1].caption, " 3.0");
    EXPECT_EQ(e[2].caption, "ColsOn");
    EXPECT_EQ(e[2].colour, 0x11ccccu);  // the first mode's colour
    EXPECT_EQ(e[3].caption, "!Log");
    EXPECT_EQ(e[3].colour, brighten(0x11cccc, 160));  // text log is on: highlighted
    z.bars.colourCommandButtons("do_column_headers", 0x0000ff);
    EXPECT_EQ(e[2].colour, 0x0000ffu);
    EXPECT_EQ(e[3].colour, brighten(0x11cccc, 160));
    EXPECT_EQ(e[4].kind, BarElementKind::PositionSlider);
    EXPECT_EQ(e[4].x, 0);
    EXPECT_EQ(e[4].y, 21);
}

TEST_F(BarsFixture, RightBarShowsCommandsForTheSelectedTypes) {
    store(script("View", "barmenu", "#ASSOCIATED_TYPES=jpg gif\r\n#INDEX=1\r\n"));
    store(script("Always", "barmenu", "#INDEX=2\r\n"));
    store(script("Star", "barmenu", "#ASSOCIATED_TYPES=zip *\r\n#INDEX=3\r\n"));
    store(script("Zip", "barmenu", "#ASSOCIATED_TYPES=zip\r\n#INDEX=4\r\n"));
    ListModel& list = z.panes.list(0);
    list.add(ListItem{"notes.txt", "/home/a/notes.txt", 0xffffff, {}, true, 0});
    list.add(ListItem{"photo.JPG", "/home/a/photo.JPG", 0xffffff, {}, false, 0});
    builder.RefreshBar();
    EXPECT_EQ(captions(z.bars.right), (std::vector<std::string>{"Always", "Star"}));

    list.mutableItems()[1].selected = true;
    builder.RefreshBar();
    EXPECT_EQ(captions(z.bars.right), (std::vector<std::string>{"View", "Always", "Star"}));
    EXPECT_EQ(BarBuilder::selectedTypes(list), " txt jpg");
    EXPECT_FALSE(z.bars.right.elements()[4].visible);
    EXPECT_EQ(z.bars.right.elements()[2].y, 21);
}

TEST_F(BarsFixture, TopClickRunsTheLinkedScriptUnlessRefused) {
    store("#NAME=lib\r\n#LOCATION=lib\r\n? linked\r\n");
    store(script("Copy", "mode\\files\\menu", "#link=lib\\lib\r\n"));
    builder.ModeCommandsLoad();
    z.run.stopRequest = true;
    runner.clickTop(1);
    EXPECT_FALSE(z.run.stopRequest);
    // Its own text runs, then the linked script's.
    EXPECT_EQ(z.txtDebug.text(), "Copy\r\nlinked\r\n");
    EXPECT_EQ(z.bars.running, (ButtonRef{BarId::Top, 1}));

    z.txtDebug.clear();
    z.run.waitingForInput = true;
    runner.clickTop(1);
    EXPECT_EQ(fp.dialogs.shown.back().text, modemsg::kWaitingForInput);
    EXPECT_EQ(z.txtDebug.text(), "");

    z.run.waitingForInput = false;
    int menus = 0;
    z.bars.openScriptMenu = [&] { ++menus; };
    fp.keys.down.insert(CommandRunner::kVkShift);
    runner.clickTop(1);
    EXPECT_EQ(menus, 1);
    EXPECT_EQ(z.txtDebug.text(), "");
}

TEST_F(BarsFixture, RightClickChangesTheSourcePathFirstAndButtonZeroRunsNothing) {
    std::string pathWhenRefilled;
    z.dispatcher.registerHandler(Cmd::DoListUpdate, [&](CommandCall& c) {
        pathWhenRefilled = z.panes.path(static_cast<int>(val(c.arg)));
        return std::string();
    });
    store(script("Data", "barmenu", "#path=/srv/data/\r\n"));
    builder.RefreshBar();
    runner.clickRight(0);
    EXPECT_EQ(z.txtDebug.text(), "");
    z.panes.setSourcePane(1);
    runner.clickRight(1);
    EXPECT_EQ(pathWhenRefilled, "/srv/data/");
    EXPECT_EQ(z.txtDebug.text(), "Data\r\n");
    EXPECT_EQ(z.bars.running, (ButtonRef{BarId::Right, 1}));
}

TEST_F(BarsFixture, DraggingAButtonSetsTheDragTextOnlyOutsideItsRectangle) {
    store(script("Copy", "mode\\files\\menu"));
    builder.ModeCommandsLoad();
    runner.topMouseDown(1, MouseButton::Left, 0);
    EXPECT_FALSE(runner.topMouseMove(1, 10, 10, 50, 20));
    EXPECT_TRUE(runner.topMouseMove(1, 60, 10, 50, 20));
    EXPECT_EQ(z.dragText, "ModeCommand:" + z.scripts.scripts()[0].text);
    // The click that ends the drag runs nothing.
    runner.clickTop(1);
    EXPECT_EQ(z.txtDebug.text(), "");
    runner.topMouseUp(1, MouseButton::Left, 0);
    EXPECT_TRUE(z.bars.draggedScript.empty());
    EXPECT_EQ(CommandRunner::dragTextFor(0, "x"), "ModeCommand");

    // The right bar starts a drag after enough travel.
    store(script("Tool", "barmenu"));
    builder.RefreshBar();
    runner.rightMouseDown(1, MouseButton::Left);
    EXPECT_FALSE(runner.rightMouseMove(1, 0, 0));
    EXPECT_FALSE(runner.rightMouseMove(1, 10, 10));
    EXPECT_TRUE(runner.rightMouseMove(1, 30, 20));
}

TEST_F(BarsFixture, RightReleaseOpensThePopUpMenuOfThePressedButton) {
    store(script("Copy", "mode\\files\\menu"));
    builder.ModeCommandsLoad();
    std::optional<ButtonRef> opened;
    z.bars.openPopupMenu = [&](ButtonRef r, Point) { opened = r; };
    runner.topMouseDown(1, MouseButton::Right, 0);
    runner.topMouseUp(1, MouseButton::Right, 0);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->index, 1);
}

TEST_F(BarsFixture, DroppingAProgramTwiceAsksBeforeReplacing) {
    EXPECT_FALSE(runner.dropOnRightBar({"/home/a/readme.txt"}));
    EXPECT_EQ(z.scripts.size(), 0u);
    EXPECT_TRUE(runner.dropOnRightBar({"/apps/Notepad.exe"}));
    const std::string* s = z.scripts.find("bar\\notepad");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(*s, "#NAME=Notepad\r\n#LOCATION=Bar\r\ndo_run \"/apps/Notepad.exe\" (source_allselected)\r\n");

    EXPECT_FALSE(runner.dropOnRightBar({"/other/notepad.exe"}));  // Cancel
    EXPECT_EQ(fp.dialogs.shown.back().text, "Knappen notepad finns redan.\r\n\r\nVill du ersätta den?");
    EXPECT_NE(z.scripts.find("bar\\notepad")->find("/apps/"), std::string::npos);

    fp.dialogs.answers.push_back(MsgResult::Ok);
    EXPECT_TRUE(runner.dropOnRightBar({"/other/notepad.exe"}));
    EXPECT_NE(z.scripts.find("bar\\notepad")->find("/other/"), std::string::npos);
    EXPECT_EQ(z.scripts.size(), 1u);
}

TEST(DesktopShortcut, WritesAnEntryThatRunsTheQuotedCommand) {
    PosixFileSystem fs;
    auto dir = std::filesystem::temp_directory_path() / "zerin_shortcut_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    ShortcutTarget target{dir, "/usr/bin/zerin", ""};
    std::string reason;
    ASSERT_TRUE(writeDesktopShortcut(fs, "#NAME=Back up\r\n#LOCATION=tools\r\n", target, reason)) << reason;
    std::ifstream in(dir / "Back up.desktop");
    std::string all((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(all.find("Exec=\"/usr/bin/zerin\" \"tools\\\\\\\\Back up\"\n"), std::string::npos) << all;
    EXPECT_FALSE(writeDesktopShortcut(fs, "#LOCATION=tools\r\n", target, reason));
    std::filesystem::remove_all(dir);
}

TEST_F(BarsFixture, ButtonColorColoursTheRunningButton) {
    store(script("Copy", "mode\\files\\menu"));
    builder.ModeCommandsLoad();
    int redraws = 0;
    z.bars.top.onChanged = [&] { ++redraws; };
    z.bars.colourRunningButton(0xff);  // no button has run yet
    EXPECT_EQ(redraws, 0);
    runner.clickTop(1);
    z.bars.colourRunningButton(0x00ff00);
    EXPECT_EQ(z.bars.top.elements()[1].colour, 0x00ff00u);
    EXPECT_EQ(redraws, 1);
}
