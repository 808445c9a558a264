// Starting programs with posix_spawn: the arguments go to the program as they are,
// never through a shell, so no character in them has a meaning of its own.
#pragma once

#include "platform/processes.h"

namespace zerin::linux_platform {

class PosixProcesses : public Processes {
public:
    // argv[0] is looked up in PATH when it holds no "/".
    std::unique_ptr<RunningProcess> start(const std::vector<std::string>& argv, WindowStyle style) override;
};

}  // namespace zerin::linux_platform
