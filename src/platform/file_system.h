// The file system as Zerin needs it: folder listings and sizes for the panes, whole-file
// reads and atomic saves for the settings and caches, and the single calls a copy engine
// and a rename are built from (open, read, write, rename, remove, make, stat, times, modes,
// links, free space). Paths are native "/" paths. Nothing here throws: every call that can
// fail returns the reason (errno and the system's words), so the user can be told why.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs_result.h"

namespace zerin {

struct DirEntry {
    std::string name;
    bool folder = false;
    bool link = false;      // a symbolic link (folders behind links are not walked into)
    std::int64_t size = 0;  // 0 for folders and for files whose size could not be read
};

// Shared between a folder-size walk and the thread that waits for it.
struct WalkControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::int64_t> files{0};
    std::atomic<std::int64_t> folders{0};
};

// What stat says of one path.
enum class FileKind { Missing, File, Folder, Link, Other };
struct FileInfo {
    FileKind kind = FileKind::Missing;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // since the epoch
    std::int64_t accessedNs = 0;
    unsigned mode = 0;            // permission bits
    std::uint64_t device = 0;     // with `inode`, says whether two paths are one file
    std::uint64_t inode = 0;
};

// One line of the mount table.
struct MountEntry {
    std::string mountPoint;
    std::string fsType;
    std::string device;
};

struct VolumeSpace {
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
};

// Receives the pieces of a file being written; false when a write failed.
class FileSink {
public:
    virtual ~FileSink() = default;
    virtual bool write(std::string_view bytes) = 0;
};

// An open file. Reads and writes move its position; dropping the handle closes it.
class OpenFile {
public:
    virtual ~OpenFile() = default;
    // Up to `size` bytes into `buffer`; 0 at the end of the file.
    virtual FsResult<std::size_t> read(char* buffer, std::size_t size) = 0;
    // All of `bytes`, or the reason (a full disk reports ENOSPC).
    virtual FsStatus write(std::string_view bytes) = 0;
    // Up to `size` bytes from this file's position to `to`'s, inside the kernel where it
    // offers that. ENOSYS, EXDEV or EINVAL when it cannot: the caller then reads and writes.
    virtual FsResult<std::size_t> copyTo(OpenFile& to, std::size_t size) = 0;
    // Waits until what was written is on the disk.
    virtual FsStatus sync() = 0;
    // What the open file is (a FIFO or a device is not a File).
    virtual FsResult<FileInfo> info() = 0;
    // Closes now and says whether the last writes reached the file system.
    virtual FsStatus close() = 0;
};

enum class OpenMode {
    Read,       // never blocks on a FIFO; symbolic links are followed
    CreateNew,  // fails with EEXIST when anything is at the path, never follows a link
    Replace,    // creates or empties
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The entries of a folder in the order the file system gives them ("." and ".." left
    // out). `withSizes` reads each file's size. Fails with the reason when the folder cannot
    // be opened.
    virtual FsStatus listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) = 0;

    // The total size of all files below each root (symbolic links are not followed,
    // unreadable folders count what can be read). Runs in the calling thread, spreading the
    // work over `threads` threads; stops early when control.cancel is set.
    virtual std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                                  int threads) = 0;

    // What is at `path`; with `followLinks` false a symbolic link is reported as a link.
    // A missing path fails with ENOENT and kind Missing.
    virtual FsResult<FileInfo> stat(const std::string& path, bool followLinks = true) = 0;

    virtual FsStatus readFile(const std::string& path, std::string& out) = 0;
    // Hands the whole file to `use` without copying it where it can (mapped).
    virtual FsStatus withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) = 0;
    // Writes a temporary file beside `path` with what `produce` gives the sink, flushes it
    // to disk and renames it over `path`, so that a failed write leaves the old file as it
    // was. `produce` returns false to give up (ECANCELED).
    virtual FsStatus writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) = 0;
    FsStatus writeFileAtomic(const std::string& path, std::string_view data) {
        return writeFileAtomic(path, [data](FileSink& sink) { return sink.write(data); });
    }
    // At most `maxBytes` from the start of a regular file. Anything else (a FIFO, a device,
    // a folder) fails with EINVAL at once, so a hostile name never makes Zerin wait or
    // read without end.
    FsStatus readRegularFile(const std::string& path, std::string& out, std::size_t maxBytes);

    virtual FsResult<std::unique_ptr<OpenFile>> open(const std::string& path, OpenMode mode,
                                                     unsigned permissions = 0644) = 0;
    // Moves `from` to `to` on one file system. With `replace` false an existing `to` is
    // never replaced (EEXIST); across file systems EXDEV.
    virtual FsStatus rename(const std::string& from, const std::string& to, bool replace) = 0;
    virtual FsStatus removeFile(const std::string& path) = 0;    // a file or a link, not what it names
    virtual FsStatus removeFolder(const std::string& path) = 0;  // an empty folder
    virtual FsStatus makeFolder(const std::string& path, unsigned permissions = 0755) = 0;
    // Times of the path itself (of a link, not its target, when `followLinks` is false).
    virtual FsStatus setTimes(const std::string& path, std::int64_t accessedNs, std::int64_t modifiedNs,
                              bool followLinks) = 0;
    virtual FsStatus setMode(const std::string& path, unsigned permissions) = 0;
    virtual FsResult<std::string> readLink(const std::string& path) = 0;
    virtual FsStatus makeLink(const std::string& target, const std::string& linkPath) = 0;
    // The absolute path with links and "." / ".." resolved; the path must exist.
    virtual FsResult<std::string> canonical(const std::string& path) = 0;
    // Size and free room of the file system holding `path`.
    virtual FsResult<VolumeSpace> volumeSpace(const std::string& path) = 0;

    virtual std::vector<MountEntry> mounts() = 0;
    // The label of a block device (from the system's label links), or "".
    virtual std::string volumeLabel(const std::string& device) = 0;
    // Optical drive devices (whether or not a disc is in them).
    virtual std::vector<std::string> opticalDrives() = 0;
};

}  // namespace zerin
