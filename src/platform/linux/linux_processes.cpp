#include "platform/linux/linux_processes.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zerin {

namespace {

// The exit status as scripts see it: the exit code, or 128 + the signal that ended it.
int exitStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

class LinuxRunningProcess : public RunningProcess {
public:
    LinuxRunningProcess(pid_t pid, std::shared_ptr<LinuxProcesses::Orphans> orphans)
        : m_pid(pid), m_orphans(std::move(orphans)) {}
    ~LinuxRunningProcess() override {
        if (m_done) return;
        std::lock_guard lock(m_orphans->mutex);
        m_orphans->pids.push_back(m_pid);
    }

    bool finished(int& exitCode) override {
        if (!m_done) {
            int status = 0;
            pid_t r;
            do r = waitpid(m_pid, &status, WNOHANG);
            while (r < 0 && errno == EINTR);
            if (r == 0) return false;
            m_done = true;
            // Someone else reaped it (ECHILD): it has ended, with an unknown status.
            m_exitCode = r == m_pid ? exitStatus(status) : -1;
        }
        exitCode = m_exitCode;
        return true;
    }

private:
    pid_t m_pid;
    bool m_done = false;
    int m_exitCode = 0;
    std::shared_ptr<LinuxProcesses::Orphans> m_orphans;
};

// posix_spawn's C structures, released on every path.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
};

}  // namespace

void LinuxProcesses::Orphans::reap() {
    std::lock_guard lock(mutex);
    std::erase_if(pids, [](pid_t pid) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        return r == pid || (r < 0 && errno == ECHILD);
    });
}

LinuxProcesses::LinuxProcesses() : m_orphans(std::make_shared<Orphans>()) {}

std::unique_ptr<RunningProcess> LinuxProcesses::start(const std::vector<std::string>& argv, WindowStyle style) {
    m_orphans->reap();
    if (argv.empty() || argv.front().empty()) return nullptr;

    SpawnSetup setup;
    posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (style == WindowStyle::Hidden) {
        posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    // A session of its own: the program outlives Zerin and does not get its terminal's
    // signals. Signal handling starts from the defaults, whatever Zerin changed.
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int s : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM})
        sigaddset(&defaults, s);
    posix_spawnattr_setsigmask(&setup.attributes, &noSignals);
    posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be executed (ENOENT, EACCES, ENOEXEC)
    // as its result; it never falls back to a shell.
    if (posix_spawnp(&pid, args[0], &setup.actions, &setup.attributes, args.data(), environ) != 0) return nullptr;
    return std::make_unique<LinuxRunningProcess>(pid, m_orphans);
}

}  // namespace zerin
