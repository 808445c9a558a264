#include "platform/linux/linux_system_services.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <utility>

extern char** environ;

namespace zerin::linux_platform {

namespace {
constexpr std::array<std::pair<int, int>, 7> kLevels = {{
    {-15, 19}, {-2, 10}, {-1, 5}, {0, 0}, {1, -5}, {2, -10}, {15, -20},
}};
}

int niceForPriorityLevel(int level) {
    for (auto [l, nice] : kLevels)
        if (l == level) return nice;
    return 0;
}

int priorityLevelForNice(int nice) {
    int best = 0, bestDistance = 1000;
    for (auto [level, n] : kLevels) {
        int d = std::abs(n - nice);
        if (d < bestDistance) {
            best = level;
            bestDistance = d;
        }
    }
    return best;
}

int LinuxSystemServices::threadPriority() {
    errno = 0;
    // On Linux the nice value belongs to the calling thread when asked with 0.
    int nice = getpriority(PRIO_PROCESS, 0);
    if (errno != 0) return 0;
    return priorityLevelForNice(nice);
}

bool LinuxSystemServices::setThreadPriority(int level) {
    return setpriority(PRIO_PROCESS, 0, niceForPriorityLevel(level)) == 0;
}

bool LinuxSystemServices::hibernate(std::string& reason) {
    const char* argv[] = {"systemctl", "hibernate", nullptr};
    pid_t pid = 0;
    int err = posix_spawnp(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ);
    if (err != 0) {
        reason = std::string("cannot start systemctl: ") + std::strerror(err);
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        reason = "systemctl hibernate was refused";
        return false;
    }
    return true;
}

}  // namespace zerin::linux_platform
