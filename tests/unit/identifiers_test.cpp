#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "script/identifiers.h"
#include "script/language_messages.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

struct Identifiers : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    void SetUp() override {
        registerAllCommands(z);
        z.settings.textLog = true;
    }
    std::string look(std::string_view name) { return identifierLookup(z, name, locals); }
    void addItem(int pane, std::string tag, bool selected) {
        ListItem item;
        item.text = tag;
        item.tag = std::move(tag);
        item.selected = selected;
        z.panes.list(pane).add(std::move(item));
    }
};

TEST_F(Identifiers, LocalsComeBeforeBuiltInsAndPublics) {
    doPublic(z, "shared = pub");
    doSet(z, "ccrlf mine", locals);
    EXPECT_EQ(look("CCRLF"), "mine");
    EXPECT_EQ(look("shared"), " pub");
    doSet(z, "shared loc", locals);  // sets the public one: no local is made
    EXPECT_EQ(look("shared"), "loc");
    EXPECT_FALSE(locals.indexed("shared"));
}

TEST_F(Identifiers, PublicLookupIgnoresDoubleAmpersandsAndSetsCommandFound) {
    doPublic(z, "ab = 1");
    z.run.commandFound = false;
    EXPECT_EQ(look(" A&&B "), " 1");
    EXPECT_TRUE(z.run.commandFound);
}

TEST_F(Identifiers, PositiveNumbersStandForThemselvesOthersAreUnknown) {
    EXPECT_EQ(look("7"), "7");
    EXPECT_EQ(look("2.5x"), "2.5x");
    EXPECT_EQ(z.txtDebug.text(), "");
    EXPECT_EQ(look("0"), "");
    EXPECT_EQ(z.txtDebug.text(), "Error: Unknown identifier: 0\r\n\r\n");
    z.txtDebug.clear();
    EXPECT_EQ(look("-3"), "");
    EXPECT_EQ(look("nosuch"), "");
    EXPECT_EQ(z.txtDebug.text(), "Error: Unknown identifier: -3\r\n\r\nError: Unknown identifier: nosuch\r\n\r\n");
}

TEST_F(Identifiers, PaneIdentifiersReadTheSourceAndTargetPanes) {
    z.panes.setPath(0, "/home/ann/");
    z.panes.setPath(1, "/tmp/");
    addItem(1, "/tmp/a (1).txt", true);
    addItem(1, "/tmp/b.txt", false);
    addItem(1, "/tmp/dir/", true);
    z.panes.setSourcePane(1);
    EXPECT_EQ(look("source_list"), "1");
    EXPECT_EQ(look("target_list"), "0");
    EXPECT_EQ(look("source_path"), "/tmp");
    EXPECT_EQ(look("target_path"), "/home/ann");
    EXPECT_EQ(look("source_selected"), "/tmp/a (1).txt");
    EXPECT_EQ(look("Source_SelectedName"), "a (1).txt");
    EXPECT_EQ(look("source_allselected"), "\"/tmp/a (1).txt\" \"/tmp/dir\" ");
    z.panes.setSourcePane(0);
    EXPECT_EQ(look("source_list"), "0");
    EXPECT_EQ(look("target_list"), "1");
    EXPECT_EQ(look("source_selected"), "");
    EXPECT_EQ(look("source_allselected"), "");
}

TEST_F(Identifiers, ClockOutputAndVariableNames) {
    fp.clock.time.dayOfYear = 3;
    fp.clock.time.hour = 1;
    fp.clock.time.minute = 2;
    fp.clock.time.second = 3;
    EXPECT_EQ(look("do_seconds_this_year"), std::to_string(2 * 86400 + 3600 + 120 + 3));

    z.run.inputText = "clicked";
    EXPECT_EQ(look("do_output"), "clicked");
    EXPECT_EQ(z.txtDebug.text(), std::string(messages::kOutputAccessed) + "\r\n");

    doPublic(z, "p1 = 1");
    doPublic(z, "p2 = 2");
    doSet(z, "l1 1", locals);
    doSet(z, "l2 2", locals);
    EXPECT_EQ(look("all_variables"), " p1 p2 l1 l2 ");
}

TEST_F(Identifiers, NumericValueOfANameTriesLocalsCommandsThenPublics) {
    doSet(z, "n 12abc", locals);
    EXPECT_DOUBLE_EQ(numericValueOfName(z, "N", locals), 12);
    doPublic(z, "q = 2.5");
    EXPECT_DOUBLE_EQ(numericValueOfName(z, "q", locals), 2.5);
    EXPECT_DOUBLE_EQ(numericValueOfName(z, "missing", locals), 0);
    // A name whose first word is a command is that command's result.
    EXPECT_DOUBLE_EQ(numericValueOfName(z, "do_get q", locals), 2.5);
}

}  // namespace
