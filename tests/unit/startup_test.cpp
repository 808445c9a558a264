#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/program_folder.h"
#include "app/settings_file.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/program.h"
#include "panes/folder_size_database.h"
#include "panes/listing_cache.h"
#include "fake_platform.h"
#include "temp_dir.h"

using namespace zerin;

namespace {

TEST(CommandLineSplit, QuotesNameTheScriptAndTheRestIsTheArgumentText) {
    struct Case {
        std::string_view raw, identifier, arguments;
    } cases[] = {
        {"tools\\backup", "tools\\backup", ""},
        {"   tools\\backup a b", "tools\\backup a b", ""},  // unquoted: all of it names the script
        {"\"tools\\backup\" a b", "tools\\backup", "a b"},
        {"  \"tools\\my backup\"    a  b ", "tools\\my backup", "a  b "},
        {"\"tools\\backup\"", "tools\\backup", ""},
        {"\"no closing quote", "no closing quote", ""},
        {"\"\" x", "", "x"},
    };
    for (const Case& c : cases) {
        CommandLine line = splitCommandLine(c.raw);
        EXPECT_EQ(line.identifier, c.identifier) << c.raw;
        EXPECT_EQ(line.arguments, c.arguments) << c.raw;
    }
}

TEST(ProgramArgumentsTest, OneArgumentIsRawTextSeveralAreIdentifierAndArguments) {
    ProgramArguments none = parseProgramArguments({});
    EXPECT_FALSE(none.commandLine);
    EXPECT_FALSE(none.home);

    ProgramArguments raw = parseProgramArguments({"--home", "/h", "\"tools\\backup\" a b"});
    ASSERT_TRUE(raw.commandLine);
    EXPECT_EQ(*raw.home, "/h");
    EXPECT_EQ(raw.commandLine->identifier, "tools\\backup");
    EXPECT_EQ(raw.commandLine->arguments, "a b");

    ProgramArguments many = parseProgramArguments({"--home=/h", "tools\\backup", "a", "b c"});
    ASSERT_TRUE(many.commandLine);
    EXPECT_EQ(many.commandLine->identifier, "tools\\backup");
    EXPECT_EQ(many.commandLine->arguments, "a b c");

    EXPECT_FALSE(parseProgramArguments({"  "}).commandLine);  // blank: the window starts
    EXPECT_FALSE(parseProgramArguments({"--home"}).error.empty());
    // Only a leading --home is an option; later it is an argument of the script.
    ProgramArguments later = parseProgramArguments({"x", "--home", "y"});
    EXPECT_FALSE(later.home);
    EXPECT_EQ(later.commandLine->arguments, "--home y");

    // A quoted first word loses its quotes also when more words follow it; what follows
    // its closing quote in the same word comes first.
    ProgramArguments quoted = parseProgramArguments({"\"t\\demo\"", "x", ""});
    EXPECT_EQ(quoted.commandLine->identifier, "t\\demo");
    EXPECT_EQ(quoted.commandLine->arguments, "x ");
    ProgramArguments joined = parseProgramArguments({"  \"t\\my demo\" a", "b"});
    EXPECT_EQ(joined.commandLine->identifier, "t\\my demo");
    EXPECT_EQ(joined.commandLine->arguments, "a b");
}

TEST(ProgramFolderTest, HomeThenWritableExecutableFolderThenXdg) {
    ProgramFolderInputs in;
    in.executableFolder = "/opt/zerin";
    in.xdgConfigHome = "/cfg";
    in.userHome = "/home/ann";
    bool writable = true;
    in.isWritable = [&](const std::filesystem::path&) { return writable; };

    EXPECT_EQ(chooseProgramFolder(in), "/opt/zerin");
    writable = false;
    EXPECT_EQ(chooseProgramFolder(in), "/cfg/zerin");
    in.xdgConfigHome = "relative/cfg";
    EXPECT_EQ(chooseProgramFolder(in), "/home/ann/.config/zerin");
    // Installed, the copy keeps out of its own folder even as root, who may write there.
    writable = true;
    in.installed = true;
    in.xdgConfigHome = "/cfg";
    EXPECT_EQ(chooseProgramFolder(in), "/cfg/zerin");
    in.home = "/data/z/../zz";
    EXPECT_EQ(chooseProgramFolder(in), "/data/zz");
}

struct StartupTest : ::testing::Test {
    test::FakePlatform fp;
    test::TempDir dir;
    Zerin z{fp.platform};
    StartupTest() {
        z.programFolder = dir.path();
        registerAllCommands(z);
    }
};

TEST_F(StartupTest, CommandLineFindsTheScriptInAnyCaseAndSkipsTheWindow) {
    dir.write("Zerin.ini", "script Tools\\Backup\r\n#location=Tools\r\n#name=Backup\r\n? 1\r\nend script\r\n");
    bool windowTouched = false;
    StartupSteps steps;
    steps.showWindow = [&] { windowTouched = true; };
    steps.createTooltips = [&] { windowTouched = true; };

    EXPECT_EQ(runStartup(z, CommandLine{"tools\\backup", "a b"}, steps), StartupOutcome::ScriptRan);
    EXPECT_EQ(z.txtBackCode.text(), "\r\ncommand = a b\r\napp.location = Tools\r\napp.name = Backup\r\n10000012 1\r\n");
    EXPECT_FALSE(windowTouched);
    EXPECT_EQ(fp.pump.pumps, 0);

    test::FakePlatform fp2;
    Zerin other(fp2.platform);
    other.programFolder = dir.path();
    EXPECT_EQ(runStartup(other, CommandLine{"tools\\nosuch", ""}, steps), StartupOutcome::ScriptNotFound);
    EXPECT_EQ(other.txtBackCode.text(), "");
    EXPECT_FALSE(windowTouched);
    // Nothing is written by a command-line run.
    EXPECT_EQ(dir.read("Zerin.ini").find("powerdrop"), std::string::npos);
}

TEST_F(StartupTest, WindowStepsRunInOrderAfterTheFixedValues) {
    std::filesystem::create_directory(dir / "left");
    dir.write("left/a.txt", "a");
    dir.write("Zerin.ini", "text_log=0\r\npowerdrop=1\r\nslide_interval=2000\r\nmode=4\r\nleft_path=" +
                               (dir / "left").string() + "/\r\n");
    ListingCache saved;
    saved.add("/cached/folder/", "/cached/folder/\r\nsome listing\r\n");
    dir.write("Zerin_Cache.ini", encodeFolderSizeDatabase(saved));

    std::vector<std::string> order;
    auto record = [&](std::string name) { return [&order, name] { order.push_back(name); }; };
    StartupSteps steps;
    steps.createTooltips = record("tooltips");
    steps.assignFixedTables = [&] {
        order.push_back("fixed");
        EXPECT_TRUE(z.settings.textLog);
    };
    steps.showWindow = [&] {
        order.push_back("show");
        EXPECT_EQ(z.panes.cache.find("/cached/folder/"), nullptr);  // the database comes after
    };
    steps.setListIconMode = [&] {
        order.push_back("icons");
        EXPECT_NE(z.panes.cache.find("/cached/folder/"), nullptr);
        EXPECT_TRUE(z.panes.list(0).items().empty());  // the lists are filled after
    };
    steps.resize = record("resize");
    steps.setCodeEditorTabWidth = record("tabs");
    z.txtCode.setText("old code");

    EXPECT_EQ(runStartup(z, std::nullopt, steps), StartupOutcome::WindowReady);
    EXPECT_EQ(order, (std::vector<std::string>{"tooltips", "fixed", "show", "icons", "resize", "tabs"}));
    EXPECT_TRUE(z.settings.textLog);
    EXPECT_FALSE(z.settings.powerdrop);
    EXPECT_EQ(z.settings.slideInterval, 5000);
    EXPECT_EQ(z.settings.slideTimerInterval, 2000);
    EXPECT_EQ(z.settings.mode, 4);
    EXPECT_EQ(z.txtCode.text(), "");
    EXPECT_EQ(fp.pump.pumps, 2);
    EXPECT_FALSE(z.panes.list(0).items().empty());  // the left list shows left_path
}

TEST_F(StartupTest, AFailingStepIsReportedAndTheRestStillRuns) {
    StartupSteps steps;
    bool resized = false;
    steps.setUpColumns = [] { throw std::runtime_error("no columns"); };
    steps.resize = [&] { resized = true; };
    runStartup(z, std::nullopt, steps);
    EXPECT_TRUE(resized);
    EXPECT_NE(z.txtDebug.text().find(std::string(startup_messages::kStepFailed) + "columns"), std::string::npos);
}

TEST_F(StartupTest, ListIconDefaultsDoNotReplaceWhatTheOnLoadScriptSet) {
    z.publicVars.assign("list.icons", "0");
    runStartup(z, std::nullopt, {});
    EXPECT_EQ(*z.publicVars.find("list.icons"), "0");
    EXPECT_EQ(*z.publicVars.find("list.icons.large"), "0");
    EXPECT_TRUE(z.publicVars.indexed("list.icons.large"));
}

TEST_F(StartupTest, CloseDialogueCancelKeepsNoSavesNothingYesSavesBoth) {
    ShutdownSteps steps;

    fp.dialogs.answers = {MsgResult::Cancel, MsgResult::No, MsgResult::Yes};
    EXPECT_FALSE(closeRequested(z, "Zerin", steps));
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Exiting Zerin\r\n\r\nSave settings and database?");
    EXPECT_EQ(fp.dialogs.shown[0].title, "Zerin");
    EXPECT_EQ(fp.dialogs.shown[0].buttons, MsgButtons::YesNoCancel);

    EXPECT_TRUE(closeRequested(z, "Zerin", steps));
    EXPECT_FALSE(std::filesystem::exists(dir / "Zerin.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Zerin_Cache.ini"));

    z.settings.fontSize = 17;
    z.publicVars.assign("greeting", "hej");
    z.publicVars.indexAppend("greeting");
    EXPECT_TRUE(closeRequested(z, "Zerin", steps));
    EXPECT_TRUE(std::filesystem::exists(dir / "Zerin_Cache.ini"));
    // The public variables travel in the on\load script, which is saved with the rest.
    const std::string saved = dir.read("Zerin.ini");
    EXPECT_NE(saved.find("font_size=17\r\n"), std::string::npos);
    EXPECT_NE(saved.find("script on\\load\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("public greeting =hej\r\n"), std::string::npos) << saved;
}

}  // namespace
