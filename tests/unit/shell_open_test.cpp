// Opening files through the desktop: the request the shell gets, a failure turned into
// its error number and message, the Linux launcher's results for a missing file, a
// missing folder, a file that may not be read and a launcher that finds no application,
// and a pane's file going to the shell.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/navigation.h"
#include "panes/pane_actions.h"
#include "panes/pane_model.h"
#include "platform/linux/monotonic_clock.h"
#include "platform/linux/posix_processes.h"
#include "platform/linux/xdg_shell.h"
#include "platform/shell.h"

namespace zerin {
namespace {

namespace fs = std::filesystem;

struct RecordingShell : Shell {
    int answer = shellResult::kAccepted;
    std::vector<ShellRequest> requests;
    int execute(const ShellRequest& r) override {
        requests.push_back(r);
        return answer;
    }
};

TEST(ShellEx, TheRequestKeepsThePathWholeAndPicksTheShowMode) {
    RecordingShell shell;
    ShellError raised;
    ASSERT_TRUE(shellEx(&shell, "/home/ann/My Letter \"draft\".odt", 10, "", "", "open", raised));
    EXPECT_EQ(shell.requests.back().file, "/home/ann/My Letter \"draft\".odt");
    EXPECT_EQ(shell.requests.back().verb, "open");
    EXPECT_EQ(shell.requests.back().showMode, 1);

    ASSERT_TRUE(shellEx(&shell, "/opt/tool.EXE", 10, "-x", "", "open", raised));
    EXPECT_EQ(shell.requests.back().showMode, 0);
    EXPECT_EQ(shell.requests.back().parameters, "-x");
    ASSERT_TRUE(shellEx(&shell, "/opt/tool.exe", 10, "", "", "open", raised));
    EXPECT_EQ(shell.requests.back().showMode, 1);
    ASSERT_TRUE(shellEx(&shell, "/opt/run", 10, "", "/tmp", "open", raised));
    EXPECT_EQ(shell.requests.back().showMode, 10);
    EXPECT_EQ(shell.requests.back().folder, "/tmp");
}

TEST(ShellEx, FailuresRaiseTheirNumberSourceAndMessage) {
    RecordingShell shell;
    struct Case {
        int result;
        std::int32_t number;
        std::string message;
    };
    const Case cases[] = {
        {2, 53, "File not found"},
        {3, 76, "Path not found"},
        {5, 75, "Path/file access error"},
        {0, 7, "Out of memory"},
        {31, shellBaseNumber(31), "No application is associated with this file type."},
        {17, shellBaseNumber(17), "An error occurred occurred whilst trying to open or print the selected file."},
    };
    for (const Case& c : cases) {
        shell.answer = c.result;
        ShellError raised;
        EXPECT_FALSE(shellEx(&shell, "/x.odt", 10, "", "", "open", raised)) << c.result;
        EXPECT_EQ(raised.number, c.number) << c.result;
        EXPECT_EQ(raised.description, c.message);
        EXPECT_EQ(raised.source, "zerin.GShell");
    }
    EXPECT_EQ(shellBaseNumber(31), static_cast<std::int32_t>(0x80040418u + 31u));
    // A negative result is success, as is any result above 32.
    shell.answer = -1;
    ShellError none;
    EXPECT_TRUE(shellEx(&shell, "/x.odt", 10, "", "", "open", none));
    EXPECT_TRUE(none.description.empty());
    // No shell at all: no application takes the file.
    EXPECT_FALSE(shellEx(nullptr, "/x.odt", 10, "", "", "open", none));
    EXPECT_EQ(none.number, shellBaseNumber(31));
}

class XdgOpen : public ::testing::Test {
protected:
    XdgOpen() {
        dir = fs::temp_directory_path() / ("zerin_xdg_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        launcher = dir / "launcher.sh";
        log = dir / "launched.txt";
    }
    ~XdgOpen() override { fs::remove_all(dir); }
    void launcherExits(int code) {
        std::ofstream(launcher) << "#!/bin/sh\nprintf '%s\\n' \"$#:$1\" > '" << log.string() << "'\nexit " << code << "\n";
        fs::permissions(launcher, fs::perms::owner_all);
    }
    int open(const std::string& file) {
        linux_platform::XdgShell shell(processes, fp.pump, clock, launcher.string());
        shell.waitMs = 5000;
        return shell.execute({"open", file, "", "", 1});
    }
    std::string launched() const {
        std::ifstream in(log);
        std::string line;
        std::getline(in, line);
        return line;
    }

    fs::path dir, launcher, log;
    test::FakePlatform fp;
    linux_platform::PosixProcesses processes;
    linux_platform::MonotonicClock clock;
};

TEST_F(XdgOpen, TheFileIsLookedAtAndTheLauncherGetsItAsOneArgument) {
    launcherExits(0);
    const fs::path doc = dir / "a letter; $(echo no).odt";
    std::ofstream(doc) << "x";
    EXPECT_EQ(open(doc.string()), shellResult::kAccepted);
    EXPECT_EQ(launched(), "1:" + doc.string());

    EXPECT_EQ(open((dir / "missing.odt").string()), shellResult::kFileNotFound);
    EXPECT_EQ(open((dir / "gone" / "missing.odt").string()), shellResult::kPathNotFound);
    EXPECT_EQ(open((doc / "x").string()), shellResult::kPathNotFound);
    if (::geteuid() != 0) {
        fs::permissions(doc, fs::perms::none);
        EXPECT_EQ(open(doc.string()), shellResult::kAccessDenied);
        fs::permissions(doc, fs::perms::owner_read | fs::perms::owner_write);
    }

    launcherExits(3);
    EXPECT_EQ(open(doc.string()), shellResult::kNoAssociation);
    launcherExits(4);
    EXPECT_EQ(open(doc.string()), shellResult::kNoAssociation);
    launcher = dir / "no-such-launcher";
    EXPECT_EQ(open(doc.string()), shellResult::kNoAssociation);
}

TEST_F(XdgOpen, AMissingFileGivesFalseWithFileNotFoundAnd53) {
    launcherExits(0);
    linux_platform::XdgShell shell(processes, fp.pump, clock, launcher.string());
    ShellError raised;
    EXPECT_FALSE(shellEx(&shell, (dir / "nothing here.pdf").string(), 10, "", "", "open", raised));
    EXPECT_EQ(raised.description, "File not found");
    EXPECT_EQ(raised.number, 53);
    EXPECT_FALSE(fs::exists(log));  // the launcher was not started
}

TEST(PaneOpen, AFileThatIsNoTextNorArchiveGoesToTheShell) {
    test::FakePlatform fp;
    RecordingShell shell;
    fp.platform.shell = &shell;
    Zerin z{fp.platform};
    test::MemoryFileSystem mfs;
    z.fileSystem = &mfs;
    ListItem photo;
    photo.tag = "/p/photo one.jpg";
    z.panes.list(0).add(photo);
    ListItem notes;
    notes.tag = "/p/notes.txt";
    z.panes.list(0).add(notes);
    EXPECT_TRUE(openItem(z, 0, 0));
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].file, "/p/photo one.jpg");
    EXPECT_EQ(shell.requests[0].verb, "open");
    EXPECT_TRUE(fp.dialogs.shown.empty());
    // A failure the user caused is shown to the user, once, with the file's name.
    shell.answer = shellResult::kNoAssociation;
    EXPECT_FALSE(openItem(z, 0, 0));
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "No application is associated with this file type.\n\"/p/photo one.jpg\"");
    // A text file goes to the editor, never to the shell.
    openItem(z, 0, 1);
    EXPECT_EQ(shell.requests.size(), 2u);
}

TEST(OpenWith, EachSelectedPathIsOneArgumentAndAProgramThatWillNotStartIsSaid) {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    for (const char* tag : {"/p/a song; rm -rf ~.mp3", "scriptkey", "/p/b.mp3", "/p/c/"}) {
        ListItem item;
        item.tag = tag;
        item.selected = std::string_view(tag) != "/p/b.mp3";
        z.panes.list(0).add(item);
    }
    const std::vector<std::string> paths = selectedPaths(z.panes, 0);
    EXPECT_EQ(paths, (std::vector<std::string>{"/p/a song; rm -rf ~.mp3", "/p/c/"}));
    EXPECT_EQ(pathsText(paths), "/p/a song; rm -rf ~.mp3\n/p/c/");
    EXPECT_TRUE(openWith(z, "  vlc ", paths));
    ASSERT_EQ(fp.processes.started.size(), 1u);
    EXPECT_EQ(fp.processes.started[0], (std::vector<std::string>{"vlc", "/p/a song; rm -rf ~.mp3", "/p/c/"}));
    EXPECT_FALSE(openWith(z, "   ", paths));
    EXPECT_TRUE(fp.dialogs.shown.empty());
    fp.processes.failStart = true;
    EXPECT_FALSE(openWith(z, "no-such-player", paths));
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, std::string(paneActionText::kCannotStart) + "no-such-player");
}

}  // namespace
}  // namespace zerin
