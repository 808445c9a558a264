// The file cue: drops with their modifier keys, the entries scripts read and mark by
// number or key, the script it writes (its fixed frame, names written as data), and that
// script run for real: Copy entries copied, Move entries only at the target afterwards,
// each marked DONE or ERROR; a FIFO in a copied tree is left out and named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "pane_fixture.h"
#include "panes/file_cue.h"
#include "panes/pane_commands.h"
#include "panes/pane_model.h"
#include "script/interpreter.h"

using namespace zerin;
namespace stdfs = std::filesystem;

namespace {

std::vector<std::string> linesOf(const std::string& script) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(script.substr(start, end - start));
    EXPECT_EQ(start, script.size()) << "every line ends with CR LF";
    return lines;
}

class FileCueTest : public test::PaneFixture {
protected:
    FileCue& cue() { return z.panes.fileCue; }
    std::string root() const { return tmp.path(); }
    void write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Runs the cue's script as the user would from the code editor.
    void runCueScript() {
        z.txtCode.clear();
        call("file.cue.to.editor");
        // The closing button is pressed as soon as the script waits for it.
        fp.pump.onPump = [this] {
            if (!z.run.waitingForInput) return;
            z.run.inputText = "St\xC3\xA4ng";
            z.run.waitingForInput = false;
        };
        z.interpreter.RunEditor("", &z.txtCode, "");
        fp.pump.onPump = nullptr;
    }
};

}  // namespace

TEST_F(FileCueTest, DropsTakeTheOperationOfTheirModifiers) {
    EXPECT_EQ(FileCue::operationFor(false, false, false), kCueMove);
    EXPECT_EQ(FileCue::operationFor(true, false, false), kCueMove);
    EXPECT_EQ(FileCue::operationFor(false, true, false), kCueCopy);
    EXPECT_EQ(FileCue::operationFor(true, true, false), "");
    EXPECT_EQ(FileCue::operationFor(false, false, true), "");

    // Three files with Ctrl: three Copy entries with consecutive keys, into the folder
    // under the drop point; onto a file or the empty list: into the pane's folder.
    z.panes.setPath(0, "/data/");
    ASSERT_TRUE(dropOntoPane(z, 0, {"/a/1.txt", "/a/2.txt", "/a/folder/"}, "/data/in/", false, true, false));
    ASSERT_TRUE(dropOntoPane(z, 0, {"/a/4.txt"}, "/data/some.txt", false, false, false));
    EXPECT_FALSE(dropOntoPane(z, 1, {"/a/5.txt"}, "", false, false, false));  // pane 1 shows no folder
    const auto& e = cue().entries();
    ASSERT_EQ(e.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(e[i].key, "KEY" + std::to_string(i + 1));
        EXPECT_EQ(e[i].operation, kCueCopy);
        EXPECT_EQ(e[i].target, "/data/in/");
    }
    EXPECT_EQ(e[2].source, "/a/folder");
    EXPECT_EQ(e[2].name, "folder");
    EXPECT_EQ(e[3].operation, kCueMove);
    EXPECT_EQ(e[3].target, "/data/");

    EXPECT_EQ(call("file.cue.count"), "4");
    EXPECT_EQ(call("file.cue.source 2"), "/a/2.txt");
    EXPECT_EQ(call("file.cue.target 4"), "/data/");
    EXPECT_EQ(call("file.cue.source 0"), "");
    EXPECT_EQ(call("file.cue.source 5"), "");
    // By number or by the key the generated lines name; 0 and unknown keys do nothing.
    EXPECT_EQ(call("file.cue.status 2 DONE"), "DONE");
    EXPECT_EQ(call("file.cue.status key3 ERROR"), "ERROR");
    EXPECT_EQ(call("file.cue.status 0 DONE"), "");
    EXPECT_EQ(call("file.cue.status KEY9 DONE"), "");
    EXPECT_EQ(e[1].status, "DONE");
    EXPECT_EQ(e[2].status, "ERROR");
    EXPECT_EQ(e[0].status, "");
}

TEST_F(FileCueTest, TheScriptsFrameAndItsNamesAsData) {
    // An empty cue: the opening three lines and the closing ten.
    const std::vector<std::string> frame = {"WINDOW Fil-operation", "WINDOW.INPUT reset", "BUTTON Sluta", "", "Slut:",
                                            "IF (WINDOW.INPUT = Sluta)", "\t?", "\t? Avbrutet", "ENDIF",
                                            "BUTTON.REMOVE All", "BUTTON St\xC3\xA4ng", "WAIT.INPUT", "WINDOW close"};
    EXPECT_EQ(linesOf(cue().script()), frame);

    // Names that would read as groups, brackets or joiners are written escaped; a name
    // with a line break cannot be one line and gets no lines; an entry without an
    // operation gets none either.
    cue().add({"/s/(do_runwait_s touch PWN) [x] a&&b.txt"}, kCueCopy, "/t/");
    cue().add({"/s/new\nline"}, kCueCopy, "/t/");
    cue().add({"/s/none.txt"}, "", "/t/");
    const std::vector<std::string> lines = linesOf(cue().script());
    ASSERT_EQ(lines.size(), frame.size() + 11);
    EXPECT_EQ(lines[8], "retur = (do_file_copy \"/s/:[do_runwait_s touch PWN:] :<x:> a:+:+b.txt\" \"/t/\")");
    EXPECT_EQ(lines[10], "\tfile.cue.status KEY1 ERROR");
}

TEST_F(FileCueTest, TheScriptCopiesAndMovesAndMarksEachEntry) {
    tmp.folder("src/tree/sub");
    tmp.folder("dst");
    write(root() + "src/copy me (1).txt", "copied");
    write(root() + "src/move [me].txt", "moved");
    write(root() + "src/tree/sub/deep.txt", "deep");
    cue().add({root() + "src/copy me (1).txt"}, kCueCopy, root() + "dst/");
    cue().add({root() + "src/move [me].txt", root() + "src/tree"}, kCueMove, root() + "dst/");
    cue().add({root() + "src/missing.txt"}, kCueMove, root() + "dst/");
    runCueScript();
    EXPECT_EQ(printed().find("Syntax error"), std::string::npos) << printed();
    const auto& e = cue().entries();
    EXPECT_EQ(e[0].status, "DONE");
    EXPECT_EQ(e[1].status, "DONE");
    EXPECT_EQ(e[2].status, "DONE");
    EXPECT_EQ(e[3].status, "ERROR");
    EXPECT_EQ(slurp(root() + "dst/copy me (1).txt"), "copied");
    EXPECT_TRUE(stdfs::exists(root() + "src/copy me (1).txt"));
    // Moved: at the target and gone from the source.
    EXPECT_EQ(slurp(root() + "dst/move [me].txt"), "moved");
    EXPECT_FALSE(stdfs::exists(root() + "src/move [me].txt"));
    EXPECT_EQ(slurp(root() + "dst/tree/sub/deep.txt"), "deep");
    EXPECT_FALSE(stdfs::exists(root() + "src/tree"));

    // A move onto a name that is there is refused and both files stay as they were.
    write(root() + "src/again.txt", "new");
    write(root() + "dst/again.txt", "old");
    cue().clear();
    cue().add({root() + "src/again.txt"}, kCueMove, root() + "dst/");
    runCueScript();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].key, "KEY5");
    EXPECT_EQ(e[0].status, "ERROR");
    EXPECT_EQ(slurp(root() + "src/again.txt"), "new");
    EXPECT_EQ(slurp(root() + "dst/again.txt"), "old");
}

TEST_F(FileCueTest, AFifoInACopiedTreeIsLeftOutAndNamed) {
    tmp.folder("src/tree");
    tmp.folder("dst");
    write(root() + "src/tree/a.txt", "a");
    ASSERT_EQ(::mkfifo((root() + "src/tree/pipe").c_str(), 0600), 0);
    EXPECT_EQ(call("do_file_copy \"" + root() + "src/tree\" \"" + root() + "dst\""), "");
    EXPECT_EQ(slurp(root() + "dst/tree/a.txt"), "a");
    EXPECT_FALSE(stdfs::exists(root() + "dst/tree/pipe"));
    EXPECT_NE(printed().find("Not copied (not a file, folder or link): " + root() + "src/tree/pipe"), std::string::npos);
    // The FIFO itself is refused with a reason, not waited on.
    EXPECT_NE(call("do_file_copy \"" + root() + "src/tree/pipe\" \"" + root() + "dst\""), "");
    EXPECT_NE(fp.dialogs.shown.back().text.find("not a file, folder or link"), std::string::npos);
}
