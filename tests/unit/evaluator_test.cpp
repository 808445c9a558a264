#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "script/evaluator.h"
#include "script/language_messages.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

struct Evaluator : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    void SetUp() override { registerAllCommands(z); }
    std::string eval(std::string text) { return evaluate(z, text, locals); }
    std::string debugText() const { return z.txtDebug.text(); }
};

TEST(IsExpression, SecondWordMustBeAnOperator) {
    EXPECT_TRUE(isExpression("a + 1"));
    EXPECT_TRUE(isExpression("x += 1"));
    EXPECT_TRUE(isExpression("1 to 5"));
    EXPECT_TRUE(isExpression("\"a b\" = c"));   // quoted first word counts as one
    EXPECT_FALSE(isExpression("\"a + b\""));
    EXPECT_FALSE(isExpression("a AND b"));
    EXPECT_FALSE(isExpression("abc"));
    EXPECT_FALSE(isExpression("abc "));
    EXPECT_FALSE(isExpression("1+2"));
    EXPECT_FALSE(isExpression(""));
    EXPECT_FALSE(isExpression("do_set x 1"));
}

TEST_F(Evaluator, ReducesStrictlyLeftToRight) {
    EXPECT_EQ(eval("2 + 3 * 4"), "20");
    EXPECT_EQ(eval("10 / 4"), "2.5");
    EXPECT_EQ(eval("0.1 + 0.2"), "0.3");
    EXPECT_EQ(eval("2 ^ 0"), "1");
    EXPECT_EQ(eval("2 ^ 10 - 24"), "1000");
    EXPECT_EQ(eval("1 - 3"), "-2");
    EXPECT_EQ(eval("1e20 * 10"), "1E+21");
    EXPECT_EQ(eval("3 > 2"), "1");
    EXPECT_EQ(eval("3 < 2"), "0");
    EXPECT_EQ(eval("   7 * 6"), "42");
}

TEST_F(Evaluator, StopsWhenTheRestIsNoLongerAnExpression) {
    std::string e = "1 + 2 abc";
    EXPECT_EQ(evaluate(z, e, locals), "3 abc");
    EXPECT_EQ(e, "3 abc");
    EXPECT_FALSE(z.run.stopRequest);
}

TEST_F(Evaluator, LogicalOperatorsRoundHalvesToEven) {
    EXPECT_EQ(eval("2 and 1"), "0");
    EXPECT_EQ(eval("3 and 1"), "1");
    EXPECT_EQ(eval("2 or 0"), "1");
    EXPECT_EQ(eval("0.5 or 0"), "0");   // 0.5 rounds to 0
    EXPECT_EQ(eval("2.5 and 2"), "1");  // 2.5 rounds to 2
}

TEST_F(Evaluator, VariablesAreReadByNameAndSetByCompoundAssignments) {
    doSet(z, "x 4", locals);
    EXPECT_EQ(eval("x += 1"), "5");
    EXPECT_EQ(*locals.find("x"), "5");
    EXPECT_EQ(eval("X * 2"), "10");
    EXPECT_EQ(eval("x -= 1.5"), "3.5");
    EXPECT_EQ(eval("x *= 2"), "7");
    EXPECT_EQ(eval("x /= 4"), "1.75");
    EXPECT_EQ(eval("y == 7"), "7");
    EXPECT_EQ(*locals.find("y"), "7");
    EXPECT_EQ(locals.indexText(), " x  y ");
    EXPECT_EQ(eval("unknown + 1"), "1");
    doPublic(z, "pub = 6");
    EXPECT_EQ(eval("pub * 2"), "12");
    EXPECT_EQ(eval("pub += 1"), "7");
    EXPECT_EQ(*z.publicVars.find("pub"), "7");
    EXPECT_FALSE(locals.indexed("pub"));
}

TEST_F(Evaluator, AnOperandThatIsACommandIsCalled) {
    EXPECT_EQ(eval("abs + 1"), "1");  // abs with no argument reads 0
    doSet(z, "abs 41", locals);       // a local variable hides the command
    EXPECT_EQ(eval("abs + 1"), "42");
}

TEST_F(Evaluator, EqualsComparesTextOfVariablesCaseSensitively) {
    doSet(z, "a word", locals);
    doSet(z, "b word", locals);
    EXPECT_EQ(eval("a = b"), "1");
    EXPECT_EQ(eval("abc = ABC"), "0");
    EXPECT_EQ(eval("abc = abc"), "1");
    EXPECT_EQ(eval("a = word"), "1");
    EXPECT_EQ(eval("1 = 1.0"), "0");  // text, not numbers
    EXPECT_EQ(eval("\"a b\" = \"a b\""), "1");
}

TEST_F(Evaluator, DivisionByZeroStopsAndKeepsWhatWasReduced) {
    z.run.commandFound = true;
    EXPECT_EQ(eval("5 / 0"), "");
    EXPECT_EQ(debugText(), std::string(messages::kDivisionByZero) + "\r\n");
    EXPECT_TRUE(z.run.stopRequest);
    EXPECT_FALSE(z.run.commandFound);

    z.run.stopRequest = false;
    EXPECT_EQ(eval("1 + 2 / 0"), "3 / 0");
    EXPECT_TRUE(z.run.stopRequest);

    doSet(z, "x 8", locals);
    z.txtDebug.clear();
    z.run.stopRequest = false;
    EXPECT_EQ(eval("x /= 0"), "");
    EXPECT_EQ(debugText(), std::string(messages::kDivisionByZero) + "\r\n");
    EXPECT_TRUE(z.run.stopRequest);
    EXPECT_EQ(*locals.find("x"), "8");
}

TEST_F(Evaluator, SyntaxErrorsQuoteTheWholeExpression) {
    EXPECT_EQ(eval("1 +"), "");
    EXPECT_EQ(debugText(), "CheckOperands: Syntax Error: \"1 +\"Expected a space-character\r\n");
    EXPECT_TRUE(z.run.stopRequest);
    z.txtDebug.clear();
    EXPECT_EQ(eval("1 + 2 +"), "3 +");
    EXPECT_EQ(eval("4 +  "), "");
    EXPECT_EQ(eval("single"), "");
}

TEST_F(Evaluator, UnknownOperatorsAreReportedWithoutStopping) {
    EXPECT_EQ(eval("1 <> 2"), "");
    EXPECT_EQ(debugText(), "CheckOperands: Unknown operator: \"<>\"\r\n");
    EXPECT_FALSE(z.run.stopRequest);
    z.txtDebug.clear();
    EXPECT_EQ(eval("1 + 1 \\ 2"), "");
    EXPECT_EQ(debugText(), "CheckOperands: Unknown operator: \"\\\"\r\n");
    EXPECT_EQ(eval("1 =+ 2"), "");
}

TEST_F(Evaluator, RangesListEveryValueWithATrailingBlank) {
    EXPECT_EQ(eval("1 to 9 step 4"), "1 5 9 ");
    EXPECT_EQ(eval("1 to 10 step 4"), "1 5 9 ");
    EXPECT_EQ(eval("3 to 3"), "3");
    EXPECT_EQ(eval("1 to 3 step 1"), "1 2 3 ");
    EXPECT_EQ(eval("3 to 1 step -1"), "3 2 1 ");
    EXPECT_EQ(eval("1.4 to 2.6 STEP 1"), "1 2 3 ");
    EXPECT_EQ(eval("2 + 1 to 5 step 2"), "3 5 ");
    doSet(z, "n 4", locals);
    EXPECT_EQ(eval("1 to n step 1"), "1 2 3 4 ");
    EXPECT_FALSE(z.run.stopRequest);
}

TEST_F(Evaluator, RangeErrorsArePrintedAndStop) {
    z.settings.textLog = true;
    EXPECT_EQ(eval("1 to 3"), "");
    EXPECT_EQ(debugText(), "- Error in FOR statement: \r\n1 3\r\n");
    EXPECT_TRUE(z.run.stopRequest);
    EXPECT_EQ(eval("1 to 3 step 0"), "");
    EXPECT_EQ(eval("1 to 3 step -1"), "");
    EXPECT_EQ(eval("3 to 1 step 1"), "");
    EXPECT_EQ(eval("1 + 1 to 5"), "2 to 5");
    // A range too long to hold is refused rather than built, and the message says why.
    z.txtDebug.clear();
    z.run.stopRequest = false;
    EXPECT_EQ(eval("1 to 2000000 step 1"), "");
    EXPECT_EQ(debugText(), "- Error in FOR statement: \r\n1 2000000\r\nToo many values: a range holds at most " +
                               std::to_string(kMaxRangeValues) + "\r\n");
    EXPECT_TRUE(z.run.stopRequest);
    z.txtDebug.clear();
    EXPECT_EQ(eval("1 to 1e12 step 1"), "");
    EXPECT_NE(debugText().find("Too many values"), std::string::npos);
    // A wrong step says nothing about the count, however long the range.
    z.txtDebug.clear();
    EXPECT_EQ(eval("1 to 2000000 step -1"), "");
    EXPECT_EQ(debugText(), "- Error in FOR statement: \r\n1 2000000\r\n");
    // The limit itself is allowed.
    z.txtDebug.clear();
    z.run.stopRequest = false;
    std::string all = eval("1 to " + std::to_string(kMaxRangeValues) + " step 1");
    EXPECT_TRUE(all.starts_with("1 2 3 "));
    EXPECT_TRUE(all.ends_with(" " + std::to_string(kMaxRangeValues) + " "));
    EXPECT_EQ(debugText(), "");
    EXPECT_FALSE(z.run.stopRequest);
}

TEST_F(Evaluator, AFailingStepIsSkipped) {
    // 1e308 * 10 overflows: the step keeps the previous value and the rest goes on.
    EXPECT_EQ(eval("1e308 * 10"), "");
    EXPECT_EQ(eval("2 + 3 * 1e308 * 1e308 + 1"), "6");
    EXPECT_EQ(eval("2 * 2 + -8 ^ 0.5"), "-4");
    EXPECT_FALSE(z.run.stopRequest);
}

}  // namespace
