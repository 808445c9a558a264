#pragma once

#include <string>

namespace zerin::linux_platform {

// True when the executable's folder (or any folder) can take new files.
bool folderIsWritable(const std::string& folder);

}  // namespace zerin::linux_platform
