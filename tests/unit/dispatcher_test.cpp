#include <gtest/gtest.h>

#include <stdexcept>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "script/dispatcher_commands.h"
#include "script/variables.h"
#include "script/vocabulary.h"

using namespace zerin;

namespace {

struct Dispatch : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    std::vector<std::pair<int, std::string>> calls;
    void SetUp() override {
        registerAllCommands(z);
        z.settings.textLog = true;
    }
    void record(Cmd command) {
        z.dispatcher.registerHandler(command, [this](CommandCall& c) {
            calls.emplace_back(c.number, std::string(c.arg));
            return std::string("ok");
        });
    }
    std::string cmd(std::string_view line, int number = 0) { return z.dispatcher.chkCommand(line, locals, number); }
};

TEST_F(Dispatch, ByNameSplitsNameAndArgument) {
    record(Cmd::Cls);
    record(Cmd::WindowMove);
    EXPECT_EQ(cmd("   cls"), "ok");
    EXPECT_EQ(cmd("WINDOW.MOVE 10 20"), "ok");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(109, std::string()));
    EXPECT_EQ(calls[1], std::make_pair(139, std::string("10 20")));
    EXPECT_TRUE(z.run.commandFound);
}

TEST_F(Dispatch, AWordThatIsNoCommandLeavesTheFlagClear) {
    z.run.commandFound = true;
    EXPECT_EQ(cmd("hello world"), "");
    EXPECT_FALSE(z.run.commandFound);
    EXPECT_EQ(z.txtDebug.text(), "");
}

TEST_F(Dispatch, NumbersWithoutHandlerAreReported) {
    EXPECT_EQ(cmd("x", 18), "");
    EXPECT_TRUE(z.run.commandFound);
    EXPECT_EQ(cmd("x", 151), "");
    EXPECT_EQ(cmd("", 142), "");
    EXPECT_EQ(z.txtDebug.text(), "chkCommand: Not found: 18\r\nchkCommand: Not found: 151\r\nchkCommand: Not found: 142\r\n");
    // By name, a reserved word is found and then refused the same way.
    z.txtDebug.clear();
    EXPECT_EQ(cmd("do_if 1"), "");
    EXPECT_EQ(z.txtDebug.text(), "chkCommand: Not found: 18\r\n");
}

TEST_F(Dispatch, AFailingHandlerWritesAnEmptyDebugLine) {
    z.dispatcher.registerHandler(Cmd::Clr, [](CommandCall&) -> std::string { throw std::runtime_error("boom"); });
    EXPECT_EQ(cmd("clr"), "");
    EXPECT_EQ(z.txtDebug.text(), "\r\n");
}

TEST_F(Dispatch, HelpWithANamePrintsItsBlock) {
    z.dispatcher.registerHandler(Cmd::DoWait, [](CommandCall& c) {
        return std::string(c.arg == "/?" ? "# Wait Given Number of Seconds\r\n#\r\n# DO_WAIT [seconds]" : "x");
    });
    EXPECT_EQ(cmd("help \t do_wait  "), "");
    EXPECT_EQ(z.txtDebug.text(), "# Wait Given Number of Seconds\r\n#\r\n# DO_WAIT [seconds]\r\n");
}

TEST_F(Dispatch, HelpAlonePrintsOnePaddedLinePerListedName) {
    z.dispatcher.registerHandler(Cmd::DoWait, [](CommandCall& c) {
        return std::string(c.arg == "/??" ? "Wait Given Number of Seconds" : "");
    });
    EXPECT_EQ(cmd("help"), "");
    EXPECT_FALSE(z.run.stopRequest);  // listing do_script_break does not stop the script
    // Commands other modules have not registered yet add their own "Not found" lines.
    std::vector<std::string_view> lines;
    for (std::string_view l : text::split(z.txtDebug.text(), '\n'))
        if (l.starts_with("# ")) lines.push_back(l);
    ASSERT_EQ(lines.size(), 23u) << z.txtDebug.text();
    EXPECT_EQ(lines[22], "# DO_WAIT                   Wait Given Number of Seconds\r");
    EXPECT_EQ(lines[18], "# DO_TEXT_SAVE              \r");  // not a command: nothing after the name
    for (std::size_t i = 0; i < 23; ++i) EXPECT_TRUE(lines[i].starts_with("# " + text::upper(kHelpList[i]))) << i;
}

TEST_F(Dispatch, ClockCommandsAreLocaleIndependent) {
    fp.clock.time = LocalTime{2026, 3, 7, 9, 5, 1, 66, 6};
    EXPECT_EQ(cmd("do_time"), "09:05:01");
    EXPECT_EQ(cmd("do_date"), "2026-03-07");
}

TEST_F(Dispatch, BreakEventsAndCommandTable) {
    EXPECT_EQ(cmd("do_script_break"), "");
    EXPECT_TRUE(z.run.stopRequest);
    int before = fp.pump.pumps;
    EXPECT_EQ(cmd("do_events"), "");
    EXPECT_EQ(fp.pump.pumps, before + 1);
    std::string table = cmd("do.allcommands");
    EXPECT_TRUE(table.starts_with(" rnd 1 int 2"));
    EXPECT_TRUE(table.ends_with("gfx.mouse.y 150 "));
    EXPECT_EQ(table, vocabulary::commandTable());
}

}  // namespace

namespace {

// With every module registered, the listing asks each command only for its summary:
// nothing starts, nothing asks the user, and the script goes on.
TEST_F(Dispatch, HelpListingHasNoSideEffects) {
    EXPECT_EQ(cmd("help"), "");
    EXPECT_EQ(cmd("help DO_RUNWAIT"), "");
    EXPECT_TRUE(fp.dialogs.shown.empty());
    EXPECT_TRUE(fp.processes.started.empty());
    EXPECT_FALSE(z.run.stopRequest);
}

}  // namespace
