// The output window's model: opening and closing, buttons and their layout, answers.
#include <gtest/gtest.h>

#include "commands/output_window_commands.h"
#include "commands/output_window_input.h"
#include "commands/output_window_messages.h"
#include "output_window_fixture.h"

using namespace zerin;
using zerin::test::OutputWindowFixture;

using OutputWindowModel = OutputWindowFixture;

TEST_F(OutputWindowModel, WindowOpensWithItsTitleAndTakesPrints) {
    run("window Results");
    ASSERT_TRUE(z.outputWindow.isOpen());
    EXPECT_EQ(host.shows, 1);
    EXPECT_EQ(host.shownCaption, "Results");
    EXPECT_EQ(z.outputWindow.mode(), OutputMode::Text);
    run("? hello");
    EXPECT_EQ(z.outputWindow.txtOutput.text(), "hello\r\n");

    // A second window call only changes the caption; the title stays for the next opening.
    run("window Other");
    EXPECT_EQ(host.shows, 1);
    EXPECT_EQ(run("window.title"), "Other");
    EXPECT_EQ(z.outputWindow.title(), "Results");
}

TEST_F(OutputWindowModel, ClosingAnswersAWaitingScriptAndForgetsButtons) {
    run("window T");
    run("button A");
    run("bitmap.create");
    z.run.waitingForInput = true;
    z.run.waitingForTextInput = true;
    run("window  CLOSE ");
    EXPECT_FALSE(z.outputWindow.isOpen());
    EXPECT_EQ(z.run.inputText, outmsg::kWindowClosed);
    EXPECT_FALSE(z.run.waitingForInput);
    EXPECT_FALSE(z.run.waitingForTextInput);
    EXPECT_EQ(z.outputWindow.buttonCount(), 0);
    EXPECT_EQ(z.outputWindow.surfaceCount(), 0);
    EXPECT_EQ(host.closes, 1);
    EXPECT_FALSE(z.output.outputWindowOpen());

    // Closing a closed window changes nothing; reopening uses the title that survived.
    z.run.inputText = "kept";
    run("window close");
    EXPECT_EQ(z.run.inputText, "kept");
    z.outputWindow.open();
    EXPECT_EQ(z.outputWindow.caption(), "T");
    EXPECT_EQ(z.outputWindow.buttons().size(), 1u);
    EXPECT_FALSE(z.outputWindow.buttons()[0].visible);
}

TEST_F(OutputWindowModel, GfxOpenSwitchesAnOpenWindowToGraphicsAndDropsItsButtons) {
    run("window T");
    run("button A");
    run("button B");
    z.run.inputText = "old";
    run("gfx.open Drawing");
    EXPECT_EQ(z.outputWindow.mode(), OutputMode::Graphics);
    EXPECT_EQ(z.outputWindow.caption(), "Drawing");
    EXPECT_EQ(z.outputWindow.title(), "Drawing");
    EXPECT_EQ(z.outputWindow.buttonCount(), 0);
    EXPECT_EQ(z.outputWindow.buttons().size(), 1u);
    EXPECT_EQ(z.run.inputText, "");
}

TEST(ButtonArgument, CaptionsNamesAndSwitches) {
    test::FakePlatform fp;
    Zerin z(fp.platform);
    ButtonSpec quoted = parseButtonArgument(z, "\"OK please\"");
    EXPECT_EQ(quoted.caption, "OK please");
    EXPECT_EQ(quoted.name, "OK please");
    ButtonSpec named = parseButtonArgument(z, "/name=yes Yes");
    EXPECT_EQ(named.caption, "Yes");
    EXPECT_EQ(named.name, "yes");
    ButtonSpec padded = parseButtonArgument(z, "/NAME=n  two  blanks");
    EXPECT_EQ(padded.caption, " two  blanks");
    EXPECT_EQ(padded.name, "n");
    ButtonSpec lone = parseButtonArgument(z, "\"");
    EXPECT_EQ(lone.caption, "\"");
    EXPECT_TRUE(z.txtDebug.text().empty());

    z.settings.textLog = true;  // prints reach the debug pane while no window is open
    ButtonSpec unknown = parseButtonArgument(z, "/colour=red X");
    EXPECT_EQ(unknown.caption, "X");
    EXPECT_EQ(unknown.name, "X");
    EXPECT_EQ(z.txtDebug.text(), std::string(outmsg::kUnknownButtonParameter) + "colour\r\n");
}

TEST_F(OutputWindowModel, ButtonClickAnswersWithTheButtonsName) {
    run("window Ask");
    run("button \"OK please\"");
    run("button /name=yes Yes");
    ASSERT_EQ(z.outputWindow.buttonCount(), 2);
    z.run.waitingForInput = true;
    z.outputWindow.buttonClicked(1);
    EXPECT_EQ(z.run.inputText, "yes");
    EXPECT_FALSE(z.run.waitingForInput);
    z.outputWindow.buttonClicked(0);
    EXPECT_EQ(z.run.inputText, "OK please");

    run("button.remove everything");
    EXPECT_EQ(z.outputWindow.buttonCount(), 2);
    run("button.remove  ALL ");
    EXPECT_EQ(z.outputWindow.buttonCount(), 0);
    EXPECT_EQ(z.outputWindow.buttons().size(), 1u);
    EXPECT_FALSE(z.outputWindow.buttons()[0].visible);
}

TEST_F(OutputWindowModel, ButtonsShareTheRowByTheirWidths) {
    run("window Ask");
    LayoutInput in{440, 280, 300, 1000, false, false};
    z.outputWindow.layout(in);
    run("button OK");      // 2 characters: 14 + 10 pixels
    run("button Cancel");  // 6 characters: 42 + 10 pixels
    OutputLayout out = z.outputWindow.layout(in);
    // Measured "|j" is 16 pixels high at 10 points.
    EXPECT_EQ(out.textBox.x, 10);
    EXPECT_EQ(out.textBox.y, 15);
    EXPECT_EQ(out.textBox.width, 420);
    EXPECT_EQ(out.textBox.height, 300 - 15 - 76);
    const auto& b = z.outputWindow.buttons();
    // Row of 400 pixels: slots of 126 and 274.
    EXPECT_EQ(b[0].rect.x, 20 + 63 - 12);
    EXPECT_EQ(b[1].rect.x, 146 + 137 - 26);
    EXPECT_EQ(b[0].rect.y, 15 + 209 + 10);
    EXPECT_EQ(b[1].rect.height, 21);
    EXPECT_TRUE(b[1].visible);
}

// Buttons added one after another are placed as the last addition placed them, at the
// window's width then (the headless window's client is 640 wide) and below the text box
// of the last layout, even when nothing lays the window out in between.
TEST_F(OutputWindowModel, ButtonsAddedInARowArePlacedAtTheLastAdditionsWidth) {
    run("window Ask");
    LayoutInput in{440, 280, 300, 1000, false, false};
    z.outputWindow.layout(in);
    run("button OK");      // 24 pixels wide
    run("button Cancel");  // 52 pixels wide
    const auto& b = z.outputWindow.buttons();
    // Row of 600 pixels: slots of 189 (189.47) and 411 (410.53).
    EXPECT_EQ(b[0].rect.x, 20 + 94 - 12);
    EXPECT_EQ(b[1].rect.x, 20 + 189 + 205 - 26);
    EXPECT_EQ(b[1].rect.y, 15 + 209 + 10);
    EXPECT_TRUE(b[0].visible && b[1].visible);
    // A third button moves the others: slots of 112.5, 243.75 and 243.75 round (half to
    // even) to 112, 244 and 244.
    run("button Cancel");
    const auto& c = z.outputWindow.buttons();
    EXPECT_EQ(c[0].rect.x, 20 + 56 - 12);
    EXPECT_EQ(c[1].rect.x, 20 + 112 + 122 - 26);
    EXPECT_EQ(c[2].rect.x, 20 + 112 + 244 + 122 - 26);
}

TEST_F(OutputWindowModel, LayoutKeepsTheMinimumHeightAndIgnoresMinimised) {
    run("window T");
    OutputLayout low = z.outputWindow.layout({300, 80, 100, 1000, false, false});
    EXPECT_EQ(low.raiseHeightTo, OutputWindow::kMinHeight);
    EXPECT_EQ(low.textBox.height, 150 - 15 - 76);
    EXPECT_FALSE(z.outputWindow.layout({300, 80, 100, 1000, true, false}).applied);
    OutputLayout max = z.outputWindow.layout({300, 80, 100, 900, false, true});
    EXPECT_EQ(max.raiseHeightTo, 0);
    EXPECT_EQ(max.textBox.height, 900 - 15 - 76);

    run("gfx.open G");
    OutputLayout g = z.outputWindow.layout({320, 200, 230, 1000, false, false});
    EXPECT_EQ(g.surface.width, 320);
    EXPECT_EQ(surface(0).width(), 320);
    EXPECT_EQ(surface(0).height(), 200);
}

TEST(TypedAnswerRules, CaretStaysOnTheLineBeingTyped) {
    KeyDownRule left = inputKeyDown(InputKey::Left, 5, 5);
    EXPECT_TRUE(left.drop);
    EXPECT_EQ(left.caret, 5u);
    EXPECT_EQ(inputKeyDown(InputKey::Left, 2, 5).caret, 5u);
    EXPECT_FALSE(inputKeyDown(InputKey::Left, 6, 5).drop);
    EXPECT_TRUE(inputKeyDown(InputKey::Up, 9, 5).drop);
    EXPECT_TRUE(inputKeyDown(InputKey::Down, 9, 5).drop);
    EXPECT_FALSE(inputKeyDown(InputKey::Other, 0, 5).drop);
    EXPECT_EQ(caretForTyping(3, 5, 12), 12u);
    EXPECT_EQ(caretForTyping(5, 5, 12), 5u);
    EXPECT_EQ(caretForTyping(8, 5, 12), 8u);
    EXPECT_EQ(typedLine("Name? Bob", 6), "Bob");
    EXPECT_EQ(typedLine("Name? ", 6), "");
    EXPECT_EQ(typedLine("short", 60), "");
}

TEST_F(OutputWindowModel, EnterTakesTheTypedLine) {
    run("window Ask");
    z.outputWindow.txtOutput.append("Name? ");
    z.run.inputLineStart = z.outputWindow.txtOutput.length();
    z.run.waitingForTextInput = true;
    z.outputWindow.txtOutput.append("Åsa");
    z.outputWindow.txtOutput.select(0, 0);
    z.outputWindow.takeTypedLine();
    EXPECT_EQ(z.run.inputText, "Åsa");
    EXPECT_FALSE(z.run.waitingForTextInput);
    EXPECT_EQ(z.outputWindow.txtOutput.selStart(), z.outputWindow.txtOutput.length());
}

TEST_F(OutputWindowModel, GeometryOnlyWhileOpen) {
    for (const char* cmd : {"window.left", "window.top", "window.width", "window.height", "client.left", "client.top"})
        EXPECT_EQ(run(cmd), "") << cmd;
    run("window T");
    EXPECT_EQ(run("window.left 50"), " 50");
    EXPECT_EQ(run("window.top -5"), "-5");
    int pumps = fp.pump.pumps;
    EXPECT_EQ(run("window.width 300"), std::to_string(300 - 2 * HeadlessOutputWindowHost::kBorder));
    EXPECT_EQ(fp.pump.pumps, pumps + 1);
    EXPECT_EQ(run("window.height 200"),
              std::to_string(200 - HeadlessOutputWindowHost::kTitleBar - HeadlessOutputWindowHost::kBorder));
    EXPECT_EQ(run("client.left"), " 54");
}

TEST_F(OutputWindowModel, ButtonColorPaintsTheRunningCommandButton) {
    run("button.color 255");  // nobody listening: nothing happens
    z.outputWindow.onRunningButtonColour = [this](Colour c) { z.bars.colourRunningButton(c); };
    z.bars.top.element(1);
    z.bars.running = ButtonRef{BarId::Top, 1};
    run("button.color &hFF0000\r\n");
    EXPECT_EQ(z.bars.top.element(1).colour, 0xFFu);
    run("button.color 65280");
    EXPECT_EQ(z.bars.top.element(1).colour, 0xFF00u);
    run("button.color -5");
    EXPECT_EQ(z.bars.top.element(1).colour, 0xFF00u);
    EXPECT_FALSE(z.outputWindow.isOpen());
}
