#include <gtest/gtest.h>

#include <filesystem>

#include "commands/text_editor.h"
#include "commands/text_editor_commands.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "temp_dir.h"

using namespace zerin;

namespace {

struct TextEditorFixture : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    bool registered = (registerAllCommands(z), true);
    test::TempDir dir;

    void SetUp() override {
        z.settings.fontSize = 10;
        z.settings.textLog = true;
    }
    // The source pane lists `names` (files of the temporary folder) with `selected` selected.
    void list(const std::vector<std::string>& names, int selected) {
        ListModel& l = z.panes.list(z.panes.sourcePane());
        l.clear();
        for (std::size_t i = 0; i < names.size(); ++i) {
            ListItem item;
            item.text = names[i];
            item.tag = names[i].ends_with('/') ? (dir.path() / names[i].substr(0, names[i].size() - 1)).string() + "/"
                                               : (dir / names[i]).string();
            item.selected = static_cast<int>(i) == selected;
            l.add(item);
        }
    }
    std::string path(std::string_view name) { return (dir / name).string(); }
};

}  // namespace

TEST(HexDump, EighteenBytesALineAndThePaddedLastLine) {
    std::string twenty = "ABCDEFGHIJKLMNOPQ\nRS";
    std::string dump = hexDump(twenty);
    std::vector<std::string> lines;
    for (std::string_view l : text::split(dump, '\n')) lines.emplace_back(l);
    ASSERT_EQ(lines.size(), 3u);  // two lines and what follows the last CR LF
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[0], "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 0A  ABCDEFGHIJKLMNOPQ.\r");
    // The last line's digits are padded to 54 characters, so its characters line up.
    EXPECT_EQ(lines[1], "52 53" + std::string(54 - 5, ' ') + " RS\r");
    EXPECT_EQ(lines[0].find("ABC"), lines[1].find("RS"));
    EXPECT_EQ(hexDump(""), "");
    // Exactly 18 bytes: one line, nothing padded; a high byte shows as its character.
    std::string eighteen(17, '\x01');
    eighteen += '\xE9';
    EXPECT_EQ(hexDump(eighteen), text::replaceAll(std::string(17 * 3, ' '), "   ", "01 ") + "E9  " +
                                     std::string(17, '.') + "\xC3\xA9\r\n");
}

TEST(FontSize, StepsDefaultToOneAndSmallerStopsAtSeven) {
    EXPECT_EQ(fontSizeAfter(10, "", true), 11);
    EXPECT_EQ(fontSizeAfter(10, "abc", true), 11);
    EXPECT_EQ(fontSizeAfter(10, "0", false), 9);
    EXPECT_EQ(fontSizeAfter(10, "3", true), 13);
    EXPECT_EQ(fontSizeAfter(10, "50", false), 7);
    EXPECT_EQ(fontSizeAfter(10, "-2", false), 12);   // negative steps move the other way
    EXPECT_EQ(fontSizeAfter(10, "-20", true), -10);  // only smaller has a floor
    EXPECT_EQ(fontSizeAfter(10, "2.5", true), 12);   // rounded half to even
    EXPECT_EQ(fontSizeAfter(10, "1e9", true), 32767);
}

TEST_F(TextEditorFixture, FontCommandsAnswerHelpAndChangeTheSetting) {
    EXPECT_EQ(z.dispatcher.call("do_font_larger"), "Increases Text Size");
    EXPECT_EQ(z.settings.fontSize, 11);
    EXPECT_EQ(z.dispatcher.call("do_font_smaller"), " 10");
    EXPECT_EQ(z.dispatcher.call("do_font_smaller 50"), " 7");
    EXPECT_EQ(z.settings.fontSize, 7);
    EXPECT_EQ(z.dispatcher.call("do_font_smaller /??"), "Decrease Text Size");
    EXPECT_EQ(z.dispatcher.call("do_font_larger /DESCRIPTION"), "Increases Text Size");
    EXPECT_EQ(z.dispatcher.call("do_font_larger /?"),
              "# Increases Text Size\r\n#\r\n# DO_FONT_LARGER [steps]\r\n# steps  - Number of points to increase\r\n");
    EXPECT_EQ(z.settings.fontSize, 7);
}

TEST_F(TextEditorFixture, HelpListsItsLinesWithoutAMissingCommand) {
    z.dispatcher.call("help");
    std::string shown = z.txtDebug.text();
    // The text editor's and the font's lines answer; each of the 23 names has its line.
    for (Cmd c : {Cmd::DoFontLarger, Cmd::DoFontSmaller, Cmd::DoTextLoadunicode, Cmd::DoTextLoadhex,
                  Cmd::DoTextFilelist})
        EXPECT_EQ(shown.find("Not found: " + std::to_string(commandNumber(c)) + "\r\n"), std::string::npos) << shown;
    std::size_t lines = 0;
    for (std::size_t at = shown.find("# "); at != std::string::npos; at = shown.find("\r\n# ", at + 2)) ++lines;
    EXPECT_EQ(lines, kHelpList.size());
    EXPECT_NE(shown.find("DO_TEXT_LOADHEX"), std::string::npos);
    EXPECT_NE(shown.find("Load Selected File as Hexadecimal to Text Editor"), std::string::npos);
}

TEST_F(TextEditorFixture, LoadHexInsertsAfterTheSelectionAndHelpDoesNothing) {
    dir.write("twenty.bin", "ABCDEFGHIJKLMNOPQ\nRS");
    list({"twenty.bin"}, 0);
    z.txtEditor.setText("before|after");
    z.txtEditor.select(0, 7);  // "before|"
    EXPECT_EQ(z.dispatcher.call("do_text_loadhex /??"), "Load Selected File as Hexadecimal to Text Editor");
    EXPECT_EQ(z.txtEditor.text(), "before|after");
    EXPECT_EQ(z.dispatcher.call("do_text_loadhex /?"), "Load Selected File as Hexadecimal to Text Editor");
    const std::string dump = hexDump("ABCDEFGHIJKLMNOPQ\nRS");
    EXPECT_EQ(z.txtEditor.text(), "before|" + dump + "after");
    EXPECT_EQ(z.txtEditor.selectedText(), dump);
    // A missing file: the same answer, nothing inserted.
    std::filesystem::remove(dir / "twenty.bin");
    EXPECT_EQ(z.dispatcher.call("do_text_loadhex"), "Load Selected File as Hexadecimal to Text Editor");
    EXPECT_EQ(z.txtEditor.text(), "before|" + dump + "after");
}

TEST_F(TextEditorFixture, LoadUnicodeInsertsLinesAtTheCaretAndListsTheFile) {
    dir.write("notes.txt", "one\ntwo\r\nthree");
    list({"notes.txt"}, 0);
    z.txtEditor.setText("[]");
    z.txtEditor.select(1, 0);
    EXPECT_EQ(z.dispatcher.call("do_text_loadunicode"), "Load Selected File as Unicode to Text Editor");
    EXPECT_EQ(z.txtEditor.text(), "[one\r\ntwo\r\nthree\r\n]");
    EXPECT_EQ(z.txtEditor.selectedText(), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(z.panes.textList, std::vector<std::string>{path("notes.txt")});
    EXPECT_EQ(z.dispatcher.call("do_text_loadunicode /??"), "Load Selected File as Unicode to Text Editor");
    EXPECT_EQ(z.panes.textList.size(), 1u);
}

TEST_F(TextEditorFixture, LoadAsksAndAppendsAFolderAsksNothing) {
    dir.write("a.txt", "alpha");
    std::filesystem::create_directory(dir / "sub");
    list({"sub/", "a.txt"}, 0);
    z.dispatcher.call("do_text_load");
    EXPECT_TRUE(fp.dialogs.shown.empty());
    list({"sub/", "a.txt"}, 1);
    fp.dialogs.answers = {MsgResult::Cancel};
    z.dispatcher.call("do_text_load");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Edit \"a.txt\"?");
    EXPECT_EQ(fp.dialogs.shown[0].title, "Edit?");
    EXPECT_EQ(z.txtEditor.text(), "");
    fp.dialogs.answers = {MsgResult::Ok};
    z.dispatcher.call("do_text_load");
    EXPECT_EQ(z.txtEditor.text(), "alpha");
    EXPECT_EQ(z.editorFile.path, path("a.txt"));
    // A second text makes a mix that is no longer one file's.
    fp.dialogs.answers = {MsgResult::Ok};
    z.dispatcher.call("do_text_load");
    EXPECT_EQ(z.txtEditor.text(), "alphaalpha");
    EXPECT_EQ(z.editorFile.path, "");
}

TEST_F(TextEditorFixture, FileListInsertsEveryTag) {
    list({"a.txt", "b.txt", "sub/"}, -1);
    EXPECT_EQ(z.dispatcher.call("do_text_filelist /??"), "Outputs All files in Source to Text Editor");
    EXPECT_EQ(z.txtEditor.text(), "");
    z.dispatcher.call("do_text_filelist");
    EXPECT_EQ(z.txtEditor.text(), path("a.txt") + "\r\n" + path("b.txt") + "\r\n" + path("sub") + "/\r\n");
}

TEST_F(TextEditorFixture, AFileSavedUnchangedKeepsEveryByte) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"ansi.txt", "K\xF6ttbullar \x80 5\r\nsecond\nthird\r"},  // Windows-1252, mixed line ends
        {"unix.txt", "r\xC3\xA4ksm\xC3\xB6rg\xC3\xA5s\nline\n"},
        {"binary.bin", std::string("\0\x01\xFF\x81\x8D\r\r\n", 8)},
        {"bom.txt", "\xEF\xBB\xBFwith a BOM"},
        {"empty.txt", ""},
    };
    for (const auto& [name, bytes] : files) {
        dir.write(name, bytes);
        ASSERT_TRUE(openTextFile(z, path(name))) << name;
        EXPECT_FALSE(textEditorModified(z));
        std::filesystem::remove(dir / name);
        ASSERT_EQ(saveTextEditor(z), SaveResult::Saved) << name;
        EXPECT_EQ(dir.read(name), bytes) << name;
    }
    EXPECT_EQ(z.publicVars.find("do.mode") ? *z.publicVars.find("do.mode") : "", "dom_text");
}

TEST_F(TextEditorFixture, EditsKeepTheFilesEncodingAndLineEnds) {
    dir.write("ansi.txt", "caf\xE9\n");
    ASSERT_TRUE(openTextFile(z, path("ansi.txt")));
    EXPECT_EQ(z.txtEditor.text(), "caf\xC3\xA9\n");
    z.txtEditor.moveCaretToEnd();
    z.txtEditor.replaceSelection("\xE2\x82\xAC 3\r\n");  // "€ 3" typed with a CR LF break
    EXPECT_TRUE(textEditorModified(z));
    ASSERT_EQ(saveTextEditor(z), SaveResult::Saved);
    EXPECT_EQ(dir.read("ansi.txt"), "caf\xE9\n\x80 3\n");
    EXPECT_FALSE(textEditorModified(z));
    EXPECT_FALSE(std::filesystem::exists(dir / "ansi.txt.tmp"));

    // A character Windows-1252 has no byte for: asked, Cancel keeps the file as it was.
    z.txtEditor.append("\xE2\x86\x92");  // an arrow
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Cancelled);
    EXPECT_EQ(fp.dialogs.shown.back().text, textmsg::kNot1252);
    EXPECT_EQ(dir.read("ansi.txt"), "caf\xE9\n\x80 3\n");
    fp.dialogs.answers = {MsgResult::Ok};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Saved);
    EXPECT_EQ(dir.read("ansi.txt"), "caf\xC3\xA9\n\xE2\x82\xAC 3\n\xE2\x86\x92");
}

TEST_F(TextEditorFixture, AChangeOnTheDiskIsAskedAboutAndNoFileAsksForAPath) {
    dir.write("shared.txt", "mine");
    ASSERT_TRUE(openTextFile(z, path("shared.txt")));
    z.txtEditor.append(" and more");
    dir.write("shared.txt", "someone else's longer text");
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Cancelled);
    EXPECT_EQ(dir.read("shared.txt"), "someone else's longer text");

    // A text of no file: the path is asked for; an existing file is asked about.
    detachTextEditorFile(z);
    fp.dialogs.inputs = {std::string("")};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Cancelled);
    fp.dialogs.inputs = {path("shared.txt")};
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Cancelled);
    fp.dialogs.inputs = {path("new.txt")};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Saved);
    EXPECT_EQ(dir.read("new.txt"), "mine and more");
    EXPECT_EQ(z.editorFile.path, path("new.txt"));
    // A folder that cannot be written: said, and the text stays unsaved.
    detachTextEditorFile(z);
    z.txtEditor.append("!");
    fp.dialogs.inputs = {path("no/such/folder/x.txt")};
    EXPECT_EQ(saveTextEditor(z), SaveResult::Failed);
    EXPECT_TRUE(textEditorModified(z));
}

TEST_F(TextEditorFixture, OpeningAnotherFileOrClosingOffersUnsavedChanges) {
    dir.write("a.txt", "a");
    dir.write("b.txt", "b");
    ASSERT_TRUE(openTextFile(z, path("a.txt")));
    EXPECT_TRUE(confirmCloseTextEditor(z));  // nothing to ask
    EXPECT_TRUE(fp.dialogs.shown.empty());
    z.txtEditor.append("!");
    fp.dialogs.answers = {MsgResult::Cancel};
    EXPECT_FALSE(openTextFile(z, path("b.txt")));
    EXPECT_EQ(z.txtEditor.text(), "a!");
    fp.dialogs.answers = {MsgResult::Yes};
    EXPECT_TRUE(openTextFile(z, path("b.txt")));
    EXPECT_EQ(dir.read("a.txt"), "a!");
    EXPECT_EQ(z.txtEditor.text(), "b");
    z.txtEditor.append("?");
    fp.dialogs.answers = {MsgResult::No};
    EXPECT_TRUE(confirmCloseTextEditor(z));
    EXPECT_EQ(dir.read("b.txt"), "b");
}

TEST_F(TextEditorFixture, ATooLargeFileIsSaidAndNotLoaded) {
    {
        std::FILE* f = std::fopen(path("big.txt").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fseek(f, kMaxEditorFileBytes, SEEK_SET);
        std::fputc('x', f);
        std::fclose(f);
    }
    z.txtEditor.setText("kept");
    fp.dialogs.answers = {MsgResult::No};  // the unsaved text is not wanted
    EXPECT_FALSE(openTextFile(z, path("big.txt")));
    ASSERT_EQ(fp.dialogs.shown.size(), 2u);
    EXPECT_NE(fp.dialogs.shown[1].text.find("too large"), std::string::npos);
    EXPECT_EQ(z.txtEditor.text(), "kept");
}
