// Randomised inputs for the evaluator and the text functions: whatever the text, a call
// returns, the stop request is the only lasting effect of an error, and the properties
// that hold for every input (whole UTF-8 characters, the codec pair) hold.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "script/evaluator.h"
#include "script/functions.h"
#include "script/identifiers.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

constexpr std::array<std::string_view, 40> kTokens = {
    "1", "0", "-2", ".5", "1e308", "-1e-300", "2.5", "x", "y", "s", "nothing", "abs", "len",
    "do_script_break", "\"a b\"", "\"", "=", ">", "<", "<>", "+", "-", "*", "/", "^", "+=",
    "-=", "*=", "/=", "=+", "==", "\\", "and", "or", "to", "step", "Å", "£", "😀", ""};

struct RandomInput : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    std::mt19937 rng{20261206};
    void SetUp() override {
        registerAllCommands(z);
        doSet(z, "x 4", locals);
        doSet(z, "s Ångström", locals);
    }
    std::string randomExpression() {
        std::string e;
        int words = std::uniform_int_distribution<int>(0, 12)(rng);
        for (int i = 0; i < words; ++i) {
            if (i) e += std::uniform_int_distribution<int>(0, 9)(rng) == 0 ? "  " : " ";
            e += kTokens[std::uniform_int_distribution<std::size_t>(0, kTokens.size() - 1)(rng)];
        }
        return e;
    }
    std::string randomBytes() {
        std::string s(std::uniform_int_distribution<std::size_t>(0, 24)(rng), '\0');
        for (char& c : s) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        return s;
    }
};

TEST_F(RandomInput, EvaluatorAlwaysReturnsAndKeepsOutputBounded) {
    for (int i = 0; i < 20000; ++i) {
        std::string e = i % 5 == 4 ? randomBytes() : randomExpression();
        std::string copy = e;
        std::string result = evaluate(z, copy, locals);
        EXPECT_EQ(copy, result) << e;
        // Only a range can make a result much longer than its expression.
        if (e.find(" to ") == std::string::npos) {
            EXPECT_LE(result.size(), e.size() + 32) << e;
        }
        identifierLookup(z, e, locals);
        z.run.stopRequest = false;
        if (z.txtDebug.length() > 100000) FAIL() << "the debug pane is not trimmed";
    }
}

TEST_F(RandomInput, SlicesOfValidTextAreValidText) {
    constexpr std::array<std::string_view, 4> kSlicers = {"left s ", "right s ", "mid s ", "mid s 2 "};
    for (int i = 0; i < 5000; ++i) {
        std::string count = std::to_string(std::uniform_int_distribution<int>(-3, 12)(rng));
        std::string_view slicer = kSlicers[static_cast<std::size_t>(i) % kSlicers.size()];
        std::string r = z.dispatcher.chkCommand(std::string(slicer) + count, locals);
        ASSERT_TRUE(text::isValidUtf8(r)) << slicer << count;
        ASSERT_LE(text::charCount(r), 8u);
        std::string arg = randomBytes();
        for (std::string_view fn : {"len ", "instr ", "replace s ", "do_trimquotes ", "lcase ", "do_value_decode "})
            z.dispatcher.chkCommand(std::string(fn) + arg, locals);
        if (text::isValidUtf8(arg)) {
            ASSERT_TRUE(text::isValidUtf8(lowerText(arg)));
        }
    }
}

TEST_F(RandomInput, EncodedNumbersDecodeToThemselves) {
    std::uniform_real_distribution<double> magnitude(0, 53);
    for (int i = 0; i < 5000; ++i) {
        double v = std::floor(std::exp2(magnitude(rng)));
        if (i % 2) v = -v;
        std::string digits = z.dispatcher.chkCommand("do_value_encode " + std::to_string(static_cast<std::int64_t>(v)), locals);
        ASSERT_DOUBLE_EQ(val(z.dispatcher.chkCommand("do_value_decode " + digits, locals)), v) << digits;
    }
}

}  // namespace
