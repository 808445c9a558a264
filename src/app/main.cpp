// The zerin executable: reads its arguments, builds the program state and either runs a
// stored script from the command line or shows the main window.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/program_folder.h"
#include "core/shutdown.h"
#include "core/startup.h"
#include "core/zerin.h"
#include "panes/folder_size_database.h"
#include "platform/linux/linux_platform.h"
#include "ui/frm_output.h"
#include "ui/main_window.h"

namespace {

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path();
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A command-line run needs no window: without a reachable display it runs offscreen.
// The window itself needs a display; without one Zerin says so instead of running
// invisibly. An explicit QT_QPA_PLATFORM is left as it is.
bool chooseQtPlatform(bool commandLineRun) {
    if (!environment("QT_QPA_PLATFORM").empty()) return true;
    bool wayland = !environment("WAYLAND_DISPLAY").empty();
    bool x11 = !environment("DISPLAY").empty() && zerin::linux_platform::x11DisplayReachable();
    if (wayland || x11) return true;
    if (!commandLineRun) return false;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return true;
}

// Qt's notice about a missing XDG_RUNTIME_DIR (usual for root and in containers) would
// add a line to a command-line run's standard error, which is kept for Zerin's own
// messages.
QtMessageHandler g_defaultHandler = nullptr;
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (g_defaultHandler) g_defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    zerin::ProgramArguments parsed = zerin::parseProgramArguments(args);
    if (!parsed.error.empty()) {
        std::cerr << "zerin: " << parsed.error << '\n' << zerin::kUsage << '\n';
        return 2;
    }
    const bool commandLineRun = parsed.commandLine.has_value();
    if (!chooseQtPlatform(commandLineRun)) {
        std::cerr << "zerin: no display to show the window on (name a stored script to run it without one)\n";
        return 2;
    }

    g_defaultHandler = qInstallMessageHandler(filterQtMessages);
    // Qt sees only the program name: every other argument belongs to the script.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Zerin"));

    zerin::linux_platform::LinuxPlatform platform;
    zerin::Zerin zerin(platform.platform);

    zerin::ProgramFolderInputs folder;
    folder.home = parsed.home;
    folder.executableFolder = executableFolder(argv[0]);
    folder.xdgConfigHome = environment("XDG_CONFIG_HOME");
    folder.userHome = environment("HOME");
    folder.isWritable = [](const std::filesystem::path& p) { return zerin::linux_platform::folderIsWritable(p); };
    zerin.programFolder = zerin::chooseProgramFolder(folder);
    std::error_code ec;
    std::filesystem::create_directories(zerin.programFolder, ec);

    zerin::registerAllCommands(zerin);
    // The output window exists for the program's life; scripts show and close it.
    zerin::ui::FrmOutput frmOutput(zerin);

    if (commandLineRun) {
        zerin.output.setMirror(&std::cout);
        zerin::StartupOutcome outcome = zerin::runStartup(zerin, parsed.commandLine, {});
        std::cout.flush();
        if (outcome == zerin::StartupOutcome::ScriptNotFound) {
            std::cerr << zerin::startup_messages::kScriptNotFound << '"' << parsed.commandLine->identifier << '"'
                      << '\n';
            return 1;
        }
        return 0;
    }

    zerin::ui::MainWindow window(zerin);
    zerin::StartupSteps steps;
    window.fillStartupSteps(steps);
    steps.showWindow = [&window] { window.show(); };
    zerin::ShutdownSteps shutdown;
    window.setCloseHandler([&zerin, &window, &shutdown] {
        return zerin::closeRequested(zerin, window.windowTitle().toStdString(), shutdown);
    });
    zerin::runStartup(zerin, std::nullopt, steps);
    return app.exec();
}
