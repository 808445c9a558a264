#include "platform/linux/posix_processes.h"

#include <mutex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace zerin::linux_platform {

namespace {

// Children whose handle was dropped before they ended; reaped later so that they do not
// stay behind as zombies.
std::mutex g_orphansMutex;
std::set<pid_t> g_orphans;

void reapOrphans() {
    std::lock_guard lock(g_orphansMutex);
    for (auto it = g_orphans.begin(); it != g_orphans.end();) {
        int status = 0;
        pid_t r = waitpid(*it, &status, WNOHANG);
        it = (r == 0) ? std::next(it) : g_orphans.erase(it);
    }
}

int exitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

class PosixRunning : public RunningProcess {
public:
    explicit PosixRunning(pid_t pid) : m_pid(pid) {}
    ~PosixRunning() override {
        if (m_done) return;
        std::lock_guard lock(g_orphansMutex);
        g_orphans.insert(m_pid);
    }

    bool finished(int& exitCode) override {
        if (!m_done) {
            int status = 0;
            pid_t r = waitpid(m_pid, &status, WNOHANG);
            if (r == 0) return false;
            m_done = true;
            m_code = r == m_pid ? exitCodeOf(status) : -1;
        }
        exitCode = m_code;
        return true;
    }

private:
    pid_t m_pid;
    bool m_done = false;
    int m_code = 0;
};

}  // namespace

std::unique_ptr<RunningProcess> PosixProcesses::start(const std::vector<std::string>& argv, WindowStyle) {
    reapOrphans();
    if (argv.empty() || argv[0].empty()) return nullptr;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return nullptr;
    return std::make_unique<PosixRunning>(pid);
}

}  // namespace zerin::linux_platform
