// The real file system for folders (tests use temporary folders), with the mount table,
// labels, volume sizes and optical drives given by the test, and writes that can fail.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/posix/posix_file_system.h"

namespace zerin::test {

class FakeFileSystem : public PosixFileSystem {
public:
    std::vector<MountEntry> mounts() override { return mountTable; }
    std::string volumeLabel(const std::string& device) override {
        auto it = labels.find(device);
        return it == labels.end() ? std::string() : it->second;
    }
    bool volumeSpace(const std::string& mountPoint, VolumeSpace& out) override {
        auto it = space.find(mountPoint);
        if (it == space.end()) return false;
        out = it->second;
        return true;
    }
    std::vector<std::string> opticalDrives() override { return optical; }
    bool writeFileAtomic(const std::string& path, const std::function<bool(FileSink&)>& produce) override {
        ++writes;
        return failWrites ? false : PosixFileSystem::writeFileAtomic(path, produce);
    }
    using PosixFileSystem::writeFileAtomic;

    std::vector<MountEntry> mountTable;
    std::map<std::string, std::string> labels;
    std::map<std::string, VolumeSpace> space;
    std::vector<std::string> optical;
    bool failWrites = false;
    int writes = 0;
};

}  // namespace zerin::test
