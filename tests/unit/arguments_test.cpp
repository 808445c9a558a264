#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "script/arguments.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

struct ArgumentReaders : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    void SetUp() override {
        registerAllCommands(z);
        z.settings.textLog = true;  // so that printed errors reach the debug pane
    }
};

TEST_F(ArgumentReaders, HexColourTurnsRgbIntoThePlatformOrder) {
    EXPECT_EQ(hexColour(z, "&hff0000"), "255");          // red: low byte
    EXPECT_EQ(hexColour(z, " &H0000FF "), "16711680");   // blue: high byte
    EXPECT_EQ(hexColour(z, "&hff"), "16711680");         // padded: 0000ff is blue
    EXPECT_EQ(hexColour(z, "&h"), "0");
    EXPECT_EQ(hexColour(z, ""), "0");
    EXPECT_EQ(hexColour(z, "  1234 "), "1234");           // decimal passes through
    EXPECT_EQ(hexColour(z, "AbC"), "abc");
    EXPECT_EQ(z.txtDebug.text(), "");
}

TEST_F(ArgumentReaders, HexColourRejectsOtherCharacters) {
    EXPECT_EQ(hexColour(z, "&hffzz00"), "0");
    EXPECT_EQ(z.txtDebug.text(), "Error: illegal value - expected hexadecimal!\r\n");
}

TEST_F(ArgumentReaders, NumericListReadsNumbersColoursAndVariables) {
    doSet(z, "w 40", locals);
    doSet(z, "col &h00ff00", locals);
    doPublic(z, "pw = 7.5");
    auto n = numericArguments(z, "1 -2 .5 &hff0000 W col pw unknown", locals);
    ASSERT_EQ(n.size(), 8u);
    EXPECT_DOUBLE_EQ(n[0], 1);
    EXPECT_DOUBLE_EQ(n[1], -2);
    EXPECT_DOUBLE_EQ(n[2], 0.5);
    EXPECT_DOUBLE_EQ(n[3], 255);
    EXPECT_DOUBLE_EQ(n[4], 40);
    EXPECT_DOUBLE_EQ(n[5], 65280);
    EXPECT_DOUBLE_EQ(n[6], 7.5);
    EXPECT_DOUBLE_EQ(n[7], 0);
}

TEST_F(ArgumentReaders, NumericListStopsAtTheMaximum) {
    EXPECT_EQ(numericArguments(z, "1 2 3 4 5 6 7 8 9 10 11 12 13 14", locals).size(), 12u);
    auto two = numericArguments(z, "4 5 6", locals, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_DOUBLE_EQ(two[1], 5);
    EXPECT_TRUE(numericArguments(z, "  ", locals).empty());
}

}  // namespace
