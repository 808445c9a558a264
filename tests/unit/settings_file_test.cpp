#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "platform/posix/atomic_file.h"
#include "app/settings_file.h"
#include "app/program.h"
#include "fake_platform.h"
#include "temp_dir.h"

using namespace zerin;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

struct SettingsFileTest : ::testing::Test {
    test::FakePlatform fp;
    test::TempDir dir;
    Zerin z{fp.platform};

    SettingsFileTest() { z.programFolder = dir.path(); }

    void load(std::string_view content) {
        dir.write("Zerin.ini", content);
        SettingsLoad(z);
    }
    std::string saved() { return dir.read("Zerin.ini"); }
};

// A file that uses every line form the writer produces, exactly as it writes them.
const std::string kEveryForm = crlf({
    "powerdrop=1", "mouse_autofocus=1", "text_log=0", "column_headers=2", "column_autosize=1", "blink=1",
    "blink_interval=250", "foldersizes=1", "use_desktopcolor=0", "vlc_background=1", "mode=3",
    "start_maximized=0", "slide_interval=4000", "font_size=-12", "left_path=/home/ann/ ",
    "right_path=Text List", "", "[PATHS]", "path=Root::/", "pathgroup_open=1", "", "pathgroup=Work",
    "path=Src::/home/ann/src/x=y", "path=::/tmp", "pathgroup_open=0", "", "pathgroup=Empty", "pathgroup_open=1",
    "", "[MODES]", "modegroup=Files::files", "modegroup=Tools::tools", "", "[SCRIPTS]", "script tools\\Backup",
    "#location=tools", "#name=Backup", "? \"räksmörgås\"", "end script", "", "script Loose",
    "#name=Loose", "", "end script", "", "script ", "? 1", "end script", "", "", "[IMAGELIST]", "IL=/p/a.jpg",
    "IL=/p/b.jpg", "IL=/p/c.jpg"});

TEST_F(SettingsFileTest, EveryLineFormReadsIntoTheTables) {
    load(kEveryForm);
    const Settings& s = z.settings;
    EXPECT_TRUE(s.powerdrop);
    EXPECT_TRUE(s.mouseAutofocus);
    EXPECT_FALSE(s.textLog);
    EXPECT_EQ(s.columnHeaders, 2);
    EXPECT_TRUE(s.columnAutosize);
    EXPECT_TRUE(s.blink);
    EXPECT_EQ(s.blinkInterval, 250);
    EXPECT_TRUE(s.folderSizes);
    EXPECT_FALSE(s.useDesktopColor);
    EXPECT_TRUE(s.vlcBackground);
    EXPECT_EQ(s.mode, 3);
    EXPECT_FALSE(s.startMaximized);
    EXPECT_EQ(s.slideInterval, 4000);
    EXPECT_EQ(s.slideTimerInterval, 4000);
    EXPECT_EQ(s.fontSize, -12);
    EXPECT_EQ(z.panes.path(0), "/home/ann/ ");  // the trailing blank stays
    EXPECT_EQ(z.panes.path(1), "Text List");

    ASSERT_EQ(z.pathGroups.count(), 2);
    ASSERT_EQ(z.pathGroups.group(0).paths.size(), 1u);
    EXPECT_TRUE(z.pathGroups.group(0).open);
    EXPECT_EQ(z.pathGroups.group(1).name, "Work");
    ASSERT_EQ(z.pathGroups.group(1).paths.size(), 2u);
    EXPECT_EQ(z.pathGroups.group(1).paths[0].caption, "Src");
    EXPECT_EQ(z.pathGroups.group(1).paths[0].target, "/home/ann/src/x=y");
    EXPECT_EQ(z.pathGroups.group(1).paths[1].caption, "");
    EXPECT_FALSE(z.pathGroups.group(1).open);
    EXPECT_TRUE(z.pathGroups.group(2).open);

    ASSERT_EQ(z.modeGroups.count(), 2u);
    EXPECT_EQ(z.modeGroups.group(2)->name, "Tools");
    EXPECT_EQ(z.modeGroups.group(2)->locationKey, "tools");

    ASSERT_EQ(z.scripts.size(), 3u);
    EXPECT_EQ(z.scripts.scripts()[0].key, "tools\\backup");
    EXPECT_EQ(z.scripts.scripts()[0].text, "#location=tools\r\n#name=Backup\r\n? \"räksmörgås\"");
    EXPECT_EQ(*z.scripts.find("loose"), "#name=Loose\r\n");  // a text ending with a line break
    EXPECT_EQ(*z.scripts.find(""), "? 1");                   // no header lines: the empty key
    EXPECT_EQ(z.imageList.paths, (std::vector<std::string>{"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}));
}

TEST_F(SettingsFileTest, WriterReproducesTheFileAndASecondWriteIsIdentical) {
    load(kEveryForm);
    ASSERT_TRUE(do_default_save(z));
    const std::string first = saved();
    EXPECT_EQ(first, kEveryForm);

    test::FakePlatform fp2;
    Zerin again(fp2.platform);
    again.programFolder = dir.path();
    SettingsLoad(again);
    ASSERT_TRUE(do_default_save(again));
    EXPECT_EQ(saved(), first);
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(dir / "Zerin.ini")));
}

TEST_F(SettingsFileTest, MissingFileLeavesTheDefaults) {
    SettingsLoad(z);
    EXPECT_EQ(z.panes.path(0), "Drives");
    EXPECT_EQ(z.panes.path(1), "Drives");
    EXPECT_EQ(z.settings.fontSize, 14);
    EXPECT_EQ(z.settings.mode, 1);
    EXPECT_EQ(z.settings.blinkInterval, 500);
    EXPECT_TRUE(z.settings.useDesktopColor);
    EXPECT_TRUE(z.settings.startMaximized);
    EXPECT_FALSE(z.settings.textLog);
    EXPECT_EQ(z.pathGroups.count(), 0);
    EXPECT_EQ(z.scripts.size(), 0u);
    EXPECT_EQ(z.txtDebug.text(), "");
    // Written back, an empty image list gives no [IMAGELIST] section.
    ASSERT_TRUE(do_default_save(z));
    EXPECT_EQ(saved().find("[IMAGELIST]"), std::string::npos);
    EXPECT_TRUE(saved().ends_with("[SCRIPTS]\r\n"));
}

TEST_F(SettingsFileTest, KeysAndNumbersAreReadTheOldWay) {
    load(crlf({"Font_Size=12", "mode =5", "blink=1.4", "column_autosize=1.5", "foldersizes=yes",
               "vlc_loop=1", "vlc_loop=0", "column_headers=&H2", "start_maximized= 1"}));
    EXPECT_EQ(z.settings.fontSize, 12);
    EXPECT_EQ(z.settings.mode, 1);  // "mode " keeps its blank and is no key
    EXPECT_TRUE(z.settings.blink);
    EXPECT_FALSE(z.settings.columnAutosize);  // 1.5 rounds to 2
    EXPECT_FALSE(z.settings.folderSizes);
    EXPECT_TRUE(z.settings.vlcLoop);  // only ever switched on
    EXPECT_EQ(z.settings.columnHeaders, 2);
    EXPECT_TRUE(z.settings.startMaximized);
}

TEST_F(SettingsFileTest, TheArchiverKeyIsWrittenOnlyWhenSet) {
    // Files without the key are written back without it; a set key comes back trimmed,
    // and a line break in it cannot add a line.
    load(crlf({"font_size=12"}));
    EXPECT_EQ(settingsText(z).find("archiver="), std::string::npos);
    load(crlf({"archiver= /opt/my archiver/list "}));
    EXPECT_EQ(z.settings.archiver, "/opt/my archiver/list");
    EXPECT_NE(settingsText(z).find("\r\narchiver=/opt/my archiver/list\r\n"), std::string::npos);
    z.settings.archiver = "/opt/a\r\nmode=3";
    const std::string text = settingsText(z);
    EXPECT_EQ(text.find("\r\nmode=3\r\n"), std::string::npos) << text;
}

TEST_F(SettingsFileTest, SectionHeadersAndOrderOnlyMatterForGroups) {
    load(crlf({"[MODES]", "pathgroup_open=1", "path=A::/a", "[IMAGELIST]", "font_size=9", "pathgroup=G",
               "path=B::/b"}));
    EXPECT_TRUE(z.pathGroups.group(0).open);
    ASSERT_EQ(z.pathGroups.group(0).paths.size(), 1u);
    EXPECT_EQ(z.pathGroups.group(1).paths[0].target, "/b");
    EXPECT_EQ(z.settings.fontSize, 9);
}

TEST_F(SettingsFileTest, ScriptBlocksKeepTheFirstOfTwoAndEndOnlyOnTheExactLine) {
    load(crlf({"SCRIPT Foo", "first", "  END Script", "script foo", "second", "end script", "script bar",
               "one", "end script  ", "two", "end script", "script none", "end script"}));
    EXPECT_EQ(*z.scripts.find("foo"), "first");
    EXPECT_EQ(*z.scripts.find("bar"), "one\r\nend script  \r\ntwo");
    EXPECT_EQ(z.scripts.find("none"), nullptr);  // a block without lines adds nothing
    EXPECT_EQ(z.scripts.size(), 2u);
}

TEST_F(SettingsFileTest, TheOnLoadBlockIsPutIntoItsBufferAtOnce) {
    registerAllCommands(z);
    load(crlf({"script On\\Load", "#location=on", "#name=load", "public x = 1", "end script"}));
    // The buffer holds the block compiled, and the block has run.
    EXPECT_EQ(z.txtOnLoad.text(), "\r\ncommand = \r\napp.location = on\r\napp.name = load\r\n10000099 x = 1\r\n");
    ASSERT_NE(z.publicVars.find("x"), nullptr);
    EXPECT_EQ(*z.publicVars.find("x"), " 1");
}

TEST_F(SettingsFileTest, TheOnLoadScriptRunsWhileReadingAndCannotSaveAHalfReadFile) {
    registerAllCommands(z);
    const std::string file = crlf({"font_size=9", "script on\\load", "#location=on", "#name=load",
                                   "public greeting = hej", "do_default_save", "end script", "script later",
                                   "#name=later", "? 1", "end script", "IL=/p/a.jpg"});
    load(file);
    ASSERT_NE(z.publicVars.find("greeting"), nullptr);
    EXPECT_NE(z.publicVars.find("greeting")->find("hej"), std::string::npos);
    // The save asked for in the middle of reading would have lost "later" and the image.
    EXPECT_EQ(saved(), file);
    EXPECT_NE(z.txtDebug.text().find(settings_messages::kSaveWhileLoading), std::string::npos);
    EXPECT_EQ(z.scripts.size(), 2u);
    EXPECT_EQ(z.imageList.paths.size(), 1u);
}

TEST_F(SettingsFileTest, ScriptTextsSurviveASaveUnchanged) {
    z.scripts.add("a\\two", "#location=a\r\n#name=two");
    z.scripts.add("a\\end", "#location=a\r\n#name=end\r\n");
    z.scripts.add("a\\blank", "#location=a\r\n#name=blank\r\n\r\n\r\n");
    // A name with "=" is still a block when read back, not a settings line.
    z.scripts.add("x=y", "#name=x=y\r\nleft_path=/oops");
    ASSERT_TRUE(do_default_save(z));
    test::FakePlatform fp2;
    Zerin back(fp2.platform);
    back.programFolder = dir.path();
    SettingsLoad(back);
    ASSERT_EQ(back.scripts.size(), 4u);
    for (const StoredScript& s : z.scripts.scripts()) {
        ASSERT_NE(back.scripts.find(s.key), nullptr) << s.key;
        EXPECT_EQ(*back.scripts.find(s.key), s.text) << s.key;
    }
    EXPECT_EQ(back.panes.path(0), "Drives");
}

TEST_F(SettingsFileTest, ALineBreakInANameOrPathCannotBreakTheFileApart) {
    z.scripts.add("k", "#name=one\r\n#name=two\r\n? 1");
    z.panes.setPath(0, "/odd\nfolder/");
    z.pathGroups.addPath(0, {"cap\r\nfont_size=99", "/t"});
    ASSERT_TRUE(do_default_save(z));
    test::FakePlatform fp2;
    Zerin back(fp2.platform);
    back.programFolder = dir.path();
    SettingsLoad(back);
    EXPECT_EQ(back.settings.fontSize, 14);
    ASSERT_EQ(back.scripts.size(), 1u);
    EXPECT_EQ(*back.scripts.find("one"), "#name=one\r\n#name=two\r\n? 1");
    EXPECT_EQ(back.panes.path(0), "/odd");
}

TEST_F(SettingsFileTest, UnexpectedLinesAreSkippedWithoutHarmingTheTables) {
    std::vector<std::string> lines = {"path=no separator", "modegroup=nothing", "modecmd=nothing",
                                      "font_size=40000", "mode=-40000", "blink_interval=-5",
                                      "slide_interval=-1", "blink_interval=100000"};
    for (int g = 1; g <= 11; ++g) {
        lines.push_back("pathgroup=G" + std::to_string(g));
        lines.push_back("pathgroup_open=1");
    }
    lines.push_back("path=Eleventh::/x");  // belongs to the dropped group
    for (int m = 1; m <= 11; ++m) lines.push_back("modegroup=M" + std::to_string(m) + "::m");
    for (int p = 1; p <= 21; ++p) lines.push_back("path=P" + std::to_string(p) + "::/p");
    lines.push_back("pathgroup_open=0");
    std::string file;
    for (auto& l : lines) file += l + "\r\n";
    load(file);

    EXPECT_EQ(z.settings.fontSize, 14);
    EXPECT_EQ(z.settings.mode, 1);
    EXPECT_EQ(z.settings.blinkInterval, 100000);
    EXPECT_EQ(z.settings.slideInterval, 0);
    EXPECT_EQ(z.settings.slideTimerInterval, 3000);
    EXPECT_EQ(z.pathGroups.count(), 10);
    EXPECT_EQ(z.pathGroups.group(10).name, "G10");
    EXPECT_TRUE(z.pathGroups.group(10).open);
    EXPECT_EQ(z.pathGroups.group(0).paths.size(), 0u);
    for (int g = 0; g <= 10; ++g) {
        for (const auto& p : z.pathGroups.group(g).paths) EXPECT_NE(p.caption, "Eleventh");
    }
    EXPECT_EQ(z.modeGroups.count(), 10u);
    // The 21 paths come after the dropped group: none of them is attached anywhere.
    EXPECT_TRUE(z.pathGroups.group(10).paths.empty());
}

TEST_F(SettingsFileTest, LinesNoKeyStandsForAreKeptAfterTheKeyLines) {
    load(crlf({"; my notes", "vlc_loop=1", "font_size =12", "[PATHS]", "colour_theme=dark", "path=A::/a",
               "  end command)", "[MODES]", "modegroup=G::g", "modecmd=G::Block::(x", "not kept: inside a block",
               "END COMMAND)", "script s", "inside a script", "end script", "trailing words"}));
    EXPECT_TRUE(z.settings.vlcLoop);
    EXPECT_EQ(z.settings.fontSize, 14);  // the key with a blank is still ignored
    ASSERT_TRUE(do_default_save(z));
    const std::string first = saved();
    const std::string keyLinesEnd = "right_path=Drives\r\n";
    const std::size_t at = first.find(keyLinesEnd);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(first.substr(at + keyLinesEnd.size(), first.find("[PATHS]") - at - keyLinesEnd.size()),
              crlf({"; my notes", "vlc_loop=1", "font_size =12", "colour_theme=dark", "  end command)",
                    "trailing words", ""}));

    // Read again, they stay where the writer put them; the file does not grow.
    test::FakePlatform fp2;
    Zerin again(fp2.platform);
    again.programFolder = dir.path();
    SettingsLoad(again);
    EXPECT_TRUE(again.settings.vlcLoop);
    EXPECT_EQ(again.modeGroups.group(1)->legacy.at(0).script, "x\r\nnot kept: inside a block\r\n");
    ASSERT_TRUE(do_default_save(again));
    EXPECT_EQ(saved(), first);
}

TEST_F(SettingsFileTest, TwentyPathsPerGroupAtMost) {
    std::string file = "pathgroup=G\r\n";
    for (int p = 1; p <= 21; ++p) file += "path=P" + std::to_string(p) + "::/p\r\n";
    load(file);
    ASSERT_EQ(z.pathGroups.group(1).paths.size(), 20u);
    EXPECT_EQ(z.pathGroups.group(1).paths.back().caption, "P20");
}

TEST_F(SettingsFileTest, LegacyModeCommandsGoToTheLastGroupOfThatName) {
    std::string file = crlf({"modegroup=Files::a", "modegroup=Files::b", "modecmd=Files::Copy::do_file_copy x y",
                             "modecmd=Files::Block::(first", "second", "  end command) trailing", "font_size=11",
                             "modecmd=Unknown::U::(", "font_size=99", "END COMMAND)", "script s", "x",
                             "end script"});
    for (int i = 0; i < 30; ++i) file += "modecmd=Files::C" + std::to_string(i) + "::x\r\n";
    load(file);
    const ModeGroup* first = z.modeGroups.group(1);
    const ModeGroup* last = z.modeGroups.group(2);
    EXPECT_TRUE(first->legacy.empty());
    ASSERT_EQ(last->legacy.size(), 30u);  // the 31st is dropped
    EXPECT_EQ(last->legacy[0].script, "do_file_copy x y");
    EXPECT_EQ(last->legacy[1].name, "Block");
    EXPECT_EQ(last->legacy[1].script, "first\r\nsecond\r\n");
    EXPECT_EQ(last->legacy[29].name, "C27");
    // The block of an unknown group is still read to its end, not taken for settings.
    EXPECT_EQ(z.settings.fontSize, 11);
    EXPECT_EQ(*z.scripts.find("s"), "x");
}

TEST_F(SettingsFileTest, LegacyModeCommandsAreWrittenBackInTheirGroupsAndOrder) {
    // The writer's own form: every group's commands right after its line.
    const std::string head = crlf({"powerdrop=0", "mouse_autofocus=0", "text_log=0", "column_headers=0",
                                   "column_autosize=0", "blink=0", "blink_interval=500", "foldersizes=0",
                                   "use_desktopcolor=1", "vlc_background=0", "mode=1", "start_maximized=1",
                                   "slide_interval=0", "font_size=14", "left_path=Drives", "right_path=Drives", "",
                                   "[PATHS]", "pathgroup_open=0", "", "[MODES]"});
    const std::string modes =
        crlf({"modegroup=Media::media", "modecmd=Media::Interval::do_image_interval",
              "modecmd=Media::Time::do_vlc_playtime", "modecmd=Media::Position::do_vlc_slider",
              "modegroup=Twice::a", "modegroup=Twice::b", "modecmd=Twice::Block::(first line",
              "  second line", "", "END COMMAND)", "modecmd=Twice::Empty::", "modegroup=Plain::plain"});
    const std::string tail = crlf({"", "[SCRIPTS]"});
    load(head + modes + tail);
    ASSERT_TRUE(do_default_save(z));
    EXPECT_EQ(saved(), head + modes + tail);

    // Lines in the older order (all commands after all groups) come back in the same
    // groups, in the same order, with the same texts.
    test::FakePlatform fp2;
    Zerin older(fp2.platform);
    older.programFolder = dir.path();
    dir.write("Zerin.ini", crlf({"modegroup=Files::files", "modegroup=Media::media", "modecmd=Media::Interval::do_image_interval",
                                 "modecmd=Files::Copy::(? a", "? b", "  End Command)", "modecmd=Media::Time::do_vlc_playtime"}));
    SettingsLoad(older);
    ASSERT_TRUE(do_default_save(older));
    test::FakePlatform fp3;
    Zerin again(fp3.platform);
    again.programFolder = dir.path();
    SettingsLoad(again);
    ASSERT_EQ(again.modeGroups.count(), 2u);
    for (int g = 1; g <= 2; ++g) {
        const ModeGroup* before = older.modeGroups.group(g);
        const ModeGroup* after = again.modeGroups.group(g);
        ASSERT_EQ(after->legacy.size(), before->legacy.size()) << g;
        for (std::size_t i = 0; i < before->legacy.size(); ++i) {
            EXPECT_EQ(after->legacy[i].name, before->legacy[i].name);
            EXPECT_EQ(after->legacy[i].script, before->legacy[i].script);
        }
    }
    EXPECT_EQ(again.modeGroups.group(1)->legacy[0].script, "? a\r\n? b\r\n");
    EXPECT_EQ(again.modeGroups.group(2)->legacy[1].name, "Time");
}

TEST_F(SettingsFileTest, UnterminatedBlocksAreDropped) {
    load(crlf({"modegroup=G::g", "script open", "line", "end scrip"}));
    EXPECT_EQ(z.scripts.size(), 0u);
    test::FakePlatform fp2;
    Zerin other(fp2.platform);
    other.programFolder = dir.path();
    dir.write("Zerin.ini", crlf({"modegroup=G::g", "modecmd=G::c::(a", "b"}));
    SettingsLoad(other);
    EXPECT_TRUE(other.modeGroups.group(1)->legacy.empty());
}

TEST_F(SettingsFileTest, WindowsFilesAreReadInTheirCodePageAndLfEndsALine) {
    load("left_path=C:\\R\xe4ksm\xf6rg\xe5s\\\r\nright_path=\x80\nfont_size=10\n");
    EXPECT_EQ(z.panes.path(0), "C:\\Räksmörgås\\");
    EXPECT_EQ(z.panes.path(1), "€");
    EXPECT_EQ(z.settings.fontSize, 10);
    ASSERT_TRUE(do_default_save(z));
    EXPECT_NE(saved().find("left_path=C:\\Räksmörgås\\\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, ASaveThatCannotWriteKeepsTheOldFile) {
    const std::string old = "font_size=9\r\n";
    dir.write("Zerin.ini", old);
    z.settings.fontSize = 20;
    // The temporary file's name is taken by a folder: even root cannot create it.
    std::filesystem::create_directory(temporaryPathFor(dir / "Zerin.ini"));
    EXPECT_FALSE(do_default_save(z));
    EXPECT_EQ(saved(), old);
    EXPECT_EQ(z.txtDebug.text().rfind(settings_messages::kSaveFailed, 0), 0u);
    EXPECT_EQ(std::count(z.txtDebug.text().begin(), z.txtDebug.text().end(), '\n'), 1);
}

TEST_F(SettingsFileTest, ASaveIntoAFolderThatIsAFileFails) {
    dir.write("plain", "x");
    z.programFolder = dir / "plain";
    EXPECT_FALSE(do_default_save(z));
    EXPECT_EQ(dir.read("plain"), "x");
    EXPECT_NE(z.txtDebug.text().find(settings_messages::kSaveFailed), std::string::npos);
}

TEST_F(SettingsFileTest, AFullDiskLeavesTheOldFileWhole) {
    const std::string old = "font_size=9\r\n";
    dir.write("Zerin.ini", old);
    for (int i = 0; i < 200; ++i) z.scripts.add("s" + std::to_string(i), std::string(100, 'x'));
    // A file-size limit makes writes fail the way a full disk does, also for root.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool ok = do_default_save(z);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_EQ(this->saved(), old);
    EXPECT_FALSE(std::filesystem::exists(temporaryPathFor(dir / "Zerin.ini")));
}

TEST_F(SettingsFileTest, ASaveThroughALinkReplacesTheFileItNames) {
    dir.write("real.ini", "old");
    std::filesystem::create_symlink("real.ini", dir / "Zerin.ini");
    ASSERT_TRUE(do_default_save(z));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Zerin.ini"));
    EXPECT_TRUE(dir.read("real.ini").starts_with("powerdrop=0\r\n"));
}

TEST_F(SettingsFileTest, TheCommandSavesAndASaveDuringLoadingIsRefused) {
    registerAllCommands(z);
    EXPECT_EQ(z.dispatcher.call("do_default_save"), "");
    EXPECT_TRUE(saved().starts_with("powerdrop=0\r\n"));
    dir.write("Zerin.ini", "keep");
    z.loadingSettings = true;
    z.dispatcher.call("do_default_save");
    EXPECT_EQ(saved(), "keep");
    EXPECT_NE(z.txtDebug.text().find(settings_messages::kSaveWhileLoading), std::string::npos);
}

}  // namespace
