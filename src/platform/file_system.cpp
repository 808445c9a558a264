#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>

namespace zerin {

FsStatus FileSystem::readRegularFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    out.clear();
    FsResult<std::unique_ptr<OpenFile>> file = open(path, OpenMode::Read);
    if (!file) return file.status;
    const FsResult<FileInfo> info = file.value->info();
    if (!info) return info.status;
    if (info.value.kind != FileKind::File) return FsStatus::failure(EINVAL, "not a regular file");
    const auto size = static_cast<std::size_t>(info.value.size);
    out.resize(std::min(size, maxBytes));
    std::size_t done = 0;
    while (done < out.size()) {
        const FsResult<std::size_t> n = file.value->read(out.data() + done, out.size() - done);
        if (!n) {
            out.clear();
            return n.status;
        }
        if (n.value == 0) break;  // shrank while being read
        done += n.value;
    }
    out.resize(done);
    return FsStatus::ok();
}

}  // namespace zerin
