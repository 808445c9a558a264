// The program folder: where Zerin.ini, Zerin_Cache.ini and the temporary files live.
// It is the folder given by --home, else the executable's own folder; a folder the user
// cannot write gives way to $XDG_CONFIG_HOME/zerin, and so does an installed copy (one
// with its data folder ../share/zerin beside it) even when its folder is writable: the
// system's bin folder is no place for one user's settings.
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
    bool installed = false;
};

std::filesystem::path chooseProgramFolder(const ProgramFolderInputs& in);

}  // namespace zerin
