// The single calls a copy or a rename is made of, each returning errno's reason.
#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zerin {

namespace {

FsStatus lastError() { return FsStatus::fromErrno(errno); }

FsStatus statusOf(int rc) { return rc == 0 ? FsStatus::ok() : lastError(); }

timespec toTimespec(std::int64_t ns) {
    timespec t{};
    t.tv_sec = static_cast<time_t>(ns / 1000000000);
    t.tv_nsec = static_cast<long>(ns % 1000000000);
    if (t.tv_nsec < 0) {
        t.tv_nsec += 1000000000;
        --t.tv_sec;
    }
    return t;
}

class PosixOpenFile : public OpenFile {
public:
    explicit PosixOpenFile(int fd) : m_fd(fd) {}
    ~PosixOpenFile() override {
        if (m_fd >= 0) ::close(m_fd);
    }
    PosixOpenFile(const PosixOpenFile&) = delete;
    PosixOpenFile& operator=(const PosixOpenFile&) = delete;

    int fd() const { return m_fd; }

    FsResult<std::size_t> read(char* buffer, std::size_t size) override {
        FsResult<std::size_t> result;
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, size);
            if (n >= 0) {
                result.value = static_cast<std::size_t>(n);
                return result;
            }
            if (errno == EINTR) continue;
            result.status = lastError();
            return result;
        }
    }

    FsStatus write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                return lastError();
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return FsStatus::ok();
    }

    FsResult<std::size_t> copyTo(OpenFile& to, std::size_t size) override {
        FsResult<std::size_t> result;
        auto* target = dynamic_cast<PosixOpenFile*>(&to);
        if (!target) {
            result.status = FsStatus::fromErrno(EINVAL);
            return result;
        }
        for (;;) {
            const ssize_t n = ::copy_file_range(m_fd, nullptr, target->m_fd, nullptr, size, 0);
            if (n >= 0) {
                result.value = static_cast<std::size_t>(n);
                return result;
            }
            if (errno == EINTR) continue;
            // Kernels and file systems without it say so in several ways; all mean "copy by hand".
            const int error = errno == EOPNOTSUPP || errno == ENOTSUP || errno == EBADF ? EINVAL : errno;
            result.status = FsStatus::fromErrno(error);
            return result;
        }
    }

    FsStatus sync() override { return statusOf(::fsync(m_fd)); }

    FsResult<FileInfo> info() override {
        FsResult<FileInfo> result;
        struct stat st;
        if (::fstat(m_fd, &st) != 0)
            result.status = lastError();
        else
            fillFileInfo(st, result.value);
        return result;
    }

    FsStatus close() override {
        if (m_fd < 0) return FsStatus::ok();
        const int rc = ::close(m_fd);
        m_fd = -1;
        return statusOf(rc);
    }

private:
    int m_fd;
};

}  // namespace

FsResult<std::unique_ptr<OpenFile>> PosixFileSystem::open(const std::string& path, OpenMode mode,
                                                          unsigned permissions) {
    FsResult<std::unique_ptr<OpenFile>> result;
    int flags = O_CLOEXEC;
    switch (mode) {
        // O_NONBLOCK: opening a FIFO must not wait for a writer; regular files ignore it.
        case OpenMode::Read: flags |= O_RDONLY | O_NONBLOCK; break;
        case OpenMode::CreateNew: flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW; break;
        case OpenMode::Replace: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    }
    const int fd = ::open(path.c_str(), flags, static_cast<mode_t>(permissions));
    if (fd < 0) {
        result.status = lastError();
        return result;
    }
    if (mode == OpenMode::Read) {
        // Later reads of a regular file block as usual; only the open had to be careful.
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    result.value = std::make_unique<PosixOpenFile>(fd);
    return result;
}

FsStatus PosixFileSystem::rename(const std::string& from, const std::string& to, bool replace) {
    if (replace) return statusOf(::rename(from.c_str(), to.c_str()));
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return FsStatus::ok();
    if (errno != EINVAL && errno != ENOSYS) return lastError();
    // File systems without RENAME_NOREPLACE: a hard link cannot replace anything either.
    struct stat st;
    if (::lstat(from.c_str(), &st) != 0) return lastError();
    if (!S_ISDIR(st.st_mode)) {
        if (::link(from.c_str(), to.c_str()) == 0) return statusOf(::unlink(from.c_str()));
        if (errno == EEXIST || errno == EXDEV) return lastError();
    }
    if (::lstat(to.c_str(), &st) == 0) return FsStatus::fromErrno(EEXIST);
    return statusOf(::rename(from.c_str(), to.c_str()));
}

FsStatus PosixFileSystem::removeFile(const std::string& path) { return statusOf(::unlink(path.c_str())); }

FsStatus PosixFileSystem::removeFolder(const std::string& path) { return statusOf(::rmdir(path.c_str())); }

FsStatus PosixFileSystem::makeFolder(const std::string& path, unsigned permissions) {
    return statusOf(::mkdir(path.c_str(), static_cast<mode_t>(permissions)));
}

FsStatus PosixFileSystem::setTimes(const std::string& path, std::int64_t accessedNs, std::int64_t modifiedNs,
                                   bool followLinks) {
    const timespec times[2] = {toTimespec(accessedNs), toTimespec(modifiedNs)};
    return statusOf(::utimensat(AT_FDCWD, path.c_str(), times, followLinks ? 0 : AT_SYMLINK_NOFOLLOW));
}

FsStatus PosixFileSystem::setMode(const std::string& path, unsigned permissions) {
    return statusOf(::chmod(path.c_str(), static_cast<mode_t>(permissions)));
}

FsResult<std::string> PosixFileSystem::readLink(const std::string& path) {
    FsResult<std::string> result;
    std::string target(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) {
            result.status = lastError();
            return result;
        }
        if (static_cast<std::size_t>(n) < target.size()) {
            target.resize(static_cast<std::size_t>(n));
            result.value = std::move(target);
            return result;
        }
        target.resize(target.size() * 2);  // the target may have been cut: read again
    }
}

FsStatus PosixFileSystem::makeLink(const std::string& target, const std::string& linkPath) {
    return statusOf(::symlink(target.c_str(), linkPath.c_str()));
}

FsResult<std::string> PosixFileSystem::canonical(const std::string& path) {
    FsResult<std::string> result;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) {
        result.status = lastError();
        return result;
    }
    result.value = resolved;
    ::free(resolved);
    return result;
}

}  // namespace zerin
