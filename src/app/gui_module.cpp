// The window module: every Qt object of the program lives behind these entry points, so
// that the executable itself links no Qt.
#include <QApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "app/app_setup.h"
#include "app/gui_module.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "commands/text_editor.h"
#include "app/program.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/qt_canvas.h"
#include "ui/frm_menu.h"
#include "ui/frm_output.h"
#include "ui/main_window.h"
#include "platform/linux/qt_strings.h"

namespace {

// Qt's notice about a missing XDG_RUNTIME_DIR (usual for root and in containers) would
// add a line to a command-line run's standard error, which is kept for Zerin's own
// messages.
QtMessageHandler g_defaultHandler = nullptr;
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (g_defaultHandler) g_defaultHandler(type, context, message);
}

// Qt sees only the program name: every other argument belongs to the script.
int g_qtArgc = 1;
char g_programName[] = "zerin";
char* g_qtArgv[] = {g_programName, nullptr};

std::unique_ptr<QApplication> makeApplication() {
    g_defaultHandler = qInstallMessageHandler(filterQtMessages);
    auto app = std::make_unique<QApplication>(g_qtArgc, g_qtArgv);
    QApplication::setApplicationName(QStringLiteral("Zerin"));
    return app;
}

// What a command-line run borrows once it needs Qt, destroyed in the reverse order.
struct AttachedGui {
    std::unique_ptr<QApplication> app;
    zerin::linux_platform::QtEventPump pump;
    zerin::linux_platform::QtDialogs dialogs{std::cerr};
    zerin::linux_platform::QtTextMetrics metrics;
    zerin::platform::QtCanvasFactory canvases;
    std::unique_ptr<zerin::ui::FrmOutput> frmOutput;
};
AttachedGui* g_attached = nullptr;

}  // namespace

extern "C" __attribute__((visibility("default"))) int zerin_gui_run_window(const zerin::ProgramArguments& arguments,
                                                                             const char* argv0) {
    std::unique_ptr<QApplication> app = makeApplication();
    zerin::linux_platform::LinuxPlatform platform;
    // Other programs' windows are X11 windows: on any other window system (Wayland,
    // offscreen) the window buttons are not offered, even when an X server is reachable.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) platform.platform.windows = nullptr;
    zerin::Zerin zerin(platform.platform);
    zerin::prepareZerin(zerin, arguments, argv0);
    // The output window exists for the program's life; scripts show and close it.
    zerin::ui::FrmOutput frmOutput(zerin);

    zerin::ui::MainWindow window(zerin);
    zerin::StartupSteps steps;
    window.fillStartupSteps(steps);
    steps.showWindow = [&window] { window.showPlaced(); };
    zerin::ShutdownSteps shutdown;
    shutdown.unloadMenus = [&window] { window.menus()->unloadAll(); };
    window.setCloseHandler([&zerin, &window, &shutdown] {
        // Unsaved work in the text editor is offered for saving before anything else.
        if (!zerin::confirmCloseTextEditor(zerin)) return false;
        return zerin::closeRequested(zerin, zerin::toUtf8(window.windowTitle()), shutdown);
    });
    zerin::runStartup(zerin, std::nullopt, steps);
    return app->exec();
}

extern "C" __attribute__((visibility("default"))) zerin::GuiServices zerin_gui_attach(zerin::Zerin& zerin) {
    auto* gui = new AttachedGui;
    gui->app = makeApplication();
    gui->frmOutput = std::make_unique<zerin::ui::FrmOutput>(zerin);
    g_attached = gui;
    return {&gui->pump, &gui->dialogs, &gui->metrics, &gui->canvases};
}

extern "C" __attribute__((visibility("default"))) void zerin_gui_detach() {
    if (!g_attached) return;
    g_attached->frmOutput.reset();
    std::unique_ptr<QApplication> app = std::move(g_attached->app);
    delete g_attached;
    g_attached = nullptr;
}
