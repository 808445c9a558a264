#include <gtest/gtest.h>

#include "core/command_words.h"

using namespace zerin;
using Words = std::vector<std::string>;

TEST(CommandLine, QuotesGroupAndBackslashesStayLiteral) {
    EXPECT_EQ(splitCommandWords(R"("/usr/bin/gimp" "/home/a b/x.jpg" "/tmp/y.jpg" )"),
              (Words{"/usr/bin/gimp", "/home/a b/x.jpg", "/tmp/y.jpg"}));
    EXPECT_EQ(splitCommandWords("  prog\t-a   b  "), (Words{"prog", "-a", "b"}));
    EXPECT_EQ(splitCommandWords(R"(echo a\b \"c)"), (Words{"echo", R"(a\b)", R"(\c)"}));
    // A quote may open inside a word; "" alone is an empty argument.
    EXPECT_EQ(splitCommandWords(R"(x"a b"c "" y)"), (Words{"xa bc", "", "y"}));
    // Inside quotes two quotes are one; an unclosed quote runs to the end.
    EXPECT_EQ(splitCommandWords(R"("say ""hi""" "open end)"), (Words{R"(say "hi")", "open end"}));
    EXPECT_TRUE(splitCommandWords("").empty());
    EXPECT_TRUE(splitCommandWords("   \t ").empty());
}

TEST(CommandLine, ShellCharactersAreOrdinary) {
    EXPECT_EQ(splitCommandWords("prog $(rm -rf x) `id` a;b|c>d"),
              (Words{"prog", "$(rm", "-rf", "x)", "`id`", "a;b|c>d"}));
}

TEST(CommandLine, QuotingGivesEveryWordBack) {
    for (std::string word : {std::string("plain"), std::string(R"(a"; touch pwned; ".txt)"), std::string(""),
                             std::string(R"(""")"), std::string("tab\there"), std::string(R"(C:\dir\)")}) {
        EXPECT_EQ(splitCommandWords("prog " + quoteCommandWord(word) + " end"), (Words{"prog", word, "end"}))
            << word;
    }
}
