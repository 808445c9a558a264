// Scheduling priority and hibernation on Linux. Plain POSIX, no Qt.
#pragma once

#include "platform/linux/linux_processes.h"
#include "platform/system.h"

namespace zerin {

class LinuxSystemServices : public SystemServices {
public:
    // The thread's nice value, read as the nearest of the seven priority levels.
    int threadPriority() override;
    // Idle 19, lowest 10, below normal 5, normal 0, above normal -5, highest -10, time
    // critical -20. Raising the priority (a lower nice value) needs privileges; without
    // them the system refuses and this returns false.
    bool setThreadPriority(int level) override;
    // `systemctl hibernate` (logind decides, polkit may refuse).
    bool hibernate(std::string& reason) override;

    static int niceForLevel(int level);
    static int levelForNice(int nice);

private:
    LinuxProcesses m_processes;
};

}  // namespace zerin
