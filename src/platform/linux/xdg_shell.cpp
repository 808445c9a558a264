#include "platform/linux/xdg_shell.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zerin::linux_platform {

namespace {

constexpr int kPollMs = 10;

// xdg-open's exit codes: 1 bad arguments, 2 file missing, 3 no tool for the file, 4 the
// action failed (no application took it).
int resultOfExit(int code) {
    switch (code) {
        case 0: return shellResult::kAccepted;
        case 2: return shellResult::kFileNotFound;
        case 3:
        case 4: return shellResult::kNoAssociation;
        default: return 1;
    }
}

int resultOfErrno(int error, const std::string& file) {
    if (error == EACCES) return shellResult::kAccessDenied;
    if (error == ENOTDIR) return shellResult::kPathNotFound;
    if (error != ENOENT) return 1;
    // Missing file in a folder that is there, or a folder on the way that is missing.
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos || slash == 0) return shellResult::kFileNotFound;
    struct stat st{};
    const std::string folder = file.substr(0, slash);
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? shellResult::kFileNotFound
                                                                    : shellResult::kPathNotFound;
}

}  // namespace

int XdgShell::execute(const ShellRequest& request) {
    if (!request.verb.empty() && request.verb != "open") return shellResult::kNoAssociation;
    if (request.file.empty()) return shellResult::kFileNotFound;
    struct stat st{};
    if (::stat(request.file.c_str(), &st) != 0) return resultOfErrno(errno, request.file);
    if (::access(request.file.c_str(), R_OK) != 0) return shellResult::kAccessDenied;

    std::unique_ptr<RunningProcess> launched = m_processes.start({m_launcher, request.file}, WindowStyle::Hidden);
    if (!launched) return shellResult::kNoAssociation;
    const std::int64_t until = m_clock.tickCount() + waitMs;
    int code = 0;
    while (!launched->finished(code)) {
        if (m_clock.tickCount() >= until) return shellResult::kAccepted;  // the application is running
        m_pump.processEvents();
        m_pump.sleepMs(kPollMs);
    }
    return resultOfExit(code);
}

}  // namespace zerin::linux_platform
