#include "platform/linux/linux_system_services.h"

#include <cerrno>
#include <chrono>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace zerin {

namespace {
constexpr auto kHibernateAnswerTime = std::chrono::seconds(5);
constexpr auto kHibernatePoll = std::chrono::milliseconds(20);
}  // namespace

int LinuxSystemServices::niceForLevel(int level) {
    switch (level) {
        case -15: return 19;
        case -2: return 10;
        case -1: return 5;
        case 1: return -5;
        case 2: return -10;
        case 15: return -20;
        default: return 0;
    }
}

int LinuxSystemServices::levelForNice(int nice) {
    if (nice >= 15) return -15;
    if (nice >= 8) return -2;
    if (nice >= 3) return -1;
    if (nice >= -2) return 0;
    if (nice >= -7) return 1;
    if (nice >= -15) return 2;
    return 15;
}

// On Linux the nice value belongs to the thread; the calling thread is the UI thread.
int LinuxSystemServices::threadPriority() {
    errno = 0;
    int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    if (nice == -1 && errno != 0) return 0;
    return levelForNice(nice);
}

bool LinuxSystemServices::setThreadPriority(int level) {
    return setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), niceForLevel(level)) == 0;
}

bool LinuxSystemServices::hibernate(std::string& reason) {
    auto process = m_processes.start({"systemctl", "--no-ask-password", "hibernate"}, WindowStyle::Hidden);
    if (!process) {
        reason = "systemctl cannot be started";
        return false;
    }
    // systemctl returns as soon as logind has taken or refused the request.
    auto deadline = std::chrono::steady_clock::now() + kHibernateAnswerTime;
    int code = 0;
    while (!process->finished(code)) {
        if (std::chrono::steady_clock::now() > deadline) {
            reason = "no answer from systemctl hibernate";
            return false;
        }
        std::this_thread::sleep_for(kHibernatePoll);
    }
    if (code != 0) {
        reason = "systemctl hibernate ended with exit code " + std::to_string(code);
        return false;
    }
    return true;
}

}  // namespace zerin
