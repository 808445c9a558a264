#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "app/program.h"
#include "fake_platform.h"
#include "script/evaluator.h"
#include "script/value.h"
#include "script/variables.h"

using namespace zerin;

namespace {

// Numbers are written and read with "." under every system locale, including those whose
// decimal separator is a comma.
class UnderCommaLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        m_previous = previous ? previous : "C";
        if (!std::setlocale(LC_ALL, GetParam())) GTEST_SKIP() << GetParam() << " is not installed";
        std::setlocale(LC_NUMERIC, GetParam());
    }
    void TearDown() override { std::setlocale(LC_ALL, m_previous.c_str()); }

    std::string eval(std::string text) { return evaluate(z, text, locals); }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;

private:
    std::string m_previous;
};

TEST_P(UnderCommaLocale, NumbersKeepThePoint) {
    registerAllCommands(z);
    EXPECT_EQ(eval("0.1 + 0.2"), "0.3");
    EXPECT_EQ(eval("10 / 4"), "2.5");
    EXPECT_EQ(eval("1.5 * 1e20"), "1.5E+20");
    EXPECT_EQ(eval("x == 2.25"), "2.25");
    EXPECT_EQ(formatNumber(-0.000001234), "-1.234E-6");
    EXPECT_DOUBLE_EQ(val("2.5"), 2.5);
    EXPECT_EQ(z.dispatcher.chkCommand("sqr 6.25", locals), "2.5");
    EXPECT_EQ(z.dispatcher.chkCommand("abs -0.5", locals), "0.5");
}

INSTANTIATE_TEST_SUITE_P(GermanAndSwedish, UnderCommaLocale,
                         ::testing::Values("de_DE.UTF-8", "sv_SE.UTF-8"));

}  // namespace
