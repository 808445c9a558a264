#include <gtest/gtest.h>

#include <random>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "literal_compiler.h"
#include "script/compiler.h"

using namespace zerin;

namespace {

std::string crlf(std::string_view s) { return text::replaceAll(s, "\n", "\r\n"); }
std::string lf(std::string_view s) { return text::replaceAll(s, "\r\n", "\n"); }
// The buffer as a run hands it to the compiler.
std::string runBuffer(std::string_view script) { return "\r\ncommand = t\r\n" + crlf(script) + "\r\n"; }

class CompilerTest : public ::testing::Test {
protected:
    // Compiles `script` as a run would and returns the text after the command line, with
    // LF line ends for readable expectations.
    std::string compiled(std::string_view script) {
        box.setText(runBuffer(script));
        compile(z, box);
        std::string t = box.text();
        EXPECT_TRUE(t.starts_with("\r\ncommand = t\r\n")) << t;
        return lf(t.substr(15));
    }
    // The text of the line that script line `n` (0 = the first after the command line)
    // jumps to: "<end>" beyond the text.
    std::string targetOf(std::size_t n) {
        const std::string& t = box.text();
        std::size_t at = 15;
        for (std::size_t i = 0; i < n; ++i) at = t.find("\r\n", at) + 2;
        std::size_t target = std::stoul(t.substr(at, 7));
        if (target > t.size()) return "<end>";
        if (target < 3 || t.substr(target - 3, 2) != "\r\n") return "<not a line start>";
        return t.substr(target - 1, t.find("\r\n", target - 1) - (target - 1));
    }
    std::string debugText() { return lf(z.txtDebug.text()); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    TextBox box;
};

TEST_F(CompilerTest, FirstPassRewritesLineByLine) {
    EXPECT_EQ(compiled("   cls\n\t? hello world\nWINDOW 10 20\nx = 1\n"),
              "cls\n10000012 hello world\n10000066 10 20\nx = 1\n\n");
    EXPECT_EQ(compiled("' a comment\n#unknown directive\n? after\n"), "10000012 after\n\n");
    EXPECT_EQ(compiled("#NAME=Copy all\n#Location=tools\n#compileflags=0\n"),
              "app.name = Copy all\napp.location = tools\napp.compileflags = 0\n\n");
    // Blank lines stay (as empty lines); "endif" loses every blank and tab.
    EXPECT_EQ(compiled("a\n   \n\nEndIf  ' done\t!\n"), "a\n\n\nEndIf'done!\n\n");
    // Only the first word decides, and only a whole command name counts.
    EXPECT_EQ(compiled("window.mov 1\n?. x\n!  loud\n"), "window.mov 1\n10000086 x\n10000118 loud\n\n");
}

TEST_F(CompilerTest, IfElseEndifBecomeJumpsToTheirBranches) {
    EXPECT_EQ(compiled("if x\nelse\nendif"), "00000380 x\n00000380\nendif\n");
    compiled("if a = 1\n? one\nelse\n? other\nendif\n? done");
    EXPECT_EQ(targetOf(0), "10000012 other");  // the if line: the line after else
    EXPECT_EQ(targetOf(2), "endif");           // the else line: the endif line
}

TEST_F(CompilerTest, ElseifGetsAJumpToEndifInsertedBeforeIt) {
    // The if jumps to the elseif line itself, the inserted line skips to endif.
    EXPECT_EQ(compiled("if a\nx\nelseif b\ny\nendif"),
              "00000410 a\nx\n00000560\n00000560 b\ny\nendif\n");
    // An earlier jump past the insertion point moves with the text.
    compiled("if a\nif b\nelseif c\nendif\nelse\nz\nendif\nw");
    EXPECT_EQ(targetOf(0), "z");
    EXPECT_TRUE(targetOf(1).ends_with(" c"));  // the inner if: its elseif line
    EXPECT_EQ(targetOf(2), "endif");           // the inserted line
    EXPECT_EQ(targetOf(3), "endif");
    EXPECT_EQ(targetOf(5), "endif");
}

TEST_F(CompilerTest, NestedBlocksAreSkippedWhenFindingABranch) {
    compiled("if a\nif b\nx\nelse\ny\nendif\nelse\nz\nendif\nw");
    // The outer if skips the inner block and lands after the outer else, whose jump
    // skips the inner endif too.
    EXPECT_EQ(targetOf(0), "z");
    EXPECT_EQ(targetOf(1), "y");
    EXPECT_EQ(targetOf(3), "endif");
    EXPECT_EQ(targetOf(6), "endif");
    compiled("if a\nif b\nendif\nif c\nendif\nelseif d\nendif");
    EXPECT_TRUE(targetOf(0).ends_with(" d"));
}

TEST_F(CompilerTest, UpperCaseEndifIsNotABranchTarget) {
    EXPECT_EQ(compiled("if a\nx\nENDIF\ny"), "00000420 a\nx\nENDIF\ny\n");
    EXPECT_EQ(targetOf(0), "<end>");
    // A lower-case branch further on is taken instead.
    compiled("if a\nENDIF\nelse\nb\nendif");
    EXPECT_EQ(targetOf(0), "b");
}

TEST_F(CompilerTest, LoopUntilJumpsToTheLineAfterItsDo) {
    EXPECT_EQ(compiled("do l1\nx += 1\nloop.until l1 x > 4"), "do l1\nx += 1\n00000230 x > 4\n");
    // Any case finds the do line; an unknown label leaves the line to the interpreter.
    EXPECT_EQ(compiled("DO Outer\nloop.until OUTER 1\nloop.until nowhere 1"),
              "DO Outer\n00000260 1\nloop.until nowhere 1\n");
    EXPECT_EQ(debugText(), "");
}

TEST_F(CompilerTest, CompileFlagsSkipJumpsAndPrintTheListing) {
    EXPECT_EQ(compiled("#compileflags=1\nif a\nelse\nendif"), "app.compileflags = 1\nif a\nelse\nendif\n");
    EXPECT_EQ(debugText(), "");
    compiled("#compileflags=2\nif a\nendif");
    EXPECT_EQ(debugText(),
              "3:command = t\n16:app.compileflags = 2\n38:00000500 a\n50:endif\n\n"
              "Compiled size: 56 characters or 112 bytes.\nAllocated variables: 0\n");
    z.txtDebug.clear();
    EXPECT_EQ(compiled("#compileflags=3\nif a\nendif"), "app.compileflags = 3\nif a\nendif\n");
    EXPECT_NE(debugText().find("38:if a\n"), std::string::npos);
}

TEST_F(CompilerTest, SyntaxErrorsStopCompilingWithTheirExactLines) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"if a\nif b\nif c\nendif", "Compiler: Syntax error: 'if' without 'endif'\n"},
        {"if a\nelseif b", "Syntax error: 'if' without 'endif' 2\nelseif b\n"},
        {"if a\nelseif b\nelse\nif c\nif d\nendif", "Syntax error: 'if' without 'endif' 2.1\nelseif b\n"},
        {"if a\nelse", "Syntax error: 'if' without 'endif' 3\nelse\n"},
        {"if a\nelse\nif c\nif d\nendif", "Syntax error: 'if' without 'endif' 3.1\nelse\n"},
        {"do a\nloop.until \nif x\nendif", "Syntax error: 'do' without a Label\n"},
    };
    for (const Case& c : cases) {
        z.txtDebug.clear();
        compiled(c.script);
        EXPECT_EQ(debugText(), c.message) << c.script;
    }
    // The lines after the error stay as the first pass left them.
    EXPECT_EQ(compiled("do a\nloop.until \nif x\nendif"), "do a\nloop.until \nif x\nendif\n");
}

TEST_F(CompilerTest, ElseifWithoutEndifKeepsItsCodeForTheMissingLine) {
    compiled("if a\nelseif b\ny");
    EXPECT_EQ(lf(box.text()), lf(test::literalCompile(runBuffer("if a\nelseif b\ny")).text));
}

TEST_F(CompilerTest, TextBeforeTheFirstLineBreakIsNeverTouched) {
    box.setText("' not a comment here");
    compile(z, box);
    EXPECT_EQ(box.text(), "' not a comment here");
    // Nor is a last "endif" without a line break a branch target.
    box.setText("if x\r\nif y\r\nendif");
    compile(z, box);
    EXPECT_EQ(box.text(), "if x\r\n00000250 y\r\nendif");
}

// The linear compiler must give exactly the text of the literal rules (every change
// made in the text, earlier jumps patched after each one) for any mix of lines.
TEST_F(CompilerTest, MatchesTheLiteralRulesOnRandomScripts) {
    const char* pieces[] = {"if a",     "if b = 1", "IF c",      "elseif d", "ELSEIF e",   "else",
                            "ELSE",     "endif",    "ENDIF",     "  endif ", "x = 1",      "? hi there",
                            "do l1",    "do L2",    "loop.until l1 x", "loop.until l2", "loop.until l3 y",
                            "' note",   "#name=n",  "\tif f",    "cls",      "elsewhere",  "",
                            "endif x",  "if  g",    "elseif",    "window 1 2", "#zz",
                            "? undo l1 x", "loop.until l3 do l1", "do l3"};
    std::mt19937 rng(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string script;
        int n = 1 + static_cast<int>(rng() % 24);
        for (int i = 0; i < n; ++i) {
            script += pieces[rng() % std::size(pieces)];
            script += "\n";
        }
        std::string buffer = runBuffer(script);
        test::LiteralCompile expected = test::literalCompile(buffer);
        z.txtDebug.clear();
        box.setText(buffer);
        compile(z, box);
        ASSERT_EQ(lf(box.text()), lf(expected.text)) << script;
        std::string messages;
        for (const std::string& m : expected.messages) messages += m + "\r\n";
        ASSERT_EQ(z.txtDebug.text(), messages) << script;
    }
}

}  // namespace

// Positions count characters: a line of non-ASCII letters before a jump moves its
// target by its characters, not its bytes.
TEST_F(CompilerTest, JumpTargetsAndTheListingCountCharacters) {
    const std::string letters = "\xc3\xa5\xc3\xa4\xc3\xb6 \xe2\x82\xac";  // 5 characters, 10 bytes
    compiled("#compileflags=2\n? " + letters + "\nif a\n? x\nelse\n? y\nendif");
    std::string listing = debugText();
    // Each listed position is the one before plus the previous line's characters and CR LF.
    std::vector<std::string_view> lines = text::split(listing, '\n');
    std::size_t expected = 0, lastLength = 0;
    for (std::string_view l : lines) {
        std::size_t colon = l.find(':');
        if (l.empty() || colon == std::string_view::npos || l.starts_with("Compiled")) break;
        std::size_t pos = std::stoul(std::string(l.substr(0, colon)));
        if (expected) EXPECT_EQ(pos, expected + lastLength + 2) << l;
        expected = pos;
        lastLength = text::charCount(l.substr(colon + 1));
    }
    std::size_t size = text::charCount(box.text());
    EXPECT_EQ(expected + lastLength + 1, size);  // the last line ends with the final CR LF
    EXPECT_NE(listing.find("Compiled size: " + std::to_string(size) + " characters"), std::string::npos) << listing;
    // The if jumps to the line after "else", counted in characters.
    std::size_t at = box.text().find("\r\n10000012 y") + 2;
    std::string code = std::to_string(text::charCount(box.text().substr(0, at)) + 1) + "0 a";
    EXPECT_NE(box.text().find("\r\n" + std::string(8 - code.size() + 2, '0') + code), std::string::npos) << box.text();
}

TEST_F(CompilerTest, AHandWrittenJumpLandsOnTheCharacterItNames) {
    z.interpreter.setLineBudget(1000);
    z.settings.textLog = true;
    registerAllCommands(z);
    // The run's buffer starts "\r\ncommand = t\r\n" (15 characters); then "? åäö€\r\n" (8
    // characters), the jump line (10) and "? skipped\r\n" (11): "? landed" is character 45.
    z.txtBuffer.setText("? \xc3\xa5\xc3\xa4\xc3\xb6\xe2\x82\xac\r\n00000450\r\n? skipped\r\n? landed");
    z.interpreter.RunEditor("", &z.txtBuffer, "t");
    EXPECT_EQ(debugText(), "\xc3\xa5\xc3\xa4\xc3\xb6\xe2\x82\xac\nlanded\n");
}
