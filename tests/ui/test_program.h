// What a window test starts from: the platform fakes with Qt's own text metrics, and the
// program's logic made on them once the test has set up the platform (a mixer, a window
// list) the way it wants.
#pragma once

#include <memory>

#include <QTest>

#include "app/program.h"
#include "fake_platform.h"
#include "qt_text_metrics.h"
#include "ui/main_window.h"

namespace zerin::test {

struct TestProgram {
    FakePlatform fp;
    QtTextMetrics metrics;
    Platform platform{fp.pump, fp.clock, fp.keys, fp.dialogs, fp.processes, fp.sound, fp.system, metrics};
    std::unique_ptr<Zerin> zerin;

    // The logic with every command, at the font size the window tests measure with.
    Zerin& makeZerin() {
        zerin = std::make_unique<Zerin>(platform);
        registerAllCommands(*zerin);
        zerin->settings.fontSize = 10;
        return *zerin;
    }

    // The main window over the logic, 1000 x 700, shown; false when it never appeared.
    bool showWindow() {
        window = std::make_unique<ui::MainWindow>(*zerin);
        window->resize(1000, 700);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    std::unique_ptr<ui::MainWindow> window;  // after the logic, so it goes first
};

}  // namespace zerin::test
