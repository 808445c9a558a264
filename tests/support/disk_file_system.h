// The real file system for tests that read temporary folders, with the drives view's
// sources (mount table, labels, sizes, optical drives) set by the test and saves that can
// be made to fail. It holds the real one rather than deriving from it, so a test double
// never inherits a call it did not mean to pass to the disk.
#pragma once

#include <cerrno>

#include "fake_drive_tables.h"
#include "platform/posix/posix_file_system.h"

namespace zerin::test {

class DiskFileSystem : public FileSystem, public FakeDriveTables {
public:
    bool failWrites = false;  // atomic saves fail (EIO) without touching the disk
    int writes = 0;           // atomic saves asked for

    FsStatus listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) override {
        return m_disk.listFolder(path, out, withSizes);
    }
    std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                          int threads) override {
        return m_disk.folderSizes(roots, control, threads);
    }
    FsResult<FileInfo> stat(const std::string& path, bool followLinks = true) override {
        return m_disk.stat(path, followLinks);
    }
    FsStatus readFile(const std::string& path, std::string& out) override { return m_disk.readFile(path, out); }
    FsStatus withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) override {
        return m_disk.withFileBytes(path, use);
    }
    FsStatus writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) override {
        ++writes;
        return failWrites ? FsStatus::fromErrno(EIO) : m_disk.writeFileAtomic(path, produce);
    }
    using FileSystem::writeFileAtomic;
    FsResult<std::unique_ptr<OpenFile>> open(const std::string& path, OpenMode mode,
                                             unsigned permissions = 0644) override {
        return m_disk.open(path, mode, permissions);
    }
    FsStatus rename(const std::string& from, const std::string& to, bool replace) override {
        return m_disk.rename(from, to, replace);
    }
    FsStatus removeFile(const std::string& path) override { return m_disk.removeFile(path); }
    FsStatus removeFolder(const std::string& path) override { return m_disk.removeFolder(path); }
    FsStatus makeFolder(const std::string& path, unsigned permissions = 0755) override {
        return m_disk.makeFolder(path, permissions);
    }
    FsStatus setTimes(const std::string& path, std::int64_t accessedNs, std::int64_t modifiedNs,
                      bool followLinks) override {
        return m_disk.setTimes(path, accessedNs, modifiedNs, followLinks);
    }
    FsStatus setMode(const std::string& path, unsigned permissions) override {
        return m_disk.setMode(path, permissions);
    }
    FsResult<std::string> readLink(const std::string& path) override { return m_disk.readLink(path); }
    FsStatus makeLink(const std::string& target, const std::string& linkPath) override {
        return m_disk.makeLink(target, linkPath);
    }
    FsResult<std::string> canonical(const std::string& path) override { return m_disk.canonical(path); }
    FsResult<VolumeSpace> volumeSpace(const std::string& path) override { return spaceOf(path); }
    std::vector<MountEntry> mounts() override { return mountTable; }
    std::string volumeLabel(const std::string& device) override { return labelOf(device); }
    std::vector<std::string> opticalDrives() override { return optical; }

private:
    PosixFileSystem m_disk;
};

}  // namespace zerin::test
