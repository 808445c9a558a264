// The drives view's sources a test sets: the mount table, labels, volume sizes and
// optical drives, for any fake file system.
#pragma once

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zerin::test {

struct FakeDriveTables {
    std::vector<MountEntry> mountTable;
    std::map<std::string, std::string> labels;
    std::map<std::string, VolumeSpace> space;
    std::vector<std::string> optical;

    std::string labelOf(const std::string& device) const {
        auto it = labels.find(device);
        return it == labels.end() ? std::string() : it->second;
    }
    FsResult<VolumeSpace> spaceOf(const std::string& mountPoint) const {
        FsResult<VolumeSpace> result;
        auto it = space.find(mountPoint);
        if (it == space.end())
            result.status = FsStatus::fromErrno(ENOENT);
        else
            result.value = it->second;
        return result;
    }
};

}  // namespace zerin::test
