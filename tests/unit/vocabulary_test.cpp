#include <gtest/gtest.h>

#include <set>

#include "script/command_list.h"
#include "script/vocabulary.h"

using namespace zerin;

TEST(Vocabulary, EveryNumberFromOneTo150AppearsOnceInOrder) {
    std::vector<int> numbers;
#define COLLECT(n, id, name, flags, helpPlace) numbers.push_back(n);
    ZERIN_COMMANDS(COLLECT)
#undef COLLECT
    ASSERT_EQ(numbers.size(), 150u);
    for (int i = 0; i < 150; ++i) EXPECT_EQ(numbers[static_cast<std::size_t>(i)], i + 1);
    std::set<std::string_view> names;
    for (int i = 1; i <= 150; ++i) EXPECT_TRUE(names.insert(vocabulary::commandName(i)).second) << i;
}

TEST(Vocabulary, CommandTableTextIsExact) {
    const std::string& t = vocabulary::commandTable();
    EXPECT_EQ(t.rfind(" rnd 1 int 2 abs 3", 0), 0u);
    EXPECT_TRUE(t.ends_with("gfx.mouse.y 150 "));
    EXPECT_NE(t.find(" window 66 "), std::string::npos);
}

TEST(Vocabulary, NameLookupNeedsTheWholeName) {
    EXPECT_EQ(vocabulary::commandNumber("WINDOW"), 66);
    EXPECT_EQ(vocabulary::commandNumber("window.move"), 139);
    EXPECT_EQ(vocabulary::commandNumber("window.mov"), 0);
    EXPECT_EQ(vocabulary::commandNumber("move"), 0);
    EXPECT_EQ(vocabulary::commandNumber("?"), 12);
    EXPECT_EQ(vocabulary::commandNumber("?."), 86);
    // Numbers are not names, though " 7 " occurs in the table text.
    EXPECT_EQ(vocabulary::commandNumber("7"), 0);
    EXPECT_EQ(vocabulary::commandNumber(""), 0);
}

TEST(Vocabulary, OperatorsAreCaseSensitiveKeywordsAreNot) {
    EXPECT_TRUE(vocabulary::isOperator("and"));
    EXPECT_FALSE(vocabulary::isOperator("AND"));
    EXPECT_TRUE(vocabulary::isOperator("\\"));
    EXPECT_TRUE(vocabulary::isOperator("=="));
    EXPECT_FALSE(vocabulary::isOperator("step"));
    EXPECT_TRUE(vocabulary::isKeyword("endif"));
    EXPECT_TRUE(vocabulary::isKeyword("EnDiF"));
    EXPECT_TRUE(vocabulary::isKeyword("loop.until"));
    EXPECT_FALSE(vocabulary::isKeyword("FUNCTION"));
    EXPECT_FALSE(vocabulary::isKeyword("LOOP"));
}

// Scripts see these texts (the compile listing), so the lists must make them exactly.
TEST(Vocabulary, KeywordAndOperatorTextsAreExact) {
    EXPECT_EQ(vocabulary::kOperatorList, " = > < <> + - * / ^ += -= *= /= =+ == \\ and or to ");
    EXPECT_EQ(vocabulary::kKeywordList, " IF ELSE ELSEIF ENDIF END GOTO GOSUB DO LOOP.UNTIL FOR NEXT APP.RETURN RETURN ");
    EXPECT_EQ(vocabulary::keywordOf("elseif"), Keyword::ElseIf);
    EXPECT_EQ(vocabulary::keywordOf("ELSE IF"), Keyword::None);
    EXPECT_EQ(vocabulary::operatorOf("/="), Op::DivideBy);
    EXPECT_EQ(vocabulary::operatorOf("/=="), Op::None);
}

TEST(Vocabulary, FlagsMarkTheCommandsHelpMustNotCall) {
    std::vector<std::string_view> acting;
    for (const CommandInfo& c : kCommands)
        if (c.flags & kActsOnAnyArgument) acting.push_back(c.name);
    EXPECT_EQ(acting, (std::vector<std::string_view>{"do_set", "do_file_copy", "do_column_headers", "do_run", "do_run_s", "do_runwait",
                                                     "do_runwait_s", "do_script_break", "do_query_okcancel", "query",
                                                     "input", "do_makedir", "do_file_rename", "do_pause",
                                                     "do_button_from_editor", "file.cue.to.editor", "bitmap.save"}));
    EXPECT_FALSE(vocabulary::hasFlag(0, kReserved));
    EXPECT_FALSE(vocabulary::hasFlag(151, kActsOnAnyArgument));
    EXPECT_EQ(kHelpList.front(), "do_column_autosize");
    EXPECT_EQ(kHelpList[18], "do_text_save");  // listed, though no command has the name
    EXPECT_EQ(kHelpList.back(), "do_wait");
}

TEST(Vocabulary, CommandCodesAndReservedNumbers) {
    EXPECT_EQ(vocabulary::commandCode(109), "10000109");
    EXPECT_EQ(vocabulary::commandCode(12), "10000012");
    int reserved = 0;
    for (int i = 1; i <= 150; ++i) reserved += vocabulary::isReserved(i);
    EXPECT_EQ(reserved, 7);
    EXPECT_TRUE(vocabulary::isReserved(142));
}

// The operator test answers exactly what the list text holds: every short token made of
// operator characters and a few letters is checked against a search of the list.
TEST(Vocabulary, OperatorTestAgreesWithTheOperatorList) {
    const std::string chars = "=<>+-*/^\\ andortsAN";
    std::vector<std::string> tokens{""};
    for (int len = 1; len <= 4; ++len) {
        std::vector<std::string> longer;
        for (const std::string& t : tokens)
            if (t.size() == static_cast<std::size_t>(len - 1))
                for (char c : chars) longer.push_back(t + c);
        tokens.insert(tokens.end(), longer.begin(), longer.end());
    }
    int operators = 0;
    for (const std::string& t : tokens) {
        bool listed = !t.empty() && t.find(' ') == std::string::npos &&
                      std::string(vocabulary::kOperatorList).find(" " + t + " ") != std::string::npos;
        EXPECT_EQ(vocabulary::isOperator(t), listed) << "token '" << t << "'";
        operators += listed;
    }
    EXPECT_EQ(operators, 19);
}
