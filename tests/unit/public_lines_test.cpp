// The lines public.save writes: which line a variable replaces, where new ones go, and
// that the indexed writer gives the same text as searching the whole script for each
// variable in turn, whatever the script and the values hold.
#include <gtest/gtest.h>

#include <random>

#include "core/text.h"
#include "script/public_lines.h"

using namespace zerin;

namespace {

// The rule, one variable at a time over the whole text: the first line that, lower-cased,
// begins with "public name " or is "public name" followed by CR LF is replaced; with none,
// the line is appended.
std::string bySearch(std::string script, const std::vector<PublicLine>& vars) {
    for (const PublicLine& v : vars) {
        std::string line = "public " + v.name + " =" + v.value;
        std::string lowered = "\r\n" + text::lower(script);
        std::size_t a = lowered.find("\r\npublic " + v.name + " ");
        std::size_t b = lowered.find("\r\npublic " + v.name + "\r\n");
        std::size_t hit = std::min(a, b);
        if (hit == std::string::npos) {
            if (!script.empty() && !script.ends_with("\r\n")) script += "\r\n";
            script += line + "\r\n";
        } else {
            std::size_t end = script.find("\r\n", hit);
            script.replace(hit, (end == std::string::npos ? script.size() : end) - hit, line);
        }
    }
    return script;
}

TEST(PublicLines, ReplacesTheFirstDeclarationAndAppendsTheRest) {
    // Declarations in any letter case, with or without "=", on the first line too; the
    // second declaration of a stays; "public bx" and "public b" alone on the last line
    // (no CR LF after it) do not declare b.
    std::string script = "PUBLIC A 1\r\n? keep\r\npublic a = second\r\npublic bx = 3\r\npublic b";
    std::vector<PublicLine> vars{{"a", "10"}, {"b", "20"}, {"c", " 30"}};
    EXPECT_EQ(writePublicLines(script, vars),
              "public a =10\r\n? keep\r\npublic a = second\r\npublic bx = 3\r\npublic b\r\n"
              "public b =20\r\npublic c = 30\r\n");
    // "public b" followed by CR LF declares it; an empty script gets the lines alone.
    EXPECT_EQ(writePublicLines("x\r\npublic b\r\n", {{"b", "2"}}), "x\r\npublic b =2\r\n");
    EXPECT_EQ(writePublicLines("", {{"a", "1"}, {"b", ""}}), "public a =1\r\npublic b =\r\n");
    // Appending to a last line without CR LF makes that line a declaration of a later name.
    EXPECT_EQ(writePublicLines("public z", {{"a", "1"}, {"z", "2"}}), "public z =2\r\npublic a =1\r\n");
}

TEST(PublicLines, ValuesWithLineEndsBringLinesThatLaterNamesReplace) {
    std::vector<PublicLine> vars{{"a", "1\r\npublic b old\r\ntail"}, {"b", "2"}, {"c", "x\r\npublic d"}, {"d", "4"}};
    std::string script = "public a\r\npublic b first\r\n";
    EXPECT_EQ(writePublicLines(script, vars), bySearch(script, vars));
    EXPECT_EQ(writePublicLines(script, vars),
              "public a =1\r\npublic b =2\r\ntail\r\npublic b first\r\npublic c =x\r\npublic d =4\r\n");
}

TEST(PublicLines, NamesSeenTwiceOrHoldingLineEndsFollowTheSameRule) {
    std::vector<PublicLine> vars{{"a", "1"}, {"b", "2\r\npublic a x"}, {"a", "3"}, {"x\r\npublic y", "4"}, {"y", "5"}};
    std::string script = "? start\r\npublic b\r\npublic x\r\npublic y 0\r\n";
    EXPECT_EQ(writePublicLines(script, vars), bySearch(script, vars));
}

// Scripts and values made of the pieces that matter (declarations in both forms, letter
// case, line ends, stray CR and LF) give the same text both ways.
TEST(PublicLines, SameTextAsSearchingForEachVariable) {
    std::mt19937 rng(7);
    const std::vector<std::string> names{"a", "b", "ab", "c1", "d.e"};
    const std::vector<std::string> pieces{"public ", "PUBLIC ", "a", "B", "ab", "c1", "d.e", " ", "=", "\r\n",
                                          "\r\n", "\r", "\n", "x", "? hi"};
    auto randomText = [&](int parts) {
        std::string s;
        for (int i = std::uniform_int_distribution<int>(0, parts)(rng); i > 0; --i)
            s += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(rng)];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string script = randomText(30);
        std::vector<PublicLine> vars;
        for (int i = std::uniform_int_distribution<int>(0, 6)(rng); i > 0; --i)
            vars.push_back({names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(rng)],
                            round % 3 ? randomText(6) : "v"});
        ASSERT_EQ(writePublicLines(script, vars), bySearch(script, vars)) << "round " << round;
    }
}

}  // namespace
