// The zerin executable: reads its arguments and either runs a stored script from the
// command line or loads the window module and shows the main window. It links no Qt: a
// command-line run that never shows a window starts without loading any of it.
#include <dlfcn.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/command_line_platform.h"
#include "app/command_line.h"
#include "app/startup.h"
#include "app/program.h"

namespace {

int runWindow(const zerin::ProgramArguments& parsed, const char* argv0) {
    // The window needs a display; without one Zerin says so instead of running
    // invisibly. An explicit QT_QPA_PLATFORM is left as it is.
    if (zerin::environmentValue("QT_QPA_PLATFORM").empty() && zerin::chooseHeadless()) {
        std::cerr << "zerin: no display to show the window on (name a stored script to run it without one)\n";
        return 2;
    }
    std::string error;
    void* module = zerin::openGuiModule(zerin::executableFolder(argv0), error);
    auto run = module ? reinterpret_cast<zerin::gui_module::RunWindowFn>(dlsym(module, zerin::gui_module::kRunWindow))
                      : nullptr;
    if (!run) {
        std::cerr << zerin::gui_messages::kCannotLoad << (error.empty() ? zerin::gui_module::kRunWindow : error) << '\n';
        return 2;
    }
    return run(parsed, argv0);
}

int runCommandLine(const zerin::ProgramArguments& parsed, const char* argv0) {
    zerin::CommandLinePlatform platform(zerin::executableFolder(argv0), std::cerr);
    zerin::Zerin zerin(platform.platform);
    platform.bind(zerin);
    zerin::prepareZerin(zerin, parsed, argv0);
    zerin.output.setMirror(&std::cout);
    zerin::StartupOutcome outcome = zerin::runStartup(zerin, parsed.commandLine, {});
    std::cout.flush();
    platform.gui.release();
    if (outcome == zerin::StartupOutcome::ScriptNotFound) {
        std::cerr << zerin::startup_messages::kScriptNotFound << '"' << parsed.commandLine->identifier << '"' << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    zerin::ProgramArguments parsed = zerin::parseProgramArguments(args);
    if (!parsed.error.empty()) {
        std::cerr << "zerin: " << parsed.error << '\n' << zerin::kUsage << '\n';
        return 2;
    }
    return parsed.commandLine ? runCommandLine(parsed, argv[0]) : runWindow(parsed, argv[0]);
}
