// A program started the way the window module starts it: the platform fakes with Qt's own
// text metrics, the logic reading Zerin.ini from `folder`, and its main window shown.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "app/program.h"
#include "app/startup.h"
#include "fake_platform.h"
#include "qt_text_metrics.h"
#include "ui/main_window.h"

namespace zerin::test {

struct StartedProgram {
    FakePlatform fp;
    QtTextMetrics metrics;
    Platform platform{fp.pump, fp.clock, fp.keys, fp.dialogs, fp.processes, fp.sound, fp.system, metrics};
    Zerin z{platform};
    std::unique_ptr<ui::MainWindow> window;

    StartedProgram(const std::filesystem::path& folder, int width, int height) {
        z.programFolder = folder;
        registerAllCommands(z);
        window = std::make_unique<ui::MainWindow>(z);
        window->resize(width, height);
        StartupSteps steps;
        window->fillStartupSteps(steps);
        steps.showWindow = [this] { window->show(); };
        runStartup(z, std::nullopt, steps);
    }
    ~StartedProgram() { window.reset(); }
};

}  // namespace zerin::test
