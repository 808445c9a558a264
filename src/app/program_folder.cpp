#include "app/program_folder.h"

namespace zerin {

std::filesystem::path chooseProgramFolder(const ProgramFolderInputs& in) {
    if (in.home) return std::filesystem::absolute(*in.home).lexically_normal();
    if (!in.installed && !in.executableFolder.empty() && in.isWritable && in.isWritable(in.executableFolder))
        return in.executableFolder;
    // A relative XDG_CONFIG_HOME is invalid and is ignored, as the base-directory rules say.
    std::filesystem::path config;
    if (!in.xdgConfigHome.empty() && std::filesystem::path(in.xdgConfigHome).is_absolute())
        config = in.xdgConfigHome;
    else if (!in.userHome.empty())
        config = std::filesystem::path(in.userHome) / ".config";
    else
        return in.executableFolder;
    return config / "zerin";
}

}  // namespace zerin
