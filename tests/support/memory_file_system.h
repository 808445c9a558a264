// A whole file system in memory for tests, with no disk behind it: folders, files, links,
// permissions, times and devices, and failures a test asks for (a disk that fills after
// so many bytes, a path that refuses access, a folder on another device so a rename
// between them fails with EXDEV, a file that vanishes while being read). Safe to use from
// a worker thread and the test thread at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake_drive_tables.h"
#include "platform/file_system.h"

namespace zerin::test {

class MemoryFileSystem : public FileSystem, public FakeDriveTables {
public:
    struct Node {
        FileKind kind = FileKind::File;
        std::string data;  // a file's bytes, a link's target
        unsigned mode = 0644;
        std::int64_t accessedNs = 0;
        std::int64_t modifiedNs = 0;
        std::uint64_t inode = 0;
    };

    MemoryFileSystem();

    // Building a tree (folders on the way are made).
    void addFile(const std::string& path, std::string content, unsigned mode = 0644);
    void addFolder(const std::string& path, unsigned mode = 0755);
    void addLink(const std::string& path, const std::string& target);
    // What is at the path itself (links not followed); nullopt when nothing is.
    std::optional<Node> node(const std::string& path) const;
    std::string content(const std::string& path) const;  // "" when missing
    bool exists(const std::string& path) const { return node(path).has_value(); }
    // Every path below `folder` (itself left out), sorted.
    std::vector<std::string> pathsBelow(const std::string& folder) const;

    // Failures. Writes beyond `bytes` more bytes fail with ENOSPC.
    void diskFullAfter(std::uint64_t bytes);
    // Every call on the path or below it fails with EACCES.
    void denyAccess(const std::string& path);
    // The folder and what is below it lie on device `device` (others on device 1).
    void setDevice(const std::string& folder, std::uint64_t device);
    // After `bytes` have been read from the file it is gone, and reading on fails (ENOENT).
    void vanishWhileReading(const std::string& path, std::uint64_t bytes);
    // copy_file_range as an old kernel answers it.
    bool copyRangeSupported = true;
    bool failWrites = false;  // atomic saves fail (EIO)
    int writes = 0;           // atomic saves asked for
    std::atomic<int> syncs{0};  // files flushed to the disk with OpenFile::sync

    FsStatus listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) override;
    std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                          int threads) override;
    FsResult<FileInfo> stat(const std::string& path, bool followLinks = true) override;
    FsStatus readFile(const std::string& path, std::string& out) override;
    FsStatus withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) override;
    FsStatus writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) override;
    using FileSystem::writeFileAtomic;
    FsResult<std::unique_ptr<OpenFile>> open(const std::string& path, OpenMode mode,
                                             unsigned permissions = 0644) override;
    FsStatus rename(const std::string& from, const std::string& to, bool replace) override;
    FsStatus removeFile(const std::string& path) override;
    FsStatus removeFolder(const std::string& path) override;
    FsStatus makeFolder(const std::string& path, unsigned permissions = 0755) override;
    FsStatus setTimes(const std::string& path, std::int64_t accessedNs, std::int64_t modifiedNs,
                      bool followLinks) override;
    FsStatus setMode(const std::string& path, unsigned permissions) override;
    FsResult<std::string> readLink(const std::string& path) override;
    FsStatus makeLink(const std::string& target, const std::string& linkPath) override;
    FsResult<std::string> canonical(const std::string& path) override;
    FsResult<VolumeSpace> volumeSpace(const std::string& path) override { return spaceOf(path); }
    std::vector<MountEntry> mounts() override { return mountTable; }
    std::string volumeLabel(const std::string& device) override { return labelOf(device); }
    std::vector<std::string> opticalDrives() override { return optical; }

private:
    friend class MemoryOpenFile;
    using NodePtr = std::shared_ptr<Node>;

    // The path with links resolved (the last one only when `followLast`), or an errno.
    std::string resolve(const std::string& path, bool followLast, int& error) const;
    NodePtr find(const std::string& resolved) const;
    int checkAccess(const std::string& path) const;  // EACCES or 0
    // resolve, then checkAccess: the errno of the first that fails, or 0.
    int resolveChecked(const std::string& path, bool followLast, std::string& resolved) const;
    // 0, or why nothing can be made at `path` (a missing or foreign parent, a denied path).
    int checkCreate(const std::string& resolved) const;
    std::uint64_t deviceOf(const std::string& resolved) const;
    NodePtr makeNode(const std::string& resolved, FileKind kind, unsigned mode);
    std::int64_t tick();
    // Appends to `node` what the disk has room for; ENOSPC when not all of it fitted.
    int append(Node& node, std::string_view bytes);

    mutable std::recursive_mutex m_mutex;
    std::map<std::string, NodePtr> m_nodes;
    std::set<std::string> m_denied;
    std::map<std::string, std::uint64_t> m_devices;
    std::map<const Node*, std::uint64_t> m_vanish;  // by node, so a rename keeps the rule
    std::optional<std::uint64_t> m_room;
    std::int64_t m_clock = 1700000000LL * 1000000000LL;
    std::uint64_t m_nextInode = 2;
};

}  // namespace zerin::test
