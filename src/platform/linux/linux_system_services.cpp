#include "platform/linux/linux_system_services.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>
#include <thread>
#include <utility>

#include "platform/linux/posix_processes.h"

namespace zerin::linux_platform {

namespace {
constexpr auto kHibernateAnswerTime = std::chrono::seconds(5);
constexpr auto kHibernatePoll = std::chrono::milliseconds(20);
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
    // Hidden: systemctl's own complaint must not reach Zerin's terminal; the reason below
    // goes to the debug pane instead. No password prompt: polkit either allows or refuses.
    PosixProcesses processes;
    auto systemctl = processes.start({"systemctl", "--no-ask-password", "hibernate"}, WindowStyle::Hidden);
    if (!systemctl) {
        reason = "cannot start systemctl";
        return false;
    }
    // systemctl returns as soon as logind has taken or refused the request; a hung bus is
    // not allowed to freeze the window.
    auto deadline = std::chrono::steady_clock::now() + kHibernateAnswerTime;
    int code = 0;
    while (!systemctl->finished(code)) {
        if (std::chrono::steady_clock::now() > deadline) {
            reason = "no answer from systemctl hibernate";
            return false;
        }
        std::this_thread::sleep_for(kHibernatePoll);
    }
    if (code != 0) {
        reason = "systemctl hibernate was refused (exit code " + std::to_string(code) + ")";
        return false;
    }
    return true;
}

}  // namespace zerin::linux_platform
