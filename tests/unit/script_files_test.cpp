// Runs every tests/unit/scripts/*.zs and compares what it printed with the *.out beside
// it. A first line "' mode: both" or "' mode: editor" runs the script in the code editor
// (uncompiled) as well as or instead of compiled.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"

using namespace zerin;
namespace fs = std::filesystem;

namespace {

struct ScriptCase {
    fs::path script;
    bool editor = false;
};

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<ScriptCase> scriptCases() {
    std::vector<ScriptCase> cases;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ZERIN_SCRIPT_TESTS_DIR))
        if (entry.path().extension() == ".zs") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::string first = readFile(f).substr(0, 30);
        bool both = first.starts_with("' mode: both");
        bool editor = first.starts_with("' mode: editor");
        if (!editor) cases.push_back({f, false});
        if (both || editor) cases.push_back({f, true});
    }
    return cases;
}

class ScriptFile : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptFile, PrintsWhatItsOutFileHolds) {
    const ScriptCase& c = GetParam();
    test::FakePlatform fp;
    Zerin z(fp.platform);
    registerAllCommands(z);
    z.settings.textLog = true;  // prints go to the debug pane beside the error lines
    z.interpreter.setLineBudget(100000);
    TextBox& buffer = c.editor ? z.txtCode : z.txtBuffer;
    buffer.setText(text::replaceAll(readFile(c.script), "\n", "\r\n"));
    z.interpreter.RunEditor("", &buffer, "test");

    fs::path expectedFile = c.script;
    expectedFile.replace_extension(".out");
    std::string expected = readFile(expectedFile);
    EXPECT_EQ(text::replaceAll(z.txtDebug.text(), "\r\n", "\n"), expected);
}

std::string caseName(const ::testing::TestParamInfo<ScriptCase>& info) {
    std::string name = info.param.script.stem().string() + (info.param.editor ? "_editor_mode" : "_compiled");
    std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptFile, ::testing::ValuesIn(scriptCases()), caseName);

}  // namespace
