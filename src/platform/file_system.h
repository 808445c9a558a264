// The file system as the panes need it: folder entries with sizes, recursive folder sizes,
// whole-file reads and atomic writes, and the mounted file systems for the drives view.
// Paths are native "/" paths. Nothing here throws; failures come back as results.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The entries of a folder in the order the file system gives them ("." and ".." left
    // out). `withSizes` reads each file's size. False when the folder cannot be opened.
    virtual bool listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) = 0;

    // The total size of all files below each root (symbolic links are not followed,
    // unreadable folders count what can be read). Runs in the calling thread, spreading the
    // work over `threads` threads; stops early when control.cancel is set.
    virtual std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                                  int threads) = 0;

    virtual bool readFile(const std::string& path, std::string& out) = 0;
    // Hands the whole file to `use` without copying it (mapped); false when it cannot be read.
    virtual bool withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) = 0;
    // Writes a temporary file beside `path` with what `produce` gives the sink, flushes it
    // to disk and renames it over `path`, so that a failed write leaves the old file as it
    // was. `produce` returns false to give up.
    virtual bool writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) = 0;
    bool writeFileAtomic(const std::string& path, std::string_view data) {
        return writeFileAtomic(path, [data](FileSink& sink) { return sink.write(data); });
    }

    virtual std::vector<MountEntry> mounts() = 0;
    // The label of a block device (from the system's label links), or "".
    virtual std::string volumeLabel(const std::string& device) = 0;
    virtual bool volumeSpace(const std::string& mountPoint, VolumeSpace& out) = 0;
    // Optical drive devices (whether or not a disc is in them).
    virtual std::vector<std::string> opticalDrives() = 0;
};

}  // namespace zerin
