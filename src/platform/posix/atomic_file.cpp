// POSIX calls: the flush to the disk (fsync) is not offered by standard C++.
#include "platform/posix/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zerin {

namespace {

std::string reason(const std::string& what, const std::filesystem::path& path, int err) {
    return what + " " + path.string() + ": " + std::strerror(err);
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

ReadResult readWholeFile(const std::filesystem::path& path, std::string& content, std::string& error) {
    content.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return ReadResult::Missing;
        error = reason("cannot open", path, errno);
        return ReadResult::Failed;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason("cannot read", path, errno);
            ::close(fd);
            content.clear();
            return ReadResult::Failed;
        }
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadResult::Ok;
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path tmp = path;
    tmp += ".tmp";
    return tmp;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& error) {
    return writeFileAtomically(path, [content](const ChunkWriter& write) { return write(content); }, error);
}

bool writeFileAtomically(const std::filesystem::path& requested, const std::function<bool(const ChunkWriter&)>& produce,
                         std::string& error) {
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
        error = reason("cannot create", tmp, errno);
        return false;
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
        error = reason("cannot write", tmp, err);
        ::unlink(tmp.c_str());
        return false;
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        error = reason("cannot replace", path, errno);
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here no longer risks the old content.
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace zerin
