#include <gtest/gtest.h>

#include "commands/command_line.h"

using namespace zerin;
using Words = std::vector<std::string>;

TEST(CommandLine, QuotesGroupAndBackslashesStayLiteral) {
    EXPECT_EQ(splitCommandLine(R"("/usr/bin/gimp" "/home/a b/x.jpg" "/tmp/y.jpg" )"),
              (Words{"/usr/bin/gimp", "/home/a b/x.jpg", "/tmp/y.jpg"}));
    EXPECT_EQ(splitCommandLine("  prog\t-a   b  "), (Words{"prog", "-a", "b"}));
    EXPECT_EQ(splitCommandLine(R"(echo a\b \"c)"), (Words{"echo", R"(a\b)", R"(\c)"}));
    // A quote may open inside a word; "" alone is an empty argument.
    EXPECT_EQ(splitCommandLine(R"(x"a b"c "" y)"), (Words{"xa bc", "", "y"}));
    // Inside quotes two quotes are one; an unclosed quote runs to the end.
    EXPECT_EQ(splitCommandLine(R"("say ""hi""" "open end)"), (Words{R"(say "hi")", "open end"}));
    EXPECT_TRUE(splitCommandLine("").empty());
    EXPECT_TRUE(splitCommandLine("   \t ").empty());
}

TEST(CommandLine, ShellCharactersAreOrdinary) {
    EXPECT_EQ(splitCommandLine("prog $(rm -rf x) `id` a;b|c>d"),
              (Words{"prog", "$(rm", "-rf", "x)", "`id`", "a;b|c>d"}));
}

TEST(CommandLine, QuotingGivesEveryWordBack) {
    for (std::string word : {std::string("plain"), std::string(R"(a"; touch pwned; ".txt)"), std::string(""),
                             std::string(R"(""")"), std::string("tab\there"), std::string(R"(C:\dir\)")}) {
        EXPECT_EQ(splitCommandLine("prog " + quoteForCommandLine(word) + " end"), (Words{"prog", word, "end"}))
            << word;
    }
}
