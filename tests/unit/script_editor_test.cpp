#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/mode_messages.h"
#include "modes/script_editor.h"

using namespace zerin;

namespace {

struct EditorFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);

    void SetUp() override {
        z.settings.fontSize = 10;
        z.settings.textLog = true;
        z.modeGroups.add("System", "sys");
    }
    void store(const std::string& text) {
        z.scripts.add(commandKey(headerValue("location", text), headerValue("name", text)), text);
    }
    ButtonFromEditor make(const std::string& editorText) {
        z.txtCode.setText(editorText);
        return buttonFromEditor(z);
    }
    std::vector<std::string> topCaptions() {
        std::vector<std::string> out;
        for (int i = 1; i <= z.bars.top.lastInUse(); ++i) out.push_back(z.bars.top.elements()[i].caption);
        return out;
    }
};

}  // namespace

TEST(HeaderSet, ReplacesTheFirstMatchingLineOrPutsANewLineInFront) {
    EXPECT_EQ(headerSet("name", "#name=Old\r\n? x", "New"), "#name=New\r\n? x");
    // Any letter case, and the value runs to the end of its line only.
    EXPECT_EQ(headerSet("Location", "#LOCATION = a\r\n#name=b", "Mode\\X"), "#LOCATION =Mode\\X\r\n#name=b");
    EXPECT_EQ(headerSet("name", "? x\r\n#NAME=a\r\n#name=b", "c"), "? x\r\n#NAME=c\r\n#name=b");
    EXPECT_EQ(headerSet("name", "? x\r\n", "Tool"), "#NAME=Tool\r\n? x\r\n");
    EXPECT_EQ(headerSet("name", "", "Tool"), "#NAME=Tool\r\n");
    // A header line without "=" gets one; the "=" of the next line stays where it is.
    EXPECT_EQ(headerSet("name", "#name\r\na = 1", "T"), "#name=T\r\na = 1");
    // A "#" inside a line is no header.
    EXPECT_EQ(headerSet("name", "? #name=x", "T"), "#NAME=T\r\n? #name=x");
}

TEST(HeaderStrip, RemovesHeaderLinesWithTheirBreaks) {
    EXPECT_EQ(headerStrip("#name=a\r\n#location=b\r\n? x\r\n  #not a header\r\n#last"), "? x\r\n  #not a header\r\n");
    EXPECT_EQ(headerStrip("? only"), "? only");
    EXPECT_EQ(headerStrip(""), "");
    EXPECT_EQ(headerStrip("#a\r\n\r\n#b\r\n"), "\r\n");
}

TEST(WordAtCaret, StopsAtBlanksTabsLineBreaksAndParentheses) {
    const std::string t = "x = (do_run\tls)\r\nhelp do_wait";
    EXPECT_EQ(wordAtCaret(t, 5), "do_run");   // at its first letter
    EXPECT_EQ(wordAtCaret(t, 11), "do_run");  // right after its last letter
    EXPECT_EQ(wordAtCaret(t, 13), "ls");
    EXPECT_EQ(wordAtCaret(t, t.size()), "do_wait");
    EXPECT_EQ(wordAtCaret(t, 2), "=");
    EXPECT_EQ(wordAtCaret(t, 1), "x");
    EXPECT_EQ(wordAtCaret("", 0), "");
    EXPECT_EQ(wordAtCaret("ab", 99), "ab");
    EXPECT_TRUE(isCommandWord("do_run"));
    EXPECT_TRUE(isCommandWord("DO_RUN"));
    EXPECT_FALSE(isCommandWord("do_ru"));
    EXPECT_FALSE(isCommandWord(""));
    EXPECT_FALSE(isCommandWord("do_run do_wait"));
}

TEST_F(EditorFixture, HelpTextIsTheHelpBlockAndNeverRunsTheCommand) {
    std::string wait = commandHelpText(z, "do_wait");
    EXPECT_TRUE(wait.starts_with("DO_WAIT\r\n\r\n")) << wait;
    EXPECT_GT(wait.size(), std::string("DO_WAIT\r\n\r\n").size());
    // do_run would start a program called "/?": its name is all the help shows.
    EXPECT_EQ(commandHelpText(z, "do_run"), "DO_RUN");
    EXPECT_TRUE(fp.processes.started.empty());
    // Not in the help list: "/?" would make do_default_save write Zerin.ini.
    EXPECT_EQ(commandHelpText(z, "do_default_save"), "DO_DEFAULT_SAVE");
    EXPECT_TRUE(z.txtDebug.text().empty()) << z.txtDebug.text();
}

TEST_F(EditorFixture, TextWithoutLocationBecomesASysMenuCommandWithTheHeaderOnTop) {
    EXPECT_EQ(make("#NAME=Greet\r\n? hello\r\n"), ButtonFromEditor::Stored);
    const std::string* stored = z.scripts.find("mode\\sys\\menu\\greet");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(*stored, "#LOCATION=Mode\\Sys\\Menu\r\n#NAME=Greet\r\n? hello\r\n");
    EXPECT_TRUE(fp.dialogs.shown.empty());
    // The top bar of the sys mode shows it at once.
    EXPECT_EQ(topCaptions(), std::vector<std::string>{"Greet"});
}

TEST_F(EditorFixture, MissingNameIsAskedAndABlankAnswerStoresNothing) {
    fp.dialogs.inputs.push_back(std::string("  "));
    EXPECT_EQ(make("? hi\r\n"), ButtonFromEditor::Unchanged);
    ASSERT_EQ(fp.dialogs.prompts.size(), 1u);
    EXPECT_EQ(fp.dialogs.prompts[0], editormsg::kAskName);
    EXPECT_EQ(z.scripts.size(), 0u);

    fp.dialogs.inputs.push_back(std::string("Hi"));
    EXPECT_EQ(make("#location=tools\r\n? hi\r\n"), ButtonFromEditor::Stored);
    ASSERT_NE(z.scripts.find("tools\\hi"), nullptr);
    EXPECT_EQ(*z.scripts.find("tools\\hi"), "#NAME=Hi\r\n#location=tools\r\n? hi\r\n");
}

TEST_F(EditorFixture, OnlyHeadersAsksToRemoveOkRemovesCancelStores) {
    store("#NAME=Old\r\n#LOCATION=tools\r\n? old\r\n");
    store("#NAME=Other\r\n#LOCATION=tools\r\n? other\r\n");
    fp.dialogs.answers = {MsgResult::Ok};
    EXPECT_EQ(make("#name=OLD\r\n#location=Tools\r\n\t\r\n  \r\n"), ButtonFromEditor::Removed);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, editormsg::kNoCode);
    EXPECT_EQ(z.scripts.find("tools\\old"), nullptr);
    EXPECT_NE(z.scripts.find("tools\\other"), nullptr);

    // Cancel: the header-only text is stored as a command all the same.
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(make("#name=Empty\r\n#location=tools"), ButtonFromEditor::Stored);
    ASSERT_NE(z.scripts.find("tools\\empty"), nullptr);
    // A link counts as code: nothing is asked.
    fp.dialogs.shown.clear();
    EXPECT_EQ(make("#name=Linked\r\n#location=tools\r\n#link=tools\\other"), ButtonFromEditor::Stored);
    EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(EditorFixture, AnExistingNameAsksAndCancelKeepsTheStore) {
    store("#NAME=Tool\r\n#LOCATION=Mode\\Sys\\Menu\r\n? old\r\n");
    store("#NAME=After\r\n#LOCATION=Mode\\Sys\\Menu\r\n? after\r\n");
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(make("#name=TOOL\r\n? new\r\n"), ButtonFromEditor::Unchanged);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text,
              std::string(modemsg::kReplacePrefix) + "TOOL" + std::string(modemsg::kReplaceSuffix));
    EXPECT_EQ(*z.scripts.find("mode\\sys\\menu\\tool"), "#NAME=Tool\r\n#LOCATION=Mode\\Sys\\Menu\r\n? old\r\n");

    // OK: the old one goes and the new one comes last.
    fp.dialogs.answers = {MsgResult::Ok};
    EXPECT_EQ(make("#name=TOOL\r\n? new\r\n"), ButtonFromEditor::Stored);
    ASSERT_EQ(z.scripts.size(), 2u);
    EXPECT_EQ(z.scripts.scripts()[1].text, "#LOCATION=Mode\\Sys\\Menu\r\n#name=TOOL\r\n? new\r\n");
    EXPECT_EQ(topCaptions(), (std::vector<std::string>{"After", "TOOL"}));
}

TEST_F(EditorFixture, AScriptKeptUnderTheKeyWithOtherHeadersIsAskedAboutNotLostSilently) {
    // Stored under the key, but its own headers now name another button.
    z.scripts.add("tools\\x", "#NAME=Renamed\r\n#LOCATION=tools\r\n? old\r\n");
    fp.dialogs.answers = {MsgResult::Ok};
    EXPECT_EQ(make("#name=x\r\n#location=tools\r\n? new\r\n"), ButtonFromEditor::Stored);
    EXPECT_EQ(*z.scripts.find("tools\\x"), "#name=x\r\n#location=tools\r\n? new\r\n");
}

TEST_F(EditorFixture, ALineThatWouldEndTheStoredBlockIsRefusedAndSaid) {
    EXPECT_EQ(make("#name=Cut\r\n? a\r\n  END Script\r\n? b"), ButtonFromEditor::Unchanged);
    EXPECT_EQ(z.scripts.size(), 0u);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, editormsg::kEndScriptLine);
    // With a blank after it the reader does not end the block there.
    EXPECT_EQ(make("#name=Kept\r\n? a\r\nend script \r\n? b"), ButtonFromEditor::Stored);
}

TEST_F(EditorFixture, AStoredButtonComesBackExactlyAsWrittenAfterASaveAndARestart) {
    const std::vector<std::string> texts = {
        "#NAME=Plain\r\n? hello\r\n",
        "#name=Tabs and blanks\r\n#location=tools\r\n\tif (1 = 1)\r\n\t\t?  two  blanks  \r\n\tendif\r\n\r\n\r\n",
        "#NAME=Räksmörgås €\r\n' no line break at the end",
        "#NAME=[x] = (y)\r\n#HELP=a \"quoted\" help\r\n[SCRIPTS]\r\nscript inner\r\nend script  \r\n? done",
    };
    for (const std::string& t : texts) ASSERT_EQ(make(t), ButtonFromEditor::Stored) << t;
    std::vector<StoredScript> before = z.scripts.scripts();
    const std::string file = settingsText(z);

    test::FakePlatform fp2;
    Zerin restarted{fp2.platform};
    registerAllCommands(restarted);
    loadSettingsText(restarted, file);
    ASSERT_EQ(restarted.scripts.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(restarted.scripts.scripts()[i].key, before[i].key);
        EXPECT_EQ(restarted.scripts.scripts()[i].text, before[i].text);
    }
    // Making the same button again after the restart asks to replace, so the key matched.
    restarted.txtCode.setText(before[0].text);
    fp2.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(buttonFromEditor(restarted), ButtonFromEditor::Unchanged);
    EXPECT_EQ(fp2.dialogs.shown.size(), 1u);
}

TEST_F(EditorFixture, TheCommandRunsFromAScriptAndHelpListsNoMissingCommand) {
    z.txtCode.setText("#NAME=FromScript\r\n? made\r\n");
    z.txtBackCode.setText("do_button_from_editor\r\n");
    z.interpreter.RunEditor("", &z.txtBackCode, "");
    EXPECT_NE(z.scripts.find("mode\\sys\\menu\\fromscript"), nullptr);
    EXPECT_EQ(z.txtDebug.text().find("Not found"), std::string::npos) << z.txtDebug.text();
}
