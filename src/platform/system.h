// Process-wide services of the operating system: scheduling priority and hibernation.
#pragma once

#include <string>

namespace zerin {

class SystemServices {
public:
    virtual ~SystemServices() = default;
    // Windows-style thread priority levels (-15, -2, -1, 0, 1, 2, 15).
    virtual int threadPriority() = 0;
    virtual bool setThreadPriority(int level) = 0;
    // False with a reason when the system refuses.
    virtual bool hibernate(std::string& reason) = 0;
};

}  // namespace zerin
