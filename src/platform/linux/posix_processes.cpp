#include "platform/linux/posix_processes.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zerin::linux_platform {

namespace {

// Children whose handle was dropped before they ended (do_run never waits); reaped later
// so that they do not stay behind as zombies.
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

// The exit status as scripts see it: the exit code, or 128 + the signal that ended it.
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
            pid_t r;
            do r = waitpid(m_pid, &status, WNOHANG);
            while (r < 0 && errno == EINTR);
            if (r == 0) return false;
            m_done = true;
            // Reaped elsewhere (ECHILD): it has ended, with an unknown status.
            m_code = r == m_pid ? exitCodeOf(status) : -1;
        }
        exitCode = m_code;
        return true;
    }

    // The program leads a session of its own (setsid), so its process group is everything
    // it started: a shell script's programs end with it.
    void stop() override {
        if (!m_done) ::kill(-m_pid, SIGKILL);
    }

private:
    pid_t m_pid;
    bool m_done = false;
    int m_code = 0;
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
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

}  // namespace

std::unique_ptr<RunningProcess> PosixProcesses::start(const std::vector<std::string>& argv, WindowStyle style) {
    reapOrphans();
    if (argv.empty() || argv[0].empty()) return nullptr;

    SpawnSetup setup;
    // A started program must not read the terminal Zerin may have been started from.
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
    // posix_spawnp reports a program that cannot be executed (ENOENT, EACCES, ENOEXEC) as
    // its result; it never falls back to a shell.
    if (posix_spawnp(&pid, args[0], &setup.actions, &setup.attributes, args.data(), environ) != 0) return nullptr;
    return std::make_unique<PosixRunning>(pid);
}

}  // namespace zerin::linux_platform
