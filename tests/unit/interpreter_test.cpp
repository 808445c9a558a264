#include <gtest/gtest.h>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"

using namespace zerin;

namespace {

std::string lf(std::string_view s) { return text::replaceAll(s, "\r\n", "\n"); }
std::string crlf(std::string_view s) { return text::replaceAll(s, "\n", "\r\n"); }

// A key state whose Pause key goes down at the n-th query: a key pressed while a loop
// that never pumps events is running.
class PauseAfter : public KeyState {
public:
    explicit PauseAfter(int queries) : m_left(queries) {}
    bool asyncKeyState(int vk) override { return vk == kVkPause && --m_left <= 0; }
    Point cursorPos() override { return {}; }
    void setCursorPos(Point) override {}
    int mouseButtons() override { return 0; }

private:
    int m_left;
};

class InterpreterTest : public ::testing::Test {
protected:
    InterpreterTest() {
        registerAllCommands(z);
        z.settings.textLog = true;
        z.interpreter.setLineBudget(1000000);
    }
    std::string run(std::string_view script, TextBox* buffer = nullptr) {
        if (!buffer) buffer = &z.txtBuffer;
        buffer->setText(crlf(script));
        return z.interpreter.RunEditor("", buffer, "test");
    }
    std::string debug() { return lf(z.txtDebug.text()); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
};

TEST_F(InterpreterTest, AppReturnIsWhatTheRunGivesBack) {
    EXPECT_EQ(run("APP.RETURN first\nx = 2\nAPP.RETURN (x + 1) and more\n? still running"), "3 and more");
    EXPECT_EQ(debug(), "still running\n");
    EXPECT_EQ(run("? nothing returned"), "");
}

TEST_F(InterpreterTest, EmptyAndBlankScriptsRunNothing) {
    EXPECT_EQ(run(""), "");
    EXPECT_EQ(run("\n   \n\t\n"), "");
    EXPECT_EQ(run("", &z.txtCode), "");
    EXPECT_EQ(debug(), "");
}

TEST_F(InterpreterTest, SingleLineRunsOneLineWithoutABuffer) {
    EXPECT_EQ(z.interpreter.RunEditor("  \t? typed (2 + 3)", nullptr, ""), "");
    EXPECT_EQ(debug(), "CLI\ntyped 5 \n");
    z.txtDebug.clear();
    EXPECT_EQ(z.interpreter.RunEditor("APP.RETURN 7", nullptr, ""), "7");
    z.interpreter.RunEditor("GOTO anywhere", nullptr, "");
    EXPECT_EQ(debug(), "CLI\nCLI\nError: Label not found: anywhere\n");
}

TEST_F(InterpreterTest, CompiledRunsKnowTheirCommandName) {
    z.txtBuffer.setText("? I am [command]");
    z.interpreter.RunEditor("", &z.txtBuffer, "Backup all");
    EXPECT_EQ(debug(), "I am Backup all\n");
}

TEST_F(InterpreterTest, IdenticalGroupsInALineShareTheFirstValue) {
    run("? (rnd 1000000) (rnd 1000000) end\n? <(rnd 1000000)|(rnd 1000000)>");
    std::string printed = debug();
    std::vector<std::string_view> lines = text::split(printed, '\n');
    ASSERT_GE(lines.size(), 2u);
    std::vector<std::string_view> words = text::split(lines[0], ' ');
    ASSERT_EQ(words.size(), 3u) << printed;
    EXPECT_EQ(words[0], words[1]);
    std::string_view second = lines[1];
    std::size_t bar = second.find('|');
    ASSERT_NE(bar, std::string_view::npos);
    EXPECT_EQ(second.substr(1, bar - 1), second.substr(bar + 1, bar - 1));
}

TEST_F(InterpreterTest, EditorModeSelectsEachLineAndSkipsCommentsAndDirectives) {
    std::vector<std::string> selected;
    TextBox::Observer watch;
    watch.selectionChanged = [&] {
        if (z.txtCode.selLength() > 0) selected.emplace_back(z.txtCode.selectedText());
    };
    z.txtCode.addObserver(watch);
    run("  ? one\n' note\n#name=x\n\n\tx = 2\n? [x]", &z.txtCode);
    EXPECT_EQ(debug(), "one\n2\n");
    EXPECT_EQ(selected, (std::vector<std::string>{"  ? one", "' note", "#name=x", "\tx = 2", "? [x]"}));
    // The editor's text is run as it is, and the caret ends at its end.
    EXPECT_EQ(z.txtCode.text(), crlf("  ? one\n' note\n#name=x\n\n\tx = 2\n? [x]"));
    EXPECT_EQ(z.txtCode.selStart(), z.txtCode.length());
}

TEST_F(InterpreterTest, PauseKeyStopsALoopThatNeverPumps) {
    PauseAfter keys(3);
    Platform platform{fp.pump, fp.clock, keys, fp.dialogs, fp.processes, fp.sound, fp.system, fp.metrics};
    Zerin zz(platform);
    registerAllCommands(zz);
    zz.txtBuffer.setText("public n = 0\r\ndo forever\r\nn += 1\r\nloop.until forever 0\r\n? never");
    zz.interpreter.RunEditor("", &zz.txtBuffer, "spin");
    EXPECT_TRUE(zz.run.stopRequest);
    EXPECT_EQ(fp.pump.pumps, 0);
    // Ended at once, without the stop message, after a few hundred lines.
    EXPECT_EQ(zz.txtDebug.text(), "");
    ASSERT_NE(zz.publicVars.find("n"), nullptr);
    EXPECT_GT(std::stoi(*zz.publicVars.find("n")), 100);
    EXPECT_LT(std::stoi(*zz.publicVars.find("n")), 2000);
    z.txtCode.setText("x = 1");  // the next run clears the request
    fp.keys.pressedOnce.insert(kVkPause);
    z.interpreter.RunEditor("", &z.txtCode, "");
    EXPECT_TRUE(z.run.stopRequest);
    z.interpreter.RunEditor("", &z.txtCode, "");
    EXPECT_FALSE(z.run.stopRequest);
}

// Lines met for the first time are read for that one run and not kept, and a loop's
// lines are kept from their second turn: both give the same results, and a stop names
// the line run last even when that line was not kept.
TEST_F(InterpreterTest, LinesRunOnceAndLinesRunAgainAgree) {
    EXPECT_EQ(run("s = 0\nfor i = (1 to 3 step 1)\nif (i > 1)\ns += i\nelse\ns += 10\nendif\nnext i\napp.return [s]"), "15");
    z.dispatcher.registerHandler(Cmd::DoEvents, [this](CommandCall&) {
        z.run.stopRequest = true;
        return std::string();
    });
    z.txtDebug.clear();
    run("x = 1\ndo_events\n? never");
    EXPECT_EQ(debug(), "Stopped. Last line was:\ndo_events\n");
}

TEST_F(InterpreterTest, ANestedRunKeepsItsOwnVariablesAndPosition) {
    bool started = false;
    fp.pump.onPump = [&] {
        if (started) return;
        started = true;
        z.txtExec.setText(crlf("x = inner\nGOSUB show\nEND\nshow:\n? nested [x] [command]\nRETURN"));
        z.interpreter.RunEditor("", &z.txtExec, "second");
    };
    run("x = outer\nFOR i = (1 to 3 step 1)\nif (i = 2)\ndo_events\nendif\n? [x] [i] [command]\nNEXT i");
    EXPECT_EQ(debug(), "outer 1 test\nnested inner second\nouter 2 test\nouter 3 test\n");
}

TEST_F(InterpreterTest, LoopListsAreSharedWithNestedRuns) {
    // A nested FOR of the same variable takes over the outer loop's list.
    fp.pump.onPump = [&] {
        fp.pump.onPump = nullptr;
        z.txtExec.setText(crlf("FOR i = 7 8 9\nEND"));
        z.interpreter.RunEditor("", &z.txtExec, "second");
    };
    run("FOR i = 1 2 3\n?. [i]\ndo_events\nNEXT i\n? ");
    EXPECT_EQ(debug(), "189\n");
}

TEST_F(InterpreterTest, SlowModeAndWaitingForInputWaitThroughTheirCommands) {
    std::vector<std::string> waits;
    z.dispatcher.registerHandler(Cmd::DoWait, [&](CommandCall& c) {
        waits.emplace_back(c.arg);
        return std::string();
    });
    int inputWaits = 0;
    z.dispatcher.registerHandler(Cmd::WaitInput, [&](CommandCall&) {
        ++inputWaits;
        z.run.waitingForInput = false;  // the input arrives
        return std::string();
    });
    z.run.slowMode = true;
    run("a = 1\nb = 2");
    EXPECT_EQ(waits.size(), 3u);  // the command line and the two script lines
    EXPECT_EQ(waits[0], "0.2");
    z.run.slowMode = false;
    z.run.waitingForInput = true;
    run("a = 1\nb = 2");
    EXPECT_EQ(inputWaits, 1);
}

TEST_F(InterpreterTest, ALineBudgetEndsEndlessScripts) {
    z.interpreter.setLineBudget(500);
    run("top:\nGOTO top");
    run("? after the budget nothing runs");
    EXPECT_EQ(debug(), "");
    z.interpreter.setLineBudget(0);
    run("? unlimited again");
    EXPECT_EQ(debug(), "unlimited again\n");
}

TEST_F(InterpreterTest, EditorLabelsMustStartTheirLine) {
    run("GOTO a\n  a:\n? indented label\na:\n? found", &z.txtCode);
    EXPECT_EQ(debug(), "found\n");
    z.txtDebug.clear();
    run("GOTO b\n? skipped\n  b:\n? not reached", &z.txtCode);
    EXPECT_EQ(debug(), "Error: Label not found: b\n");
}

TEST_F(InterpreterTest, RunsThatStartThemselvesStopNesting) {
    int calls = 0;
    z.dispatcher.registerHandler(Cmd::Execute, [&](CommandCall&) {
        ++calls;
        TextBox box;
        box.setText("execute self");
        z.interpreter.RunEditor("", &box, "self");
        return std::string();
    });
    run("execute self");
    EXPECT_EQ(calls, 64);
    EXPECT_EQ(debug(), "Error: Too many nested script runs\n");
}

TEST_F(InterpreterTest, BranchTargetsAreFoundOnceAndTakenFromTheCacheAfter) {
    // An editor-mode IF inside a loop: the same answers on every turn.
    run("n = 0\nDO l\nn += 1\nIF (n = 2)\n?. two\nELSEIF (n = 3)\n?. three\nELSE\n?. [n]\nENDIF\n"
        "LOOP.UNTIL l (n = 4)\n? ",
        &z.txtCode);
    EXPECT_EQ(debug(), "1twothree4\n");
}

}  // namespace

namespace {

TEST_F(InterpreterTest, EditsMadeWhileTheScriptWaitsAreRunFromThenOn) {
    fp.pump.onPump = [&] {
        fp.pump.onPump = nullptr;
        std::size_t at = z.txtCode.text().find("old");
        z.txtCode.applyUserEdit(at, 3, "new");  // typed into the editor, no notification
    };
    run("FOR i = 1 2\n? [i] old\ndo_events\nNEXT i", &z.txtCode);
    EXPECT_EQ(debug(), "1 old\n2 new\n");
}

}  // namespace

// A group is replaced by its value and a blank, taking the blank after it when it has
// one; identical groups share one value, in whichever order they are met.
TEST_F(InterpreterTest, GroupsAreReplacedWithTheirBlank) {
    EXPECT_EQ(run("APP.RETURN x(3 * 3)y"), "x9 y");
    EXPECT_EQ(run("APP.RETURN x (3 * 3) y"), "x 9 y");
    EXPECT_EQ(run("APP.RETURN a(1 + 1)b (1 + 1) (1 + 1)(2 + 2)."), "a2 b 2 2 4 .");
}

// A compound step stores the number as written: what is read back next is the text's
// number (0.3), not the unrounded sum, whatever case the name is written in.
TEST_F(InterpreterTest, CompoundStepsReadBackTheWrittenNumber) {
    EXPECT_EQ(run("f = 0.1\nF += 0.2\nf -= 0.3\nAPP.RETURN [f]"), "0");
    EXPECT_EQ(run("Count = 1\ncount += 4\nCOUNT *= 2\nAPP.RETURN [count]"), "10");
    EXPECT_EQ(run("public p = 5\np += 1\nAPP.RETURN (p + 0)"), "6 ");
}
