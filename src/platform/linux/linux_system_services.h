// Scheduling priority and hibernation. The Windows thread priority levels map onto
// nice values of the UI thread; raising the priority above normal needs the right to
// lower the nice value and otherwise fails.
#pragma once

#include "platform/system.h"

namespace zerin::linux_platform {

// Windows level (-15, -2, -1, 0, 1, 2, 15) to nice value, and back (nearest level).
int niceForPriorityLevel(int level);
int priorityLevelForNice(int nice);

class LinuxSystemServices : public SystemServices {
public:
    int threadPriority() override;
    bool setThreadPriority(int level) override;
    // Asks systemd (systemctl hibernate).
    bool hibernate(std::string& reason) override;
};

}  // namespace zerin::linux_platform
