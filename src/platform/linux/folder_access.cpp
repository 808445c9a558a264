#include "platform/linux/folder_access.h"

#include <unistd.h>

namespace zerin::linux_platform {

bool folderIsWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

}  // namespace zerin::linux_platform
