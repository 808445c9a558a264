// Names from the file system are data: substitution never runs a group or a bracket
// inside one, and a command or program gets each name byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/command_runner.h"
#include "modes/desktop_shortcut.h"
#include "platform/posix/posix_file_system.h"
#include "script/value_escape.h"

using namespace zerin;

namespace {

const std::vector<std::string> kHostileNames = {
    "holiday (public pwned = 1).jpg",
    "Photo (1).jpg",
    "x\" \"--injected",
    "a:[b:]c",
    "a:|[b::]]c:",
    "-rf",
    "[command] [x]",
    "Tom && Jerry &&",
    "ends with colon:",
    "(((",
    ")",
    "\xc3\xa5\xc3\xa4\xc3\xb6 (\xe2\x82\xac).txt",
};

TEST(ValueEscape, EveryTextComesBackAndNoGroupOrBracketIsLeft) {
    for (const std::string& name : kHostileNames) {
        std::string escaped = escapeValue(name);
        EXPECT_EQ(escaped.find_first_of("()&"), std::string::npos) << escaped;
        for (std::size_t i = 0; i < escaped.size(); ++i)
            if (escaped[i] == '[' || escaped[i] == ']') EXPECT_EQ(escaped[i - 1], ':') << escaped;
        EXPECT_EQ(unescapeValue(escaped), name);
        EXPECT_EQ(holdsEscapes(escaped), escaped != name) << name;
    }
    // Kept: the escapes written in scripts still read as parentheses.
    EXPECT_EQ(unescapeValue("do_run x:[1:].jpg"), "do_run x(1).jpg");
    EXPECT_EQ(unescapeValue("12:30 :) a:b"), "12:30 :) a:b");
    EXPECT_EQ(escapeValue("12:30 a:b"), "12:30 a:b");
}

class NamesAsData : public ::testing::Test {
protected:
    NamesAsData() {
        registerAllCommands(z);
        z.settings.textLog = true;
        z.interpreter.setLineBudget(100000);
    }
    void run(std::string_view script, TextBox* buffer = nullptr) {
        if (!buffer) buffer = &z.txtBuffer;
        buffer->setText(text::replaceAll(script, "\n", "\r\n"));
        z.interpreter.RunEditor("", buffer, "test");
    }
    void select(const std::string& path) {
        z.panes.list(0).clear();
        ListItem item;
        item.text = path;
        item.tag = path;
        item.selected = true;
        z.panes.list(0).add(std::move(item));
        z.panes.setSourcePane(0);
        z.panes.setPath(0, path + "/");
    }
    bool pwned() { return z.publicVars.find("pwned") != nullptr; }

    test::FakePlatform fp;
    Zerin z{fp.platform};
};

TEST_F(NamesAsData, ANameReachesAProgramAsOneArgumentInEveryForm) {
    for (TextBox* buffer : {&z.txtBuffer, &z.txtCode}) {
        for (const std::string& name : kHostileNames) {
            select("/p/" + name);
            fp.processes.started.clear();
            run("public dummy = 1\n"
                "do_runwait_s prog (source_allselected) [x]\n"
                "x = (source_selected)\n"
                "n = (source_selectedname)\n"
                "do_runwait_s prog \"[n]\" \"[x]\"\n"
                "FOR f = (source_allselected)\n"
                "do_runwait_s prog [f]\n"
                "NEXT f\n",
                buffer);
            ASSERT_EQ(fp.processes.started.size(), 3u) << name << "\n" << z.txtDebug.text();
            std::string path = "/p/" + name;
            EXPECT_EQ(fp.processes.started[0], (std::vector<std::string>{"prog", path, "[x]"}));
            // Put into quotes by the script itself, a name holding a quote is the script's
            // own concern; every other name arrives whole.
            if (name.find('"') == std::string::npos)
                EXPECT_EQ(fp.processes.started[1], (std::vector<std::string>{"prog", name, path}));
            EXPECT_EQ(fp.processes.started[2], (std::vector<std::string>{"prog", path}));
            EXPECT_FALSE(pwned()) << name;
        }
    }
}

TEST_F(NamesAsData, AssignedNamesAreStoredAsTheyCame) {
    const std::vector<std::string> names = {"public pwned = 1", "cls", "1 + 2.txt", "dummy", "Photo (1).jpg", "a && b"};
    run("public dummy = public value");
    for (const std::string& name : names) {
        select("/p/" + name);
        z.txtDebug.clear();
        run("n = (source_selectedname)\n? <[n]>\nm = [n]\n? <[m]>");
        EXPECT_EQ(z.txtDebug.text(), "<" + name + ">\r\n<" + name + ">\r\n") << name;
        EXPECT_FALSE(pwned()) << name;
    }
    // A right side the script wrote itself keeps its meaning.
    run("a = 2\nb = [a] + 1\n? [b]\nc = (a) + 5\n? [c]");
    EXPECT_NE(z.txtDebug.text().find("3\r\n7\r\n"), std::string::npos) << z.txtDebug.text();
}

TEST_F(NamesAsData, ListedNamesPrintedOrRunAreNeverScriptCode) {
    select("/p/evil (public pwned = 1)");
    run("p = (source_path)\n! [p]\n? (target_path) (source_path)\nl = [p]\n! [l]\n! (do_get l)\n? (do_trimname [p])");
    EXPECT_FALSE(pwned()) << z.txtDebug.text();
    EXPECT_NE(z.txtDebug.text().find("/p/evil (public pwned = 1)"), std::string::npos) << z.txtDebug.text();
}

TEST_F(NamesAsData, AScriptsNameAndLocationAreData) {
    run("#name=cls (public pwned = 1) [command]\n#location=public pwned = 2\n? <[app.name]> <[app.location]>");
    EXPECT_EQ(z.txtDebug.text(), "<cls (public pwned = 1) [command]> <public pwned = 2>\r\n");
    EXPECT_FALSE(z.publicVars.find("pwned"));
}

TEST_F(NamesAsData, AProgramDroppedOnTheRightBarRunsExactlyThatProgram) {
    const std::vector<std::string> programs = {
        "/apps/we\"ird (do_set x 1) [command] a:[b:]c && d.exe",
        "/apps/plain.exe",
        "/apps/:|:+:<.exe",
    };
    for (const std::string& program : programs) {
        std::size_t before = z.scripts.size();
        ASSERT_TRUE(CommandRunner(z).dropOnRightBar({program}));
        ASSERT_EQ(z.scripts.size(), before + 1);
        select("/p/Photo (1).jpg");
        fp.processes.started.clear();
        fp.dialogs.answers.push_back(MsgResult::Ok);
        z.txtBuffer.setText(z.scripts.scripts().back().text);
        z.interpreter.RunEditor("", &z.txtBuffer, "dropped");
        ASSERT_EQ(fp.processes.started.size(), 1u) << z.txtDebug.text();
        EXPECT_EQ(fp.processes.started[0], (std::vector<std::string>{program, "/p/Photo (1).jpg"}));
        EXPECT_FALSE(pwned());
    }
    // A line break cannot be part of a script line.
    EXPECT_FALSE(CommandRunner(z).dropOnRightBar({"/apps/two\nlines.exe"}));
}

TEST(DesktopShortcutKeys, NoNameOrLocationAddsALineOrAKey) {
    PosixFileSystem fs;
    auto dir = std::filesystem::temp_directory_path() / "zerin_shortcut_keys_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    ShortcutTarget target{dir, "/usr/bin/zerin", "/home/a\nExec=evil\\"};
    std::string reason;
    std::string script = "#NAME=Back\r\n#NAME=Exec=evil --x\r\n#LOCATION=t\tools\\\r\n";
    ASSERT_TRUE(writeDesktopShortcut(fs, script, target, reason)) << reason;
    std::ifstream in(dir / "Back__Exec=evil --x.desktop");
    ASSERT_TRUE(in) << "no shortcut file";
    std::vector<std::string> keys;
    std::string execLine;
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.find_first_of("\r\t"), std::string::npos) << line;
        if (line == "[Desktop Entry]") continue;
        keys.push_back(line.substr(0, line.find('=')));
        if (line.starts_with("Exec=")) execLine = line;
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Type", "Name", "Exec", "Path", "Terminal"}));
    // The value-level escapes keep both names in the one argument, and the folder in its key.
    EXPECT_EQ(execLine, "Exec=\"/usr/bin/zerin\" --home \"/home/a\\nExec=evil\\\\\\\\\" "
                        "\"t\\tools\\\\\\\\\\\\\\\\Back\\r\\nExec=evil --x\"");
    std::filesystem::remove_all(dir);
}

}  // namespace
