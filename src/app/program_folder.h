// The program folder: where Zerin.ini, Zerin_Cache.ini and the temporary files live.
// It is the folder given by --home, else the executable's own folder; a folder the user
// cannot write (an installed copy in /usr/bin) gives way to $XDG_CONFIG_HOME/zerin.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zerin {

struct ProgramFolderInputs {
    std::optional<std::filesystem::path> home;
    std::filesystem::path executableFolder;
    std::string xdgConfigHome;  // the environment's values, empty when unset
    std::string userHome;
    std::function<bool(const std::filesystem::path&)> isWritable;
};

std::filesystem::path chooseProgramFolder(const ProgramFolderInputs& in);

}  // namespace zerin
