#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "app/program.h"
#include "fake_platform.h"
#include "script/functions.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

struct Functions : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    void SetUp() override { registerAllCommands(z); }
    std::string cmd(std::string_view line) { return z.dispatcher.chkCommand(line, locals); }
    double num(std::string_view line) { return val(cmd(line)); }
};

TEST_F(Functions, ArithmeticUsesTheGeneralNumberForm) {
    EXPECT_EQ(cmd("int -2.5"), "-3");
    EXPECT_EQ(cmd("int 2.9"), "2");
    EXPECT_EQ(cmd("abs -4"), "4");
    EXPECT_EQ(cmd("sqr 9"), "3");
    EXPECT_EQ(cmd("sqr 2"), "1.4142135623731");
    EXPECT_EQ(cmd("abs"), "0");
}

TEST_F(Functions, RndStaysWithinItsBounds) {
    for (int i = 0; i < 200; ++i) EXPECT_EQ(cmd("rnd 0"), "0");
    bool seen[2] = {false, false};
    for (int i = 0; i < 400; ++i) {
        std::string r = cmd("rnd 1");
        ASSERT_TRUE(r == "0" || r == "1") << r;
        seen[r == "1"] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

TEST_F(Functions, TrigonometryIsInDegreesWithTheLanguageFactor) {
    EXPECT_NEAR(num("cos 60"), 0.5, 1e-5);
    EXPECT_NEAR(num("sin 30"), 0.5, 1e-5);
    EXPECT_NEAR(num("atn 1"), 45, 1e-4);
    EXPECT_NEAR(num("asin 0.5"), 30, 1e-4);
    EXPECT_NEAR(num("acos 0.5"), 60, 1e-4);
    EXPECT_NEAR(num("acos 0"), 90, 1e-4);
    EXPECT_EQ(cmd("acos 1"), "");
    EXPECT_EQ(cmd("acos -1"), "180");
    EXPECT_EQ(cmd("asin 1"), "90");
    EXPECT_EQ(cmd("asin -1"), "-90");
    // The factor is the language's own, so the result is near, not exactly, 180/pi.
    EXPECT_EQ(cmd("atn 1e300"), formatNumber(std::atan(1e300) * 57.29578));
}

TEST_F(Functions, ImpossibleResultsFailTheCommandQuietly) {
    EXPECT_EQ(cmd("sqr -1"), "");
    EXPECT_EQ(z.txtDebug.text(), "\r\n");
    EXPECT_EQ(cmd("asin 2"), "");
}

TEST_F(Functions, UsageTextsGoToTheDebugPane) {
    EXPECT_EQ(cmd("abs /?"), "");
    EXPECT_EQ(cmd("sqr /?"), "");
    EXPECT_EQ(cmd("len /?"), "");
    EXPECT_EQ(z.txtDebug.text(),
              "Abs usage:\r\n\r\nAbs [value]\r\nSqr usage:\r\n\r\nSqr [value]\r\n"
              "Len usage:\r\n\r\nLen [string]\r\nReturns a Long containing the length of the specified string\r\n");
}

TEST_F(Functions, LengthsCountCharactersNotBytes) {
    doSet(z, "name abc", locals);
    EXPECT_EQ(cmd("len name"), "3");
    EXPECT_EQ(cmd("len hello world"), "11");
    doSet(z, "sw Ångström", locals);
    EXPECT_EQ(cmd("len sw"), "8");
    EXPECT_EQ(cmd("len £€😀"), "3");
    doSet(z, "empty x", locals);
    locals.assign("empty", "");
    EXPECT_EQ(cmd("len empty"), "5");
}

TEST_F(Functions, SlicesCountCharactersAndReadVariables) {
    doSet(z, "s Ångström", locals);
    doSet(z, "n 3", locals);
    EXPECT_EQ(cmd("left s 2"), "Ån");
    EXPECT_EQ(cmd("left s n"), "Ång");
    EXPECT_EQ(cmd("right s 3"), "röm");
    EXPECT_EQ(cmd("mid s 4 4"), "strö");
    EXPECT_EQ(cmd("mid s 4 4").size(), 5u);
    EXPECT_EQ(cmd("mid s 7"), "öm");
    EXPECT_EQ(cmd("left HelloWorld 5"), "hello");  // not a variable: the lower-cased word
    EXPECT_EQ(cmd("left s 99"), "Ångström");
    EXPECT_EQ(cmd("right s 99"), "Ångström");
    EXPECT_EQ(cmd("left s -2"), "");
    EXPECT_EQ(cmd("mid s 0 2"), "Ån");
    EXPECT_EQ(cmd("mid s 99 2"), "");
    EXPECT_EQ(cmd("left s 1.5"), "Ån");  // 1.5 rounds to 2
}

TEST_F(Functions, InstrFindsCharacterPositions) {
    EXPECT_EQ(cmd("instr \"abcd\" \"cd\""), "3");
    EXPECT_EQ(cmd("instr 4 \"abcd\" \"cd\""), "0");
    EXPECT_EQ(cmd("instr 3 \"abcd\" \"cd\""), "3");
    EXPECT_EQ(cmd("instr \"abcd\" \"x\""), "0");
    doSet(z, "hay Åäöxyz", locals);
    doSet(z, "needle xy", locals);
    EXPECT_EQ(cmd("instr hay needle"), "4");
    EXPECT_EQ(cmd("instr hay nosuch"), "1");  // an empty needle is found at the start
    EXPECT_EQ(cmd("instr 99 hay needle"), "0");
}

TEST_F(Functions, ReplaceWorksOnAVariablesValue) {
    doSet(z, "path a-b-c", locals);
    EXPECT_EQ(cmd("replace path \"-\" \"/\""), "a/b/c");
    EXPECT_EQ(cmd("replace path - \"\""), "abc");
    doPublic(z, "pub = x.y");
    EXPECT_EQ(cmd("replace pub . \"and more\""), " xand morey");
    EXPECT_EQ(cmd("replace nosuch a b"), "");
}

TEST_F(Functions, LowerCaseAndQuotes) {
    EXPECT_EQ(cmd("lcase ÅÄÖ Straße ÉÈ ĀŁŽ Ÿ İ × ÞX"), "åäö straße éè āłž ÿ i × þx");
    EXPECT_EQ(cmd("do_trimquotes   \"quoted text\"  "), "quoted text");
    EXPECT_EQ(cmd("do_trimquotes \"open"), "open");
    EXPECT_EQ(cmd("do_trimquotes '\"'both'\"'"), "both");
    EXPECT_EQ(cmd("do_trimquotes plain\""), "plain\"");
    EXPECT_EQ(cmd("do_trimquotes \""), "");
}

TEST_F(Functions, KeyStateAsksThePlatform) {
    fp.keys.down.insert(65);
    fp.keys.pressedOnce.insert(66);
    EXPECT_EQ(cmd("key.state 65"), "1");
    EXPECT_EQ(cmd("key.state 66"), "1");
    EXPECT_EQ(cmd("key.state 66"), "0");
    EXPECT_EQ(cmd("key.state 67"), "0");
    EXPECT_EQ(cmd("key.state -5"), "0");
}

TEST_F(Functions, ValueCodecIsABase64PairMostSignificantFirst) {
    EXPECT_EQ(cmd("do_value_encode 0"), "0");
    EXPECT_EQ(cmd("do_value_encode 63"), "$");
    EXPECT_EQ(cmd("do_value_encode 62"), "£");
    EXPECT_EQ(cmd("do_value_encode 64"), "10");
    EXPECT_EQ(cmd("do_value_encode 4095"), "$$");
    EXPECT_EQ(cmd("do_value_encode 100"), "1A");
    EXPECT_EQ(cmd("do_value_decode £0"), std::to_string(62 * 64));
    EXPECT_EQ(cmd("do_value_decode 1A"), "100");
    EXPECT_EQ(cmd("do_value_decode -z"), "-35");
    EXPECT_EQ(cmd("do_value_decode 12!3"), "66");  // stops at a character that is no digit
    EXPECT_EQ(cmd("do_value_decode"), "0");
    EXPECT_TRUE(fp.dialogs.shown.empty());  // no message boxes
}

}  // namespace

namespace {

TEST(ValueCodec, RoundTripsEveryWholeNumberUpTo2To53) {
    const std::int64_t top = std::int64_t{1} << 53;
    std::vector<std::int64_t> values = {0, 1, 61, 62, 63, 64, 65, top - 1, top};
    std::mt19937_64 rng(7);
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(top + 1)));
    for (std::int64_t v : values) {
        std::string digits = valueEncode(static_cast<double>(v));
        ASSERT_EQ(valueDecode(digits), std::to_string(v)) << digits;
    }
    EXPECT_EQ(valueEncode(static_cast<double>(top)), "w00000000");
}

}  // namespace
