#include <gtest/gtest.h>

#include "modes/script_highlight.h"

using namespace zerin;

namespace {
// The spans of a line as "kind:text" words, so a failure shows what was coloured.
std::vector<std::string> shown(std::string_view line) {
    static const char* names[] = {"keyword", "command", "comment", "directive", "label", "variable", "number"};
    std::vector<std::string> out;
    for (const TokenSpan& s : highlightLine(line))
        out.push_back(std::string(names[static_cast<int>(s.kind)]) + ":" + std::string(line.substr(s.start, s.length)));
    return out;
}
using V = std::vector<std::string>;
}  // namespace

TEST(ScriptHighlight, WholeLineFormsAsTheCompilerReadsThem) {
    EXPECT_EQ(shown("  ' do_run is only mentioned"), V{"comment:' do_run is only mentioned"});
    EXPECT_EQ(shown("#NAME=For [x]"), V{"directive:#NAME=For [x]"});
    EXPECT_EQ(shown("\ttail:"), V{"label:tail:"});
    EXPECT_EQ(shown("a: b"), V{});  // a blank inside: no label
    EXPECT_EQ(shown(""), V{});
    EXPECT_EQ(shown(":"), V{});
}

TEST(ScriptHighlight, KeywordsCommandsVariablesAndNumbers) {
    EXPECT_EQ(shown("FOR i = (1 to 4 step 1)"), (V{"keyword:FOR", "number:1", "number:4", "number:1"}));
    EXPECT_EQ(shown("if ([total] > 5.5)"), (V{"keyword:if", "variable:[total]", "number:5.5"}));
    EXPECT_EQ(shown("DO_RUN ls [dir] x2"), (V{"command:DO_RUN", "variable:[dir]"}));
    EXPECT_EQ(shown("? sum [a] and do_wait"), (V{"command:?", "variable:[a]", "command:do_wait"}));
    EXPECT_EQ(shown("x = 1 ? 2"), (V{"number:1", "number:2"}));  // "?" inside a line prints nothing
    EXPECT_EQ(shown("gfx.color.brightness 255 60"), (V{"command:gfx.color.brightness", "number:255", "number:60"}));
    EXPECT_EQ(shown("[unclosed do_get"), (V{"command:do_get"}));
    EXPECT_EQ(shown("räksmörgås 3"), (V{"number:3"}));
}

TEST(ScriptHighlight, ScriptsAndCompletion) {
    EXPECT_TRUE(looksLikeScript("#name=x\r\n? 1"));
    EXPECT_TRUE(looksLikeScript("' a\r\n#LOCATION=tools"));
    EXPECT_FALSE(looksLikeScript("a #name= in the middle"));
    std::vector<std::string> fonts = commandsStartingWith("DO_FONT");
    EXPECT_EQ(fonts, (std::vector<std::string>{"do_font_larger", "do_font_smaller"}));
    EXPECT_TRUE(commandsStartingWith("zzz").empty());
    for (const std::string& name : commandsStartingWith("do_")) EXPECT_TRUE(name.starts_with("do_"));
}
