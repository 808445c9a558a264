#include "app/app_setup.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/program_folder.h"
#include "app/program.h"
#include "core/zerin.h"
#include "panes/archiver_run.h"
#include "panes/pane_model.h"
#include "platform/linux/folder_access.h"

namespace zerin {

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path();
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

StarterPlaces starterPlacesFromEnvironment() {
    const std::string home = environmentValue("HOME");
    std::string config = environmentValue("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') config = home + "/.config";
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::ostringstream text;
    text << dirs.rdbuf();
    return starterPlaces(home, text.str());
}

void prepareZerin(Zerin& zerin, const ProgramArguments& arguments, const char* argv0) {
    ProgramFolderInputs folder;
    folder.home = arguments.home;
    folder.executableFolder = executableFolder(argv0);
    folder.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    folder.userHome = environmentValue("HOME");
    folder.isWritable = [](const std::filesystem::path& p) { return linux_platform::folderIsWritable(p); };
    std::error_code dataError;
    folder.installed = std::filesystem::is_directory(folder.executableFolder.parent_path() / "share" / "zerin", dataError);
    zerin.programFolder = chooseProgramFolder(folder);
    std::error_code ec;
    std::filesystem::create_directories(zerin.programFolder, ec);
    registerAllCommands(zerin);
    // Archives are listed by the archiver that is built and shipped beside the executable.
    zerin.panes.archiveReader = archiverReader(zerin, (folder.executableFolder / kArchiverName).string());
}

}  // namespace zerin
