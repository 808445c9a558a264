#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "app/settings_file.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

struct VariableCommands : ::testing::Test {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    void SetUp() override { registerAllCommands(z); }
    std::string cmd(std::string_view line) { return z.dispatcher.chkCommand(line, locals); }
};

TEST_F(VariableCommands, NamesAreCaseInsensitiveAndNothingDeletes) {
    doSet(z, "Count 5", locals);
    EXPECT_EQ(doGet(z, "COUNT", &locals), "5");
    EXPECT_EQ(locals.indexText(), " count ");
    doSet(z, "count   7  ", locals);
    EXPECT_EQ(*locals.find("count"), "7");
    doSet(z, "x 1", locals);
    doSet(z, "x NoThInG", locals);
    EXPECT_EQ(doGet(z, "x", &locals), "");
    EXPECT_EQ(locals.indexText(), " count ");
    // Deleting a name that does not exist creates nothing.
    doSet(z, "y nothing", locals);
    EXPECT_EQ(locals.find("y"), nullptr);
}

TEST_F(VariableCommands, AssignmentToAPublicNameChangesThePublicValue) {
    EXPECT_EQ(doPublic(z, "p = 1"), "false");
    doSet(z, "p 3", locals);
    EXPECT_EQ(*z.publicVars.find("p"), "3");
    EXPECT_FALSE(locals.indexed("p"));
    doSet(z, "p nothing", locals);
    EXPECT_EQ(z.publicVars.find("p"), nullptr);
    EXPECT_EQ(z.publicVars.indexText(), "");
}

TEST_F(VariableCommands, DispatcherDoSetStoresWithoutIndexingAndDoGetSeesOnlyPublic) {
    EXPECT_EQ(cmd("do_set fresh 9"), "");
    ASSERT_NE(locals.find("fresh"), nullptr);
    EXPECT_EQ(*locals.find("fresh"), "9");
    EXPECT_FALSE(locals.indexed("fresh"));
    EXPECT_EQ(locals.indexText(), "");

    doSet(z, "loc abc", locals);
    EXPECT_EQ(cmd("do_get loc"), "");
    // A second do_set through the dispatcher updates the stored value.
    cmd("do_set fresh 10");
    EXPECT_EQ(*locals.find("fresh"), "10");
    doPublic(z, "pub = x");
    EXPECT_EQ(cmd("do_get PUB"), " x");
}

TEST_F(VariableCommands, PublicTwiceKeepsTheBlankAndFailsWithoutEquals) {
    EXPECT_EQ(cmd("public p = 1"), "false");
    EXPECT_EQ(cmd("public p = 2"), "");
    EXPECT_EQ(*z.publicVars.find("p"), " 2");
    z.txtDebug.clear();
    EXPECT_EQ(cmd("public p"), "");
    EXPECT_EQ(*z.publicVars.find("p"), " 2");
    EXPECT_EQ(z.txtDebug.text(), "\r\n");
    EXPECT_EQ(z.publicVars.indexText(), " p ");
}

TEST_F(VariableCommands, PublicNothingLeavesOneBlankInTheIndex) {
    cmd("public a = 1");
    cmd("public b = 2");
    cmd("public c 3");
    EXPECT_EQ(*z.publicVars.find("c"), "3");
    EXPECT_EQ(cmd("public b nothing"), "true");
    EXPECT_EQ(z.publicVars.indexText(), " a   c ");
    EXPECT_EQ(z.publicVars.find("b"), nullptr);
    EXPECT_EQ(cmd("public a = nothing"), "");
    EXPECT_EQ(z.publicVars.indexText(), "   c ");
    // A name that never existed: "false" and nothing is made.
    EXPECT_EQ(cmd("public d = nothing"), "false");
    EXPECT_FALSE(z.publicVars.indexed("d"));
}

TEST_F(VariableCommands, PublicSaveTwiceLeavesOneLinePerVariable) {
    cmd("public alpha = 1");
    cmd("public beta 2");
    cmd("public.save");
    const std::string* first = z.scripts.find("on\\load");
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first->find("#location=on"), std::string::npos);
    EXPECT_NE(first->find("\r\npublic alpha = 1\r\n"), std::string::npos);
    EXPECT_NE(first->find("\r\npublic beta =2\r\n"), std::string::npos);

    doSet(z, "alpha 10", locals);
    cmd("public.save");
    const std::string& second = *z.scripts.find("on\\load");
    EXPECT_NE(second.find("public alpha =10\r\n"), std::string::npos);
    EXPECT_EQ(second.find("public alpha = 1\r\n"), std::string::npos);
    std::size_t count = 0;
    for (std::size_t p = second.find("public "); p != std::string::npos; p = second.find("public ", p + 1)) ++count;
    EXPECT_EQ(count, 2u);
}

TEST_F(VariableCommands, PublicSaveReplacesExistingLinesAnyCaseEvenOnTheFirstLine) {
    z.scripts.set("on\\load", "Public Gamma = old\r\n? hello\r\npublic delta\r\n");
    cmd("public gamma = new");
    cmd("public delta = 4");
    cmd("public.save");
    EXPECT_EQ(*z.scripts.find("on\\load"), "public gamma = new\r\n? hello\r\npublic delta = 4\r\n");
}

TEST_F(VariableCommands, SavedValuesComeBackUnchangedThroughPublic) {
    cmd("public v = 5");  // stored as " 5"
    cmd("public.save");
    Zerin other(fp.platform);
    registerAllCommands(other);
    Variables scratch;
    std::string script = *z.scripts.find("on\\load");
    std::size_t at = script.find("public v");
    std::string line = script.substr(at, script.find("\r\n", at) - at);
    other.dispatcher.chkCommand(line, scratch);
    EXPECT_EQ(*other.publicVars.find("v"), *z.publicVars.find("v"));
}

TEST_F(VariableCommands, TheWrittenFormKeepsOldFormsAndGivesTheValueWithoutABlank) {
    // Lines written by hand or by earlier saves read as before.
    cmd("public old = 1");
    EXPECT_EQ(*z.publicVars.find("old"), " 1");
    cmd("public bare 1");
    EXPECT_EQ(*z.publicVars.find("bare"), "1");
    cmd("public empty =");
    EXPECT_EQ(*z.publicVars.find("empty"), "");
    // The saved form: everything after the "=" is the value.
    cmd("public v =dom_file");
    EXPECT_EQ(*z.publicVars.find("v"), "dom_file");
    cmd("public v ==x");
    EXPECT_EQ(*z.publicVars.find("v"), "=x");
}

// Every kind of value comes back byte for byte after public.save, a save of Zerin.ini and
// a new start that reads it and runs the on\load script.
TEST_F(VariableCommands, EveryValueSurvivesASaveAndARestart) {
    const std::vector<std::pair<std::string, std::string>> values = {
        {"empty", ""},
        {"plain", "dom_file"},
        {"one.blank", " 1"},
        {"blanks", "   three before, two after  "},
        {"tab", "\tafter a tab"},
        {"groups", "(rnd 5) and (1 + 2) (x"},
        {"brackets", "[plain] && [x] &&"},
        {"escapes", "a:[b:]c ::| :+ C:\\dir"},
        {"nothing.inside", "do nothing now"},
        {"nothing.first", "Nothing else"},
        {"equals", "= 3"},
        {"quotes", "\"C:\\Program Files\\x\" /s"},
    };
    // An existing on\load script with lines of its own and an older saved line.
    z.scripts.set("on\\load", "#name=load\r\n#location=on\r\npublic plain = dom_text\r\nmarker = 1\r\n");
    for (const auto& [name, value] : values) {
        z.publicVars.assign(name, value);
        z.publicVars.indexAppend(name);
    }
    cmd("public.save");
    const std::string file = settingsText(z);

    for (int start = 1; start <= 2; ++start) {
        test::FakePlatform fp2;
        Zerin next(fp2.platform);
        registerAllCommands(next);
        loadSettingsText(next, file);
        for (const auto& [name, value] : values) {
            const std::string* back = next.publicVars.find(name);
            ASSERT_NE(back, nullptr) << name;
            EXPECT_EQ(*back, value) << name;
        }
        EXPECT_EQ(next.txtDebug.text(), "");
        // A second save from the restarted program writes the same on\load script.
        Variables scratch;
        next.dispatcher.chkCommand("public.save", scratch);
        EXPECT_EQ(*next.scripts.find("on\\load"), *z.scripts.find("on\\load"));
    }
}

// What follows a line break in a value would be a line of the on\load script of its own,
// run as code at the next start.
TEST_F(VariableCommands, AValueWithALineBreakIsSavedUpToItAndNeverRun) {
    z.publicVars.assign("two.lines", "first\r\ndo_script_break");
    z.publicVars.indexAppend("two.lines");
    cmd("public.save");
    test::FakePlatform fp2;
    Zerin next(fp2.platform);
    registerAllCommands(next);
    loadSettingsText(next, settingsText(z));
    EXPECT_EQ(*next.publicVars.find("two.lines"), "first");
    EXPECT_EQ(z.scripts.find("on\\load")->find("do_script_break"), std::string::npos);
}

TEST_F(VariableCommands, SettingsAcceptTheBlankAPublicLineKeeps) {
    EXPECT_EQ(publicSetting(z, "do.mode"), std::nullopt);
    cmd("public do.mode = dom_file");
    EXPECT_EQ(publicSetting(z, "do.mode"), "dom_file");
    cmd("public do.mode =dom_text");
    EXPECT_EQ(publicSetting(z, "do.mode"), "dom_text");
    // Only the one blank that "= " leaves.
    cmd("public do.mode =  dom_image");
    EXPECT_EQ(publicSetting(z, "do.mode"), " dom_image");
    cmd("public list.icons = 1");
    EXPECT_EQ(publicSetting(z, "list.icons"), "1");
}

}  // namespace
