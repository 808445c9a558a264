#include "platform/posix/posix_file_system.h"

#include "platform/posix/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/posix/mount_info.h"

namespace zerin {

namespace {

// The record layout getdents64 fills (the C library has no declaration for it).
struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

constexpr std::size_t kDentsBuffer = 64 * 1024;

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

class FdCloser {
public:
    explicit FdCloser(int fd) : m_fd(fd) {}
    ~FdCloser() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int m_fd;
};

// Calls `visit(name, type)` for every entry of the open directory `fd`.
template <typename Visit>
void forEachDirent(int fd, char* buffer, Visit&& visit) {
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, buffer, kDentsBuffer);
        if (n <= 0) return;  // end, or an error part-way: keep what was read
        for (long offset = 0; offset < n;) {
            auto* d = reinterpret_cast<LinuxDirent64*>(buffer + offset);
            offset += d->d_reclen;
            if (!isDotOrDotDot(d->d_name)) visit(d->d_name, d->d_type);
        }
    }
}

// Work shared by the walking threads: a stack of folders still to read.
class WalkQueue {
public:
    struct Job {
        std::string path;
        std::size_t root;
    };

    explicit WalkQueue(WalkControl& control) : m_control(control) {}

    void push(std::vector<Job>& jobs) {
        {
            std::lock_guard lock(m_mutex);
            for (auto& j : jobs) m_jobs.push_back(std::move(j));
        }
        jobs.clear();
        m_ready.notify_all();
    }

    // Hands in the folders found while reading one job and marks that job done.
    void complete(std::vector<Job>& found) {
        {
            std::lock_guard lock(m_mutex);
            for (auto& j : found) m_jobs.push_back(std::move(j));
            --m_busy;
        }
        found.clear();
        m_ready.notify_all();
    }

    // False when all work is done (or cancelled).
    bool pop(Job& job) {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_control.cancel.load(std::memory_order_relaxed)) {
                m_jobs.clear();
                m_ready.notify_all();
                return false;
            }
            if (!m_jobs.empty()) {
                job = std::move(m_jobs.back());
                m_jobs.pop_back();
                ++m_busy;
                return true;
            }
            if (m_busy == 0) {
                m_ready.notify_all();
                return false;
            }
            m_ready.wait(lock);
        }
    }

private:
    WalkControl& m_control;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<Job> m_jobs;
    int m_busy = 0;
};

void walkWorker(WalkQueue& queue, WalkControl& control, std::vector<std::int64_t>& totals) {
    std::vector<char> buffer(kDentsBuffer);
    std::vector<WalkQueue::Job> found;
    WalkQueue::Job job;
    while (queue.pop(job)) {
        const int fd = ::open(job.path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {  // unreadable: counts as empty
            queue.complete(found);
            continue;
        }
        FdCloser closer(fd);
        std::int64_t bytes = 0;
        std::int64_t files = 0;
        forEachDirent(fd, buffer.data(), [&](const char* name, unsigned char type) {
            struct stat st;
            if (type == DT_DIR) {
                found.push_back({job.path + '/' + name, job.root});
                return;
            }
            if (type == DT_REG) {
                // Only the size is wanted: statx is told so, and fills nothing else.
                struct statx sx;
                if (::statx(fd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_SIZE, &sx) == 0 &&
                    (sx.stx_mask & STATX_SIZE))
                    bytes += static_cast<std::int64_t>(sx.stx_size);
                else if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                    bytes += st.st_size;
                ++files;
                return;
            }
            if (type != DT_UNKNOWN) return;  // links, devices, sockets hold no file bytes
            if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return;
            if (S_ISDIR(st.st_mode))
                found.push_back({job.path + '/' + name, job.root});
            else if (S_ISREG(st.st_mode)) {
                bytes += st.st_size;
                ++files;
            }
        });
        totals[job.root] += bytes;
        control.files.fetch_add(files, std::memory_order_relaxed);
        control.folders.fetch_add(1, std::memory_order_relaxed);
        queue.complete(found);
    }
}

}  // namespace

FsStatus PosixFileSystem::listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FsStatus::fromErrno(errno);
    FdCloser closer(fd);
    std::vector<char> buffer(kDentsBuffer);
    forEachDirent(fd, buffer.data(), [&](const char* name, unsigned char type) {
        DirEntry entry;
        entry.name = name;
        struct stat st;
        entry.link = type == DT_LNK;
        // Links count as what they point to, as a directory listing shows them.
        if (type == DT_DIR) {
            entry.folder = true;
        } else if (type == DT_REG && !withSizes) {
        } else if (::fstatat(fd, name, &st, 0) == 0) {
            entry.folder = S_ISDIR(st.st_mode);
            if (!entry.folder) entry.size = st.st_size;
        } else if (type == DT_UNKNOWN && ::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.folder = S_ISDIR(st.st_mode);
        }
        if (type == DT_UNKNOWN && ::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) entry.link = S_ISLNK(st.st_mode);
        out.push_back(std::move(entry));
    });
    return FsStatus::ok();
}

FsResult<FileInfo> PosixFileSystem::stat(const std::string& path, bool followLinks) {
    FsResult<FileInfo> result;
    struct stat st;
    const int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (rc != 0) {
        result.status = FsStatus::fromErrno(errno);
        return result;
    }
    fillFileInfo(st, result.value);
    return result;
}

void fillFileInfo(const struct stat& st, FileInfo& info) {
    info.kind = S_ISREG(st.st_mode)   ? FileKind::File
                : S_ISDIR(st.st_mode) ? FileKind::Folder
                : S_ISLNK(st.st_mode) ? FileKind::Link
                                      : FileKind::Other;
    info.size = st.st_size;
    info.modifiedNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    info.mode = st.st_mode & 07777;
    info.accessedNs = std::int64_t(st.st_atim.tv_sec) * 1000000000 + st.st_atim.tv_nsec;
    info.device = st.st_dev;
    info.inode = st.st_ino;
}

std::vector<std::int64_t> PosixFileSystem::folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                                       int threads) {
    WalkQueue queue(control);
    std::vector<WalkQueue::Job> start;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        std::string root = roots[i];
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        start.push_back({std::move(root), i});
    }
    queue.push(start);
    if (threads < 1) threads = 1;
    std::vector<std::vector<std::int64_t>> totals(static_cast<std::size_t>(threads),
                                                  std::vector<std::int64_t>(roots.size(), 0));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back([&queue, &control, &totals, t] { walkWorker(queue, control, totals[static_cast<std::size_t>(t)]); });
    walkWorker(queue, control, totals[0]);
    for (auto& h : helpers) h.join();
    std::vector<std::int64_t> result(roots.size(), 0);
    for (const auto& part : totals)
        for (std::size_t i = 0; i < result.size(); ++i) result[i] += part[i];
    return result;
}

FsStatus PosixFileSystem::readFile(const std::string& path, std::string& out) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FsStatus::fromErrno(errno);
    FdCloser closer(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) return FsStatus::fromErrno(errno);
    if (S_ISREG(st.st_mode)) out.reserve(static_cast<std::size_t>(st.st_size));
    // Kernel files report no size: read every file to its end.
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            out.clear();
            return FsStatus::fromErrno(error);
        }
        if (n == 0) break;
        out.append(chunk, static_cast<std::size_t>(n));
    }
    return FsStatus::ok();
}

FsStatus PosixFileSystem::withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FsStatus::fromErrno(errno);
    FdCloser closer(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) return FsStatus::fromErrno(errno);
    const auto size = static_cast<std::size_t>(st.st_size);
    void* map = size > 0 && S_ISREG(st.st_mode) ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0)
                                                : MAP_FAILED;
    if (map == MAP_FAILED) {
        std::string bytes;  // empty files and files that cannot be mapped
        if (FsStatus status = readFile(path, bytes); !status) return status;
        use(bytes);
        return FsStatus::ok();
    }
    ::madvise(map, size, MADV_SEQUENTIAL);
    use(std::string_view(static_cast<const char*>(map), size));
    ::munmap(map, size);
    return FsStatus::ok();
}

namespace {

// Hands the bytes of a streamed save to the atomic writer.
class ChunkSink : public FileSink {
public:
    explicit ChunkSink(const ChunkWriter& write) : m_write(write) {}
    bool write(std::string_view bytes) override { return m_write(bytes); }

private:
    const ChunkWriter& m_write;
};

}  // namespace

FsStatus PosixFileSystem::writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) {
    return writeFileAtomically(path, [&produce](const ChunkWriter& write) {
        ChunkSink sink(write);
        return produce(sink);
    });
}

std::vector<MountEntry> PosixFileSystem::mounts() {
    std::string text;
    if (!readFile("/proc/self/mountinfo", text)) return {};
    return parseMountInfo(text);
}

std::string PosixFileSystem::volumeLabel(const std::string& device) {
    char wanted[PATH_MAX];
    if (!::realpath(device.c_str(), wanted)) return {};
    DIR* dir = ::opendir("/dev/disk/by-label");
    if (!dir) return {};
    std::string label;
    while (dirent* d = ::readdir(dir)) {
        if (isDotOrDotDot(d->d_name)) continue;
        const std::string link = std::string("/dev/disk/by-label/") + d->d_name;
        char target[PATH_MAX];
        if (::realpath(link.c_str(), target) && std::strcmp(target, wanted) == 0) {
            label = decodeLabelEscapes(d->d_name);
            break;
        }
    }
    ::closedir(dir);
    return label;
}

FsResult<VolumeSpace> PosixFileSystem::volumeSpace(const std::string& path) {
    FsResult<VolumeSpace> result;
    struct statvfs vfs;
    if (::statvfs(path.c_str(), &vfs) != 0) {
        result.status = FsStatus::fromErrno(errno);
        return result;
    }
    result.value.totalBytes = static_cast<std::uint64_t>(vfs.f_blocks) * vfs.f_frsize;
    result.value.freeBytes = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
    return result;
}

std::vector<std::string> PosixFileSystem::opticalDrives() {
    std::vector<std::string> out;
    DIR* dir = ::opendir("/dev");
    if (!dir) return out;
    while (dirent* d = ::readdir(dir))
        if (std::strncmp(d->d_name, "sr", 2) == 0 && d->d_name[2] >= '0' && d->d_name[2] <= '9')
            out.push_back(std::string("/dev/") + d->d_name);
    ::closedir(dir);
    return out;
}

}  // namespace zerin
