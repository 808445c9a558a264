// Starting programs on Linux: posix_spawnp with the words as the argument vector, never a
// shell, in a session of its own, with standard input from /dev/null. Plain POSIX, no Qt,
// so the unit tests start real programs through it.
#pragma once

#include <memory>
#include <mutex>
#include <sys/types.h>
#include <vector>

#include "platform/processes.h"

namespace zerin {

class LinuxProcesses : public Processes {
public:
    LinuxProcesses();
    // Started with `Hidden`, the program's output goes to /dev/null; otherwise it shares
    // Zerin's standard output and error. nullptr when the program cannot be started (not
    // found, not executable).
    std::unique_ptr<RunningProcess> start(const std::vector<std::string>& argv, WindowStyle style) override;

    // Programs nobody waits for any more (do_run, an abandoned wait); reaped as they end
    // so that they do not linger as zombies.
    struct Orphans {
        std::mutex mutex;
        std::vector<pid_t> pids;
        void reap();
    };

private:
    std::shared_ptr<Orphans> m_orphans;
};

}  // namespace zerin
