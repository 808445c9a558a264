// Keys for buttons: "#KEY=" names, the keys Zerin keeps for itself, the key table built
// with the top bar (current mode only, first come first served, clashes reported once),
// the tooltip, and a key press running the command as a click does.
#include <gtest/gtest.h>

#include "app/program.h"
#include "core/text.h"
#include "fake_platform.h"
#include "modes/bar_builder.h"
#include "modes/command_runner.h"
#include "modes/key_bindings.h"
#include "modes/mode_messages.h"
#include "script/script_store.h"

using namespace zerin;

namespace {

TEST(KeyNames, ReadBackAsWrittenInAnyCaseWithModifiers) {
    struct Case {
        const char* name;
        int key;
        int shift;
        const char* shown;
    } cases[] = {
        {"F5", 116, 0, "F5"},          {"f12", 123, 0, "F12"},       {" F24 ", 135, 0, "F24"},
        {"Ctrl+F5", 116, 2, "Ctrl+F5"}, {"shift+alt+k", 75, 5, "Shift+Alt+K"},
        {"Control+Shift+1", 49, 3, "Ctrl+Shift+1"}, {"Delete", 46, 0, "Delete"}, {"del", 46, 0, "Delete"},
        {"Alt+PgDn", 34, 4, "Alt+PageDown"},
    };
    for (const Case& c : cases) {
        std::optional<KeyChord> chord = parseKeyName(c.name);
        ASSERT_TRUE(chord) << c.name;
        EXPECT_EQ(*chord, (KeyChord{c.key, c.shift})) << c.name;
        EXPECT_EQ(keyName(*chord), c.shown) << c.name;
        EXPECT_EQ(parseKeyName(keyName(*chord)), chord) << c.name;
    }
    for (const char* bad : {"", "F0", "F25", "F05", "Hyper+F5", "Ctrl+", "Ctrl++", "FF", "ab", "Ctrl+F5x"})
        EXPECT_FALSE(parseKeyName(bad)) << bad;
}

TEST(KeyNames, ZerinsOwnKeysAreNotFree) {
    for (const char* own : {"Pause", "F12", "Shift+Ctrl+Alt+F6", "Shift+Up", "Shift+Down", "Alt+Up", "Enter",
                            "Tab", "Shift+Tab", "Backspace", "Escape", "Space", "PageDown", "Left", "A", "Shift+Z",
                            "5", "Ctrl+I", "Alt+N"})
        EXPECT_TRUE(isZerinKey(*parseKeyName(own))) << own;
    for (const char* free : {"F1", "F5", "F6", "Ctrl+F6", "Shift+F12x"}) {
        std::optional<KeyChord> chord = parseKeyName(free);
        if (chord) EXPECT_FALSE(isZerinKey(*chord)) << free;
    }
    EXPECT_FALSE(isZerinKey(*parseKeyName("Ctrl+1")));
    EXPECT_FALSE(isZerinKey(*parseKeyName("Delete")));
}

struct KeyFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);
    BarBuilder builder{z};

    void SetUp() override {
        z.settings.fontSize = 10;
        z.settings.textLog = true;
        z.modeGroups.add("Files", "files");
        z.modeGroups.add("Text", "text");
    }
    void store(const std::string& location, const std::string& name, const std::string& headers,
               const std::string& body) {
        const std::string text = "#NAME=" + name + "\r\n#LOCATION=" + location + "\r\n" + headers + body;
        z.scripts.add(text::lower(location + "\\" + name), text);
    }
    int count(const std::string& needle) {
        const std::string& t = z.txtDebug.text();
        int n = 0;
        for (std::size_t at = t.find(needle); at != std::string::npos; at = t.find(needle, at + 1)) ++n;
        return n;
    }
    const BarElement* button(const std::string& caption) {
        for (const BarElement& e : z.bars.top.elements())
            if (e.visible && e.caption == caption) return &e;
        return nullptr;
    }
};

TEST_F(KeyFixture, TheKeyRunsTheCommandOfTheCurrentModeOnlyAndTheTooltipNamesIt) {
    store("mode\\files\\menu", "Copy", "#KEY=F5\r\n#HELP=Copy it\r\n", "? copied\r\n");
    store("mode\\files\\menu", "Quiet", "#KEY=F7\r\n", "? made\r\n");
    store("mode\\text\\menu", "Hex", "#KEY=F5\r\n", "? hex\r\n");
    builder.ModeCommandsLoad();
    ASSERT_TRUE(button("Copy"));
    EXPECT_EQ(button("Copy")->tooltip, "Copy it\r\nKey: F5");
    EXPECT_EQ(button("Quiet")->tooltip, "Key: F7");

    CommandRunner runner(z);
    EXPECT_TRUE(runner.pressKey(116, 0));
    EXPECT_FALSE(runner.pressKey(116, kShiftBit));  // Shift+F5 is another key
    EXPECT_FALSE(runner.pressKey(120, 0));          // F9 is bound to nothing
    EXPECT_EQ(z.txtDebug.text(), "copied\r\n");

    // Another mode: F5 is that mode's command, F7 belongs to no command now.
    z.publicVars.assign("do.mode.name", "text");
    z.publicVars.indexAppend("do.mode.name");
    builder.ModeCommandsLoad();
    EXPECT_TRUE(runner.pressKey(116, 0));
    EXPECT_FALSE(runner.pressKey(118, 0));
    EXPECT_EQ(z.txtDebug.text(), "copied\r\nhex\r\n");
}

TEST_F(KeyFixture, AKeyRunsNothingWhileAScriptWaitsAndTheHeaderChangesNothingInTheRun) {
    store("mode\\files\\menu", "Count", "#KEY=Ctrl+F2\r\n#KEY=F3\r\n", "n = 1\r\nn += 1\r\n? n [n]\r\n");
    builder.ModeCommandsLoad();
    CommandRunner runner(z);
    EXPECT_FALSE(runner.pressKey(114, 0));  // only the first "#KEY=" line counts
    z.run.waitingForInput = true;
    EXPECT_TRUE(runner.pressKey(113, kCtrlBit));
    EXPECT_EQ(z.txtDebug.text(), "");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, modemsg::kWaitingForInput);
    z.run.waitingForInput = false;
    EXPECT_TRUE(runner.pressKey(113, kCtrlBit));
    EXPECT_EQ(z.txtDebug.text(), "n 2\r\n");
}

TEST_F(KeyFixture, ClashesAndZerinsKeysAreReportedOnceAndTheFirstCommandKeepsTheKey) {
    store("mode\\files\\menu", "One", "#KEY=F5\r\n", "? one\r\n");
    store("mode\\files\\menu", "Two", "#KEY=f5\r\n", "? two\r\n");
    store("mode\\files\\menu", "Stop", "#KEY=Pause\r\n", "? stop\r\n");
    store("mode\\files\\menu", "Odd", "#KEY=Hyper+Q\r\n", "? odd\r\n");
    for (int build = 0; build < 3; ++build) builder.ModeCommandsLoad();

    const std::string taken = std::string(modemsg::kKeyOwnBefore) + "F5" + std::string(modemsg::kKeyTakenAfter) +
                              "One" + std::string(modemsg::kKeyTakenNot) + "Two";
    const std::string own =
        std::string(modemsg::kKeyOwnBefore) + "Pause" + std::string(modemsg::kKeyOwnAfter) + "Stop";
    const std::string unknown = std::string(modemsg::kKeyUnknown) + "Hyper+Q (Odd)";
    EXPECT_EQ(count(taken), 1) << z.txtDebug.text();
    EXPECT_EQ(count(own), 1) << z.txtDebug.text();
    EXPECT_EQ(count(unknown), 1) << z.txtDebug.text();
    EXPECT_EQ(button("Two")->tooltip, "");
    EXPECT_EQ(button("Stop")->tooltip, "");

    z.txtDebug.clear();
    CommandRunner runner(z);
    EXPECT_TRUE(runner.pressKey(116, 0));
    EXPECT_FALSE(runner.pressKey(19, 0));  // the Pause key stays the Pause key
    EXPECT_EQ(z.txtDebug.text(), "one\r\n");
}

}  // namespace
