// A program state wired for pane tests: fake platform, the real file system with a fake
// mount table, every command registered and a temporary folder to read.
#pragma once

#include <gtest/gtest.h>

#include "app/program.h"
#include "disk_file_system.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace zerin::test {

class PaneFixture : public ::testing::Test {
protected:
    PaneFixture() {
        z.fileSystem = &fs;
        z.settings.textLog = true;  // print reaches the debug pane, where tests read it
        z.programFolder = tmp.path();
        registerAllCommands(z);
    }
    std::string call(std::string_view line) { return z.dispatcher.call(line); }
    const std::string& printed() const { return z.txtDebug.text(); }

    FakePlatform fp;
    Zerin z{fp.platform};
    DiskFileSystem fs;
    TempFolder tmp;
};

}  // namespace zerin::test
