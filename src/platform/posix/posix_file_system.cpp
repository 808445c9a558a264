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
                if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) bytes += st.st_size;
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

bool PosixFileSystem::listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
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
    return true;
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

bool PosixFileSystem::readFile(const std::string& path, std::string& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    FdCloser closer(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) return false;
    out.clear();
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0) return false;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    // Kernel files report no size: read them to their end.
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) return false;
        if (n == 0) break;
        out.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

bool PosixFileSystem::withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    FdCloser closer(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0) return false;
    const auto size = static_cast<std::size_t>(st.st_size);
    void* map = size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0) : MAP_FAILED;
    if (map == MAP_FAILED) {
        std::string bytes;  // empty files and files that cannot be mapped
        if (!readFile(path, bytes)) return false;
        use(bytes);
        return true;
    }
    ::madvise(map, size, MADV_SEQUENTIAL);
    use(std::string_view(static_cast<const char*>(map), size));
    ::munmap(map, size);
    return true;
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

bool PosixFileSystem::writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) {
    std::string error;
    return writeFileAtomically(
        path,
        [&produce](const ChunkWriter& write) {
            ChunkSink sink(write);
            return produce(sink);
        },
        error);
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

bool PosixFileSystem::volumeSpace(const std::string& mountPoint, VolumeSpace& out) {
    struct statvfs vfs;
    if (::statvfs(mountPoint.c_str(), &vfs) != 0) return false;
    out.totalBytes = static_cast<std::uint64_t>(vfs.f_blocks) * vfs.f_frsize;
    out.freeBytes = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
    return true;
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
