// POSIX calls: the flush to the disk (fsync) is not offered by standard C++.
#include "platform/posix/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zerin {

namespace {

FsStatus reason(const std::string& what, const std::filesystem::path& path, int err) {
    return FsStatus::failure(err, what + " " + path.string() + ": " + std::strerror(err));
}

// Writes everything, retrying short writes and interrupted calls.
bool writeAll(int fd, std::string_view data, int& err) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path tmp = path;
    tmp += ".tmp";
    return tmp;
}

FsStatus writeFileAtomically(const std::filesystem::path& requested,
                             const std::function<bool(const ChunkWriter&)>& produce) {
    // Saving through a link replaces the file it points to, not the link.
    std::filesystem::path path = requested;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (!ec) path = target.is_absolute() ? target : path.parent_path() / target;
    }

    // Keep the permissions the user gave the old file.
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;

    const std::filesystem::path tmp = temporaryPathFor(path);
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        return reason("cannot create", tmp, errno);
    }
    int err = 0;
    bool ok = produce([fd, &err](std::string_view chunk) { return writeAll(fd, chunk, err); });
    if (!ok && err == 0) err = ECANCELED;
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return reason("cannot write", tmp, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(tmp.c_str());
        return reason("cannot replace", path, renameError);
    }
    // Make the rename itself durable; a failure here no longer risks the old content.
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return FsStatus::ok();
}

}  // namespace zerin
