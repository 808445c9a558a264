// Starting programs with posix_spawn: the arguments go to the program as they are, never
// through a shell, so no character in them has a meaning of its own. Plain POSIX, no Qt,
// so the unit tests start real programs through it.
#pragma once

#include "platform/processes.h"

namespace zerin::linux_platform {

class PosixProcesses : public Processes {
public:
    // argv[0] is looked up in PATH when it holds no "/". The program runs in a session of
    // its own with standard input from /dev/null; started `Hidden`, its output goes to
    // /dev/null too, otherwise it shares Zerin's. nullptr when it cannot be started (not
    // found, not executable).
    std::unique_ptr<RunningProcess> start(const std::vector<std::string>& argv, WindowStyle style) override;
};

}  // namespace zerin::linux_platform
