#include "panes/file_copy.h"

#include <cerrno>
#include <unistd.h>

namespace zerin {

namespace {

// Large pieces for the kernel copy; smaller ones when the bytes pass through Zerin, so
// that progress and Cancel are seen often.
constexpr std::size_t kKernelChunk = 16u << 20;
constexpr std::size_t kBufferChunk = 1u << 20;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

bool kernelCannot(int error) { return error == ENOSYS || error == EXDEV || error == EINVAL; }

// Moves the bytes; the kernel's copy first, the buffer when it declines.
FsStatus copyBytes(OpenFile& source, OpenFile& target, const std::string& from, const std::string& to,
                   std::uint64_t& done, const CopyTick& tick) {
    bool kernel = true;
    std::string buffer;
    for (;;) {
        if (tick && !tick(done)) return FsStatus::fromErrno(ECANCELED).about("copy of " + from);
        if (kernel) {
            const FsResult<std::size_t> n = source.copyTo(target, kKernelChunk);
            if (n && n.value == 0) return FsStatus::ok();
            if (n) {
                done += n.value;
                continue;
            }
            // Nothing moved yet by a declined call: fall back for the rest of this file.
            if (!kernelCannot(n.status.error()) || done > 0)
                return n.status.about((n.status.error() == ENOSPC ? "cannot write " + to : "cannot copy " + from));
            kernel = false;
        }
        if (buffer.empty()) buffer.resize(kBufferChunk);
        const FsResult<std::size_t> n = source.read(buffer.data(), buffer.size());
        if (!n) return n.status.about("cannot read " + from);
        if (n.value == 0) return FsStatus::ok();
        if (FsStatus w = target.write(std::string_view(buffer.data(), n.value)); !w)
            return w.about("cannot write " + to);
        done += n.value;
    }
}

}  // namespace

std::string copyTemporaryName(const std::string& folder, unsigned attempt) {
    return (folder == "/" ? "" : folder) + "/.zerin-copy-" + std::to_string(::getpid()) + "-" +
           std::to_string(attempt) + ".tmp";
}

FsStatus copyOneFile(FileSystem& fs, const std::string& from, const std::string& to, bool replace,
                     const CopyTick& tick, bool sync) {
    FsResult<std::unique_ptr<OpenFile>> source = fs.open(from, OpenMode::Read);
    if (!source) return source.status.about("cannot read " + from);
    const FsResult<FileInfo> before = source.value->info();
    if (!before) return before.status.about("cannot read " + from);
    if (before.value.kind != FileKind::File) return FsStatus::failure(EINVAL, "cannot copy " + from + ": not a file");
    if (!replace) {
        // Asked before the bytes are moved, so a refusal costs nothing; the final rename
        // checks again.
        if (FsResult<FileInfo> existing = fs.stat(to, false); existing || existing.status.error() != ENOENT)
            return (existing ? FsStatus::fromErrno(EEXIST) : existing.status).about("cannot copy to " + to);
    }

    const std::string folder = folderOf(to);
    std::string temp;
    FsResult<std::unique_ptr<OpenFile>> target;
    for (unsigned attempt = 0;; ++attempt) {
        temp = copyTemporaryName(folder, attempt);
        // Owner-only until complete: a half-copied file is nobody else's to read.
        target = fs.open(temp, OpenMode::CreateNew, 0600);
        if (target || target.status.error() != EEXIST || attempt > 100) break;
    }
    if (!target) return target.status.about("cannot create a file in " + folder);

    std::uint64_t done = 0;
    // Messages name the target the user asked for; the temporary name means nothing to them.
    FsStatus status = copyBytes(*source.value, *target.value, from, to, done, tick);
    if (status) {
        const FsResult<FileInfo> after = source.value->info();
        if (!after) {
            status = after.status.about("cannot read " + from);
        } else if (after.value.size != before.value.size || after.value.modifiedNs != before.value.modifiedNs ||
                   done != static_cast<std::uint64_t>(before.value.size)) {
            status = FsStatus::failure(EAGAIN, "cannot copy " + from + ": the file changed during the copy");
        }
    }
    if (status && sync) status = target.value->sync().about("cannot write " + to);
    if (status) status = target.value->close().about("cannot write " + to);
    target.value.reset();
    if (status) status = fs.setMode(temp, before.value.mode).about("cannot set the permissions of " + to);
    if (status)
        status = fs.setTimes(temp, before.value.accessedNs, before.value.modifiedNs, true)
                     .about("cannot set the times of " + to);
    if (status) status = fs.rename(temp, to, replace).about("cannot copy to " + to);
    if (!status) fs.removeFile(temp);
    return status;
}

FsStatus copyLink(FileSystem& fs, const std::string& from, const std::string& to, bool replace) {
    const FsResult<std::string> target = fs.readLink(from);
    if (!target) return target.status.about("cannot read the link " + from);
    const FsResult<FileInfo> info = fs.stat(from, false);
    const std::string folder = folderOf(to);
    std::string temp;
    FsStatus made;
    for (unsigned attempt = 0;; ++attempt) {
        temp = copyTemporaryName(folder, attempt);
        made = fs.makeLink(target.value, temp);
        if (made || made.error() != EEXIST || attempt > 100) break;
    }
    if (!made) return made.about("cannot create a link in " + folder);
    if (info) fs.setTimes(temp, info.value.accessedNs, info.value.modifiedNs, false);
    FsStatus status = fs.rename(temp, to, replace).about("cannot copy to " + to);
    if (!status) fs.removeFile(temp);
    return status;
}

}  // namespace zerin
