// Real programs started through the Linux process service, with the commands on top.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "core/command_words.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "platform/linux/posix_processes.h"
#include "script/identifiers.h"
#include "platform/linux/linux_system_services.h"

using namespace zerin;
using namespace zerin::linux_platform;
namespace fs = std::filesystem;

namespace {

int waitFor(RunningProcess& p) {
    int code = -999;
    for (int i = 0; i < 1000 && !p.finished(code); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return code;
}

// The commands with every service faked except the starting of programs.
class RealPrograms : public ::testing::Test {
protected:
    RealPrograms() {
        registerAllCommands(z);
        z.settings.textLog = true;
        dir = fs::temp_directory_path() / ("zerin_spawn_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        previous = fs::current_path();
        fs::current_path(dir);
    }
    ~RealPrograms() override {
        fs::current_path(previous);
        fs::remove_all(dir);
    }
    std::vector<std::string> recordedArgs(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::string> args;
        std::size_t start = 0;
        for (std::size_t nul; (nul = all.find('\0', start)) != std::string::npos; start = nul + 1)
            args.push_back(all.substr(start, nul - start));
        return args;
    }

    test::FakePlatform fp;
    PosixProcesses processes;
    Platform platform{fp.pump, fp.clock, fp.keys, fp.dialogs, processes, fp.sound, fp.system, fp.metrics};
    Zerin z{platform};
    fs::path dir, previous;
};

}  // namespace

TEST(PosixProcesses, ExitStatusAndSignals) {
    PosixProcesses p;
    auto exits3 = p.start({"/bin/sh", "-c", "exit 3"}, WindowStyle::Hidden);
    ASSERT_TRUE(exits3);
    EXPECT_EQ(waitFor(*exits3), 3);
    int again = 0;
    EXPECT_TRUE(exits3->finished(again));
    EXPECT_EQ(again, 3);

    auto killed = p.start({"/bin/sh", "-c", "kill -TERM $$"}, WindowStyle::Hidden);
    ASSERT_TRUE(killed);
    EXPECT_EQ(waitFor(*killed), 128 + 15);

    // Standard input is /dev/null (a read ends at once), and the program leads its own session.
    auto reads = p.start({"/bin/sh", "-c", "read x; echo $?"}, WindowStyle::Hidden);
    ASSERT_TRUE(reads);
    EXPECT_EQ(waitFor(*reads), 0);
    auto session = p.start({"/bin/sh", "-c", R"(read -r pid comm state ppid pgrp sid rest < /proc/$$/stat; test "$sid" = "$$")"},
                           WindowStyle::Hidden);
    ASSERT_TRUE(session);
    EXPECT_EQ(waitFor(*session), 0);
}

TEST(PosixProcesses, ProgramsThatCannotStart) {
    PosixProcesses p;
    EXPECT_FALSE(p.start({}, WindowStyle::Normal));
    EXPECT_FALSE(p.start({""}, WindowStyle::Normal));
    EXPECT_FALSE(p.start({"/no/such/program"}, WindowStyle::Normal));
    EXPECT_FALSE(p.start({"zerin-no-such-program-on-path"}, WindowStyle::Normal));
    EXPECT_FALSE(p.start({"/tmp"}, WindowStyle::Normal));
    fs::path plain = fs::temp_directory_path() / ("zerin_plain_" + std::to_string(::getpid()));
    std::ofstream(plain) << "exit 0\n";
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(p.start({plain.string()}, WindowStyle::Normal));
    fs::remove(plain);
}

TEST_F(RealPrograms, RunWaitReturnsTheProgramsExitCode) {
    EXPECT_EQ(z.dispatcher.call(R"(do_runwait /bin/sh -c "exit 3")"), "3");
    EXPECT_EQ(z.txtDebug.text(), "RunWait exitcode: '3'\r\n");
    EXPECT_GE(fp.pump.pumps, 1);
}

TEST_F(RealPrograms, HostileFileNameArrivesAsOneArgumentAndRunsNothing) {
    const std::string name = R"(a"; touch pwned; ".txt)";
    const std::string hostile = (dir / name).string();
    const std::string tricky = (dir / "$(touch pwned2) `touch pwned3` x'y\\z (1).jpg").string();
    for (const std::string& path : {hostile, tricky}) {
        ListItem item;
        item.tag = path;
        item.selected = true;
        z.panes.list(z.panes.sourcePane()).add(item);
    }
    // What a script line `do_run "program" (source_allselected)` substitutes.
    Variables locals;
    std::string selection = identifierLookup(z, "source_allselected", locals);
    EXPECT_EQ(z.dispatcher.call("do_runwait_s " ZERIN_RECORD_ARGS " out.bin " + selection), "0");
    EXPECT_EQ(recordedArgs(dir / "out.bin"), (std::vector<std::string>{hostile, tricky}));

    fp.dialogs.answers.push_back(MsgResult::Ok);
    z.dispatcher.call("do_run " ZERIN_RECORD_ARGS " run.bin " + selection);
    for (int i = 0; i < 200 && !fs::exists(dir / "run.bin"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(recordedArgs(dir / "run.bin"), (std::vector<std::string>{hostile, tricky}));

    for (const char* made : {"pwned", "pwned2", "pwned3"}) EXPECT_FALSE(fs::exists(dir / made)) << made;
}

TEST_F(RealPrograms, ProgramNotFoundTakesTheFailurePath) {
    fp.dialogs.answers.push_back(MsgResult::Ok);
    z.dispatcher.call("do_run /no/such/program x");
    EXPECT_EQ(z.txtDebug.text(), "#!/no/such/program x\r\n#Error executing: /no/such/program x\r\n");
    EXPECT_EQ(fp.dialogs.shown.back().text, "Some kind of error. Really sorry. Really.");
}

TEST(LinuxSystemServices, LoweringTheThreadsPriorityIsReadBack) {
    // Always allowed, and it changes only the calling thread: try it on a thread of its own.
    int seen = 99;
    std::thread([&] {
        LinuxSystemServices s;
        if (s.setThreadPriority(-1)) seen = s.threadPriority();
    }).join();
    EXPECT_EQ(seen, -1);
}
