#include "panes/drive_table.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

#include "panes/size_format.h"
#include "script/value.h"

namespace zerin {

namespace {

constexpr std::string_view kNetworkTypes[] = {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "9p"};
constexpr std::string_view kOpticalTypes[] = {"iso9660", "udf"};
// File systems on block devices that hold packages or system images rather than user files.
constexpr std::string_view kImageTypes[] = {"squashfs", "erofs"};
// Mount points under these hold the system's own mounts (and container bind mounts).
constexpr std::string_view kSystemPrefixes[] = {"/proc", "/sys", "/dev", "/run/", "/etc/", "/snap/", "/var/lib/"};

template <std::size_t N>
bool oneOf(std::string_view value, const std::string_view (&list)[N]) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

std::int64_t roundedKb(std::uint64_t bytes) {
    return static_cast<std::int64_t>(std::llround(static_cast<double>(bytes) / 1024.0));
}

std::string lastComponent(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool DriveTable::isUserFileSystem(const MountEntry& entry) {
    if (entry.mountPoint == "/") return true;
    if (entry.mountPoint.starts_with("/run/media/")) return true;
    for (auto prefix : kSystemPrefixes)
        if (entry.mountPoint.starts_with(prefix) || entry.mountPoint + "/" == prefix) return false;
    if (oneOf(entry.fsType, kNetworkTypes)) return true;
    return entry.device.starts_with("/dev/") && !oneOf(entry.fsType, kImageTypes);
}

void DriveTable::refresh(FileSystem& fs) {
    m_drives.clear();
    std::set<std::string> seenMounts;
    std::set<std::string> mountedDevices;
    for (const auto& entry : fs.mounts()) {
        if (!isUserFileSystem(entry) || !seenMounts.insert(entry.mountPoint).second) continue;
        mountedDevices.insert(entry.device);
        Drive drive;
        drive.letter = entry.mountPoint;
        if (oneOf(entry.fsType, kOpticalTypes)) {
            drive.type = Drive::kOptical;
        } else if (oneOf(entry.fsType, kNetworkTypes)) {
            drive.type = Drive::kNetwork;
        }
        if (drive.type != Drive::kNetwork) {
            drive.volumeName = fs.volumeLabel(entry.device);
            if (drive.volumeName.empty())
                drive.volumeName = entry.mountPoint == "/" ? lastComponent(entry.device) : lastComponent(entry.mountPoint);
        } else {
            drive.volumeName = entry.device;
        }
        // Sizes of network shares are not read: a share that does not answer would hang the view.
        if (drive.type == Drive::kFixed) {
            if (const FsResult<VolumeSpace> space = fs.volumeSpace(entry.mountPoint)) {
                drive.totalKb = roundedKb(space.value.totalBytes);
                drive.freeKb = roundedKb(space.value.freeBytes);
            }
        }
        m_drives.push_back(std::move(drive));
    }
    for (const auto& device : fs.opticalDrives()) {
        if (mountedDevices.count(device)) continue;
        Drive drive;
        drive.letter = device;
        drive.type = Drive::kOptical;
        drive.volumeName = kNoDisc;
        m_drives.push_back(std::move(drive));
    }
}

std::string formatFreeSpace(std::int64_t freeKb) {
    const auto megabytes = std::llround(static_cast<double>(freeKb) / 1024.0);
    if (megabytes < 1001) return strFormat(static_cast<std::int64_t>(megabytes)) + " MB";
    return formatTwoDecimals(static_cast<double>(megabytes) / 1024.0) + " GB";
}

}  // namespace zerin
