// A Zerin with every command registered and an output window drawing into raster fakes.
#pragma once

#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "raster_canvas.h"
#include "script/variables.h"

namespace zerin::test {

class OutputWindowFixture : public ::testing::Test {
protected:
    OutputWindowFixture() {
        registerAllCommands(z);
        z.outputWindow.setHost(&host);
        z.outputWindow.setCanvasFactory(&canvases);
        z.outputWindow.setWindowList(&windows);
        z.settings.fontSize = 10;
    }
    ~OutputWindowFixture() override { z.outputWindow.setHost(nullptr); }

    // Runs a command by name with this test's script variables.
    std::string run(std::string_view line) { return z.dispatcher.chkCommand(line, locals); }
    Canvas& surface(int index) { return *z.outputWindow.surface(index)->image; }
    Colour at(int x, int y, int index = 0) { return surface(index).pixel(x, y).value_or(0xDEADBEEF); }
    bool debugHas(std::string_view text) { return z.txtDebug.text().find(text) != std::string::npos; }

    FakePlatform fp;
    Zerin z{fp.platform};
    FakeOutputWindowHost host;
    RasterCanvasFactory canvases;
    FakeWindowList windows;
    Variables locals;
};

}  // namespace zerin::test
