// The file system through plain POSIX/Linux calls. The folder-size walk reads directories
// with getdents64 and makes one fstatat per file, never following symbolic links.
#pragma once

#include "platform/file_system.h"

namespace zerin {

class PosixFileSystem : public FileSystem {
public:
    bool listFolder(const std::string& path, std::vector<DirEntry>& out, bool withSizes) override;
    std::vector<std::int64_t> folderSizes(const std::vector<std::string>& roots, WalkControl& control,
                                          int threads) override;
    bool readFile(const std::string& path, std::string& out) override;
    bool withFileBytes(const std::string& path, const std::function<void(std::string_view)>& use) override;
    bool writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) override;
    using FileSystem::writeFileAtomic;
    std::vector<MountEntry> mounts() override;
    std::string volumeLabel(const std::string& device) override;
    bool volumeSpace(const std::string& mountPoint, VolumeSpace& out) override;
    std::vector<std::string> opticalDrives() override;
};

}  // namespace zerin
