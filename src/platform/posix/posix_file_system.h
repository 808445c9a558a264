// The file system through plain POSIX/Linux calls. The folder-size walk reads directories
// with getdents64 and makes one fstatat per file, never following symbolic links. Copies
// between open files use copy_file_range, which lets the kernel (or the file system, for
// reflinks and server-side copies) move the bytes without passing them through Zerin.
#pragma once

#include "platform/file_system.h"

struct stat;

namespace zerin {

class PosixFileSystem : public FileSystem {
public:
    FsStatus listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) override;
    FsResult<FileInfo> stat(const std::string& path, bool followLinks = true) override;
    std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                          int threads) override;
    FsStatus readFile(const std::string& path, std::string& out) override;
    FsStatus withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) override;
    FsStatus writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) override;
    using FileSystem::writeFileAtomic;

    FsResult<std::unique_ptr<OpenFile>> open(const std::string& path, OpenMode mode, unsigned permissions = 0644) override;
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
    FsResult<VolumeSpace> volumeSpace(const std::string& path) override;

    std::vector<MountEntry> mounts() override;
    std::string volumeLabel(const std::string& device) override;
    std::vector<std::string> opticalDrives() override;
};

// Fills `info` from what stat returned.
void fillFileInfo(const struct stat& st, FileInfo& info);

}  // namespace zerin
