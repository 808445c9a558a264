// The drives view's table: the mounted file systems a user stores files on (block
// devices, the root, network shares), in the order of the mount table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zerin {

struct Drive {
    static constexpr int kFixed = 2;
    static constexpr int kNetwork = 3;
    static constexpr int kOptical = 4;

    std::string letter;      // the mount point (or the device of an empty optical drive)
    int type = kFixed;
    std::string volumeName;  // label, else the device or mount name; "(No disc)"
    std::int64_t totalKb = 0;
    std::int64_t freeKb = 0;
};

class DriveTable {
public:
    static constexpr const char* kNoDisc = "(No disc)";

    void refresh(FileSystem& fs);
    const std::vector<Drive>& drives() const { return m_drives; }

    // Whether a mount-table line names a file system a user keeps files on.
    static bool isUserFileSystem(const MountEntry& entry);

private:
    std::vector<Drive> m_drives;
};

// The "Free" column: free kilobytes as " 500 MB" below 1001 MB, else "1.46 GB".
std::string formatFreeSpace(std::int64_t freeKb);

}  // namespace zerin
