#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands/general_messages.h"
#include "core/colours.h"
#include "app/program.h"
#include "app/settings_file.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "temp_dir.h"

using namespace zerin;
namespace gt = zerin::general_text;

namespace {

class RecordingUi : public UiHost {
public:
    bool showTitleBar(bool show) override {
        calls.push_back(show);
        if (!refuse) shown = show;
        return !refuse;
    }
    bool titleBarShown() const override { return shown; }
    void focusOutputText() override { ++focused; }
    void setModeButtonColour(std::string_view command, std::uint32_t colour) override {
        colouredCommand = command;
        colouredWith = colour;
    }
    bool shown = true;
    bool refuse = false;
    std::vector<bool> calls;
    int focused = 0;
    std::string colouredCommand;
    std::uint32_t colouredWith = 0;
};

class GeneralCommands : public ::testing::Test {
protected:
    GeneralCommands() {
        registerAllCommands(z);
        z.settings.textLog = true;
        z.ui = &ui;
    }
    std::string call(std::string_view line) { return z.dispatcher.call(line); }
    const std::string& debug() const { return z.txtDebug.text(); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    RecordingUi ui;
};

}  // namespace

TEST_F(GeneralCommands, WaitPumpsUntilTheTimeHasPassed) {
    std::int64_t start = fp.pump.nowMs;
    EXPECT_EQ(call("wait 0.5"), "");
    EXPECT_GT(fp.pump.nowMs - start, 500);
    EXPECT_LT(fp.pump.nowMs - start, 500 + 2 * 48);
    EXPECT_EQ(fp.pump.pumps, 11);  // one pump per 48 ms pass

    // No argument: one pass.
    fp.pump.pumps = 0;
    start = fp.pump.nowMs;
    call("do_wait");
    EXPECT_EQ(fp.pump.nowMs - start, 48);
    EXPECT_EQ(fp.pump.pumps, 1);

    EXPECT_EQ(call("do_wait /?"), gt::kWaitHelp);
    EXPECT_EQ(call("wait /??"), gt::kWaitDescription);
}

TEST_F(GeneralCommands, WaitAcrossTheTickCounterWrapEnds) {
    fp.pump.nowMs = 0x100000000LL - 100;  // the 32-bit tick count wraps 100 ms from now
    std::int64_t start = fp.pump.nowMs;
    call("wait 0.3");
    EXPECT_GT(fp.pump.nowMs - start, 300);
    EXPECT_LT(fp.pump.nowMs - start, 400);
}

TEST_F(GeneralCommands, RunWaitReturnsTheExitCodeAndKeepsPumping) {
    fp.processes.exitCode = 3;
    fp.processes.pollsUntilExit = 4;
    EXPECT_EQ(call(R"(do_runwait "/usr/bin/convert" "a b.png" c.jpg)"), "3");
    ASSERT_EQ(fp.processes.started.size(), 1u);
    EXPECT_EQ(fp.processes.started[0], (std::vector<std::string>{"/usr/bin/convert", "a b.png", "c.jpg"}));
    EXPECT_EQ(fp.pump.pumps, 5);
    EXPECT_EQ(debug(), "RunWait exitcode: '3'\r\n");
}

TEST_F(GeneralCommands, RunWaitWithoutProgram) {
    EXPECT_EQ(call("do_runwait"), "");
    EXPECT_EQ(call("do_runwait_s    "), "");
    EXPECT_TRUE(fp.processes.started.empty());
    EXPECT_EQ(fp.pump.pumps, 0);
    fp.processes.failStart = true;
    EXPECT_EQ(call("do_runwait /no/such/program"), "");
    EXPECT_EQ(debug(), "\r\n");
}

TEST_F(GeneralCommands, RunAsksFirstAndLogsAfterTheSelection) {
    EXPECT_EQ(call("do_run /usr/bin/gimp x.png"), "");
    EXPECT_TRUE(fp.processes.started.empty());
    EXPECT_EQ(debug(), "");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].title, gt::kExecuteTitle);
    EXPECT_EQ(fp.dialogs.shown[0].text, "/usr/bin/gimp x.png");

    z.txtDebug.setText("one\r\ntwo");
    z.txtDebug.select(0, 3);
    fp.dialogs.answers.push_back(MsgResult::Ok);
    call(R"(do_run_s "/usr/bin/gimp" "/p/photo (1) a:[b:]c.jpg" )");
    ASSERT_EQ(fp.processes.started.size(), 1u);
    // The command gets its argument as the line's receiver: nothing is turned back twice.
    EXPECT_EQ(fp.processes.started[0][1], "/p/photo (1) a:[b:]c.jpg");
    std::string logged = R"(# "/usr/bin/gimp" "/p/photo (1) a:[b:]c.jpg" )" "\r\n";
    EXPECT_EQ(debug(), "one" + logged + "\r\ntwo");
    EXPECT_EQ(z.txtDebug.selectedText(), logged);
}

TEST_F(GeneralCommands, RunFailureLogsAndApologises) {
    fp.processes.failStart = true;
    fp.dialogs.answers.push_back(MsgResult::Ok);
    call("do_run nosuchprogram");
    EXPECT_EQ(debug(), "#!nosuchprogram\r\n#Error executing: nosuchprogram\r\n");
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[1].text, gt::kRunFailed);

    // With the text log off only the box remains.
    z.txtDebug.clear();
    z.settings.textLog = false;
    fp.dialogs.answers.push_back(MsgResult::Ok);
    call("do_run nosuchprogram");
    EXPECT_EQ(debug(), "");
    EXPECT_EQ(fp.dialogs.shown.size(), 4u);
}

TEST_F(GeneralCommands, QuestionsAndTheInputBox) {
    fp.dialogs.answers = {MsgResult::Ok, MsgResult::Cancel, MsgResult::Ok, MsgResult::Cancel};
    EXPECT_EQ(call("query Delete all?"), "1");
    EXPECT_EQ(call("query Delete all?"), "0");
    EXPECT_EQ(call("do_query_okcancel Sure?"), "1");
    EXPECT_EQ(call("do_query_okcancel Sure?"), "0");
    EXPECT_EQ(fp.dialogs.shown[0].text, "Delete all?");
    EXPECT_EQ(fp.dialogs.shown[0].title, gt::kProgramName);
    EXPECT_EQ(fp.dialogs.shown[0].buttons, MsgButtons::OkCancel);

    fp.dialogs.inputs = {std::string("Anna"), std::nullopt};
    EXPECT_EQ(call("input Your name?"), "Anna");
    EXPECT_EQ(call("input Again?"), "");
    EXPECT_EQ(fp.dialogs.prompts, (std::vector<std::string>{"Your name?", "Again?"}));
}

TEST_F(GeneralCommands, ThreadPriority) {
    EXPECT_EQ(call("thread.priority lowest"), "THREAD_PRIORITY_NORMAL");
    EXPECT_EQ(fp.system.priority, 0);
    EXPECT_EQ(debug(), std::string(gt::kPriorityUsage) + "\r\n");

    z.txtDebug.clear();
    EXPECT_EQ(call("thread.priority  thread_priority_highest "), "THREAD_PRIORITY_NORMAL");
    EXPECT_EQ(fp.system.priority, 2);
    EXPECT_EQ(call("thread.priority"), "THREAD_PRIORITY_HIGHEST");
    EXPECT_EQ(debug(), "");
    fp.system.priority = 7;  // no word for this level
    EXPECT_EQ(call("thread.priority"), "");
}

TEST_F(GeneralCommands, TimingCommands) {
    fp.pump.nowMs = 1000;
    EXPECT_EQ(call("time.tickcount"), " 1000");
    // The first call measures from tick 0.
    EXPECT_EQ(call("time.factor"), "25");
    EXPECT_EQ(call("time.factor"), "0.025");  // same millisecond counts as one
    fp.pump.nowMs += 120;
    EXPECT_EQ(call("time.factor"), "3");

    EXPECT_EQ(call("time.fps"), "0.892857142857143");
    fp.pump.nowMs += 40;
    EXPECT_EQ(call("time.fps"), "25");
    // No time since the previous call: the division fails as a command failure.
    EXPECT_EQ(call("time.fps"), "");
    EXPECT_EQ(debug(), "\r\n");

    fp.pump.nowMs = 0xFFFFFFFFLL;  // the tick count as a signed 32-bit number
    EXPECT_EQ(call("time.tickcount"), "-1");
}

TEST_F(GeneralCommands, InputTextAndWaitsForIt) {
    z.run.inputText = "OK";
    EXPECT_EQ(call("window.input"), "OK");
    EXPECT_EQ(call("window.input  RESET "), "OK");
    EXPECT_EQ(z.run.inputText, "");

    // Without the output window the waits return at once.
    z.run.inputText = "old";
    EXPECT_EQ(call("wait.input"), "");
    EXPECT_FALSE(z.run.waitingForInput);
    EXPECT_EQ(call("wait.input.text Name: "), "");
    EXPECT_EQ(debug(), std::string("Name: ") + std::string(gt::kWaitInputTextNeedsWindow) + "\r\n");
    EXPECT_FALSE(z.run.waitingForTextInput);
    EXPECT_EQ(fp.pump.pumps, 0);

    TextBox output;
    output.setText("Hello\r\n");
    z.output.setOutputWindowText(&output);
    fp.pump.onPump = [&] {
        if (fp.pump.pumps < 3) return;
        z.run.inputText = "cmdOk";
        z.run.waitingForInput = false;
    };
    EXPECT_EQ(call("wait.input"), "cmdOk");
    EXPECT_EQ(fp.pump.pumps, 3);

    fp.pump.onPump = [&] {
        EXPECT_TRUE(z.run.waitingForTextInput);
        z.run.stopRequest = true;
    };
    EXPECT_EQ(call("wait.input.text Name: "), "");
    EXPECT_EQ(output.text(), "Hello\r\nName: ");
    EXPECT_EQ(z.run.inputLineStart, output.length());
    EXPECT_EQ(ui.focused, 1);
    EXPECT_FALSE(z.run.waitingForTextInput);
    z.output.setOutputWindowText(nullptr);
}

TEST_F(GeneralCommands, PauseHoldsUntilAStopRequest) {
    fp.pump.onPump = [&] {
        EXPECT_TRUE(z.run.paused);
        if (fp.pump.pumps == 4) z.run.stopRequest = true;
    };
    call("do_pause");
    EXPECT_EQ(fp.pump.pumps, 4);
    EXPECT_FALSE(z.run.paused);
}

TEST_F(GeneralCommands, SmallSwitches) {
    call("do_slow");
    EXPECT_TRUE(z.run.slowMode);
    call("do_slow");
    EXPECT_FALSE(z.run.slowMode);

    TextBox output;
    output.setText("x");
    z.output.setOutputWindowText(&output);
    z.txtDebug.setText("lots");
    EXPECT_EQ(call("clr"), "true");
    EXPECT_EQ(debug(), "");
    EXPECT_EQ(output.text(), "");
    z.output.setOutputWindowText(nullptr);

    EXPECT_EQ(call("do.titlebar"), "on");
    EXPECT_EQ(call("do.titlebar on"), "");
    EXPECT_TRUE(ui.calls.empty());  // already shown
    EXPECT_EQ(call("do.titlebar /S"), "");
    EXPECT_EQ(ui.calls, std::vector<bool>{false});
    EXPECT_EQ(call("do.titlebar what"), "");
    ui.refuse = true;
    call("do.titlebar on");
    EXPECT_EQ(debug(), std::string(gt::kTitlebarError) + "\r\n");

    z.txtDebug.clear();
    call("hibernate");
    EXPECT_EQ(fp.system.hibernateCalls, 1);
    EXPECT_EQ(debug(), std::string(gt::kHibernateRefused) + "refused by the fake\r\n");
}

TEST_F(GeneralCommands, MouseAutofocusSwitchesAndColoursItsButton) {
    z.settings.mode = 2;  // mode colour 0x66ee66
    EXPECT_EQ(call("do_mouse_autofocus /??"), gt::kAutofocusDescription);
    EXPECT_EQ(call("do_mouse_autofocus /DESCRIPTION"), gt::kAutofocusDescription);
    EXPECT_EQ(call("do_mouse_autofocus /?"), gt::kAutofocusHelp);
    EXPECT_EQ(call("do_mouse_autofocus"), "0");
    EXPECT_EQ(call("do_mouse_autofocus /s"), "0");
    EXPECT_TRUE(ui.colouredCommand.empty());

    EXPECT_EQ(call("do_mouse_autofocus /S"), "1");
    EXPECT_TRUE(z.settings.mouseAutofocus);
    EXPECT_EQ(ui.colouredCommand, "do_mouse_autofocus");
    EXPECT_EQ(ui.colouredWith, brighten(0x66ee66, 160));
    EXPECT_EQ(z.highlightColour, ui.colouredWith);

    ui.colouredCommand.clear();
    EXPECT_EQ(call("do_mouse_autofocus 1"), "1");  // no change, no colouring
    EXPECT_TRUE(ui.colouredCommand.empty());
    EXPECT_EQ(call("do_mouse_autofocus 0"), "0");
    EXPECT_EQ(ui.colouredWith, 0x66ee66u);
}

TEST_F(GeneralCommands, ExecuteFindsStoredScriptsByLocationAndName) {
    EXPECT_EQ(call(R"(execute "Bar\NoSuch" a b)"), "");
    EXPECT_EQ(debug(), "can't execute. Script not found\r\nbar\\nosuch\r\n");

    z.scripts.add("tools\\greet", "#NAME=Greet\r\n#LOCATION=Tools\r\n? hello [command]\r\nAPP.RETURN done\r\n");
    z.txtDebug.clear();
    EXPECT_EQ(call(R"(execute  "tools\GREET"   big world)"), "done");
    EXPECT_EQ(debug(), "hello big world\r\n");
}

TEST_F(GeneralCommands, ExecuteInsideAnExecutedScriptLeavesTheOuterRunIntact) {
    z.scripts.add("lib\\outer", "#NAME=outer\r\n#LOCATION=lib\r\n? one\r\nexecute lib\\inner\r\n? three\r\nAPP.RETURN outer\r\n");
    z.scripts.add("lib\\inner", "#NAME=inner\r\n#LOCATION=lib\r\n? two\r\nAPP.RETURN inner\r\n");
    EXPECT_EQ(call("execute lib\\outer"), "outer");
    EXPECT_EQ(debug(), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(z.general.executeDepth, 0);
}

TEST_F(GeneralCommands, SoundLoadAndPlay) {
    test::TempDir dir;
    // A mono 16-bit WAV of two samples.
    const std::string samples("\x01\x02\x03\x04", 4);
    std::string wav("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\x04\0\0\0", 44);
    wav += samples;
    dir.write("ding.wav", wav);
    z.programFolder = dir.path();
    call(R"(sound.load "ding.wav")");
    EXPECT_EQ(z.general.soundBuffer.size(), wav.size());
    EXPECT_EQ(debug(), "");

    call("sound.load /no/such.wav");
    EXPECT_EQ(debug(), std::string(gt::kSoundOpening) + "/no/such.wav\r\n");
    EXPECT_EQ(z.general.soundBuffer.size(), wav.size());

    z.txtDebug.clear();
    call("sound.play 65535 &h8000");
    EXPECT_EQ(fp.sound.volume, 0x8000FFFFu);
    ASSERT_EQ(fp.sound.played.size(), 1u);
    // Mono takes the left volume word, here full: the samples play unchanged.
    EXPECT_EQ(fp.sound.played[0].sampleRate, 8000u);
    EXPECT_EQ(std::string(fp.sound.played[0].samples.begin(), fp.sound.played[0].samples.end()), samples);
    // The first number keeps its low 16 bits; one number alone is no volume at all.
    call("sound.play 65537 1");
    EXPECT_EQ(fp.sound.volume, 0x00010001u);
    call("sound.play 40000");
    EXPECT_EQ(fp.sound.volume, 0u);
    call("sound.play");
    EXPECT_EQ(fp.sound.volume, 0u);
    EXPECT_EQ(debug(), "");

    fp.sound.refuseReason = "not a WAV file";
    call("sound.play 1 1");
    EXPECT_EQ(debug(), std::string(gt::kSoundNotPlayed) + "not a WAV file\r\n");
}

// help alone asks every listed command for its summary: nothing it asks may change a
// setting, a pane or what the next save writes.
TEST_F(GeneralCommands, HelpChangesNoSettingAndNoPane) {
    z.settings.columnHeaders = 1;
    z.settings.columnAutosize = true;
    z.settings.fontSize = 12;
    z.panes.focusedPane = 0;
    for (int p = 0; p <= 1; ++p) z.panes.controls(p).headersVisible = true;
    int notified = 0;
    z.panes.addControlsObserver([&notified](int) { ++notified; });
    const std::string before = settingsText(z);
    call("help");
    EXPECT_EQ(settingsText(z), before);
    EXPECT_TRUE(z.panes.controls(0).headersVisible);
    EXPECT_TRUE(z.panes.controls(1).headersVisible);
    EXPECT_EQ(notified, 0);
    EXPECT_FALSE(z.run.stopRequest);
    EXPECT_EQ(z.publicVars.indexText(), "");
}

// Called directly, a command that does not know the help convention takes "/??" and
// "/?" for what its argument always is: a question, a command line.
TEST_F(GeneralCommands, HelpWordsAreOrdinaryArgumentsOfTheRunCommandsAndTheQuestion) {
    fp.dialogs.answers = {MsgResult::Cancel, MsgResult::Ok};
    EXPECT_EQ(call("do_query_okcancel /??"), "0");
    EXPECT_EQ(call("do_query_okcancel /?"), "1");
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "/??");
    EXPECT_EQ(fp.dialogs.shown[1].text, "/?");

    fp.dialogs.answers = {MsgResult::Ok};
    EXPECT_EQ(call("do_run /?"), "");
    ASSERT_EQ(fp.dialogs.shown.size(), 3u);
    EXPECT_EQ(fp.dialogs.shown[2].title, gt::kExecuteTitle);
    EXPECT_EQ(fp.dialogs.shown[2].text, "/?");
    ASSERT_EQ(fp.processes.started.size(), 1u);
    EXPECT_EQ(fp.processes.started[0], std::vector<std::string>{"/?"});

    EXPECT_EQ(call("do_runwait_s /??"), "0");
    ASSERT_EQ(fp.processes.started.size(), 2u);
    EXPECT_EQ(fp.processes.started[1], std::vector<std::string>{"/??"});
}

TEST_F(GeneralCommands, HelpListsTheSummariesWithoutRunningAnything) {
    call("help");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = debug().find("\r\n", start)) != std::string::npos; start = end + 2)
        if (debug().compare(start, 2, "# ") == 0) lines.push_back(debug().substr(start, end - start));
    ASSERT_EQ(lines.size(), 23u) << debug();
    EXPECT_EQ(lines[6], "# DO_MOUSE_AUTOFOCUS        " + std::string(gt::kAutofocusDescription));
    EXPECT_EQ(lines[7], "# DO_QUERY_OKCANCEL         ");
    EXPECT_EQ(lines[8], "# DO_RUN                    ");
    EXPECT_EQ(lines[10], "# DO_RUNWAIT                ");
    EXPECT_EQ(lines[22], "# DO_WAIT                   " + std::string(gt::kWaitDescription));
    // The run commands and the question take no summary request for a command line or a
    // question: help shows no boxes and starts nothing.
    EXPECT_TRUE(fp.dialogs.shown.empty());
    EXPECT_TRUE(fp.processes.started.empty());

    z.txtDebug.clear();
    call("help do_wait");
    EXPECT_EQ(debug(), std::string(gt::kWaitHelp) + "\r\n");
    z.txtDebug.clear();
    call("help do_run");
    EXPECT_EQ(debug(), "\r\n");
    EXPECT_TRUE(fp.dialogs.shown.empty());

    // The file commands would take the help word for a path: a folder "/?" made, a copy
    // or a rename tried with a dialog about it.
    test::MemoryFileSystem disk;
    z.fileSystem = &disk;
    for (const char* name : {"do_makedir", "do_file_copy", "do_file_rename", "file.cue.to.editor"}) {
        call(std::string("help ") + name);
        EXPECT_FALSE(disk.node("/?").has_value()) << name;
        EXPECT_FALSE(disk.node("/??").has_value()) << name;
    }
    EXPECT_TRUE(fp.dialogs.shown.empty());
    EXPECT_EQ(z.txtCode.text(), "");
}
