// Copying one file so that nothing is ever lost: the bytes go to a temporary name in the
// target folder, are flushed to the disk, get the source's permissions and times, and only
// then take the target name. A failed, cancelled or interrupted copy (a full disk, a
// refused folder, a source that vanished or changed, the process killed) leaves nothing
// under the target name, and the source is only ever read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace zerin {

// Told of the bytes copied so far; returns false to stop the copy (ECANCELED).
using CopyTick = std::function<bool(std::uint64_t bytesDone)>;

// The temporary name a copy into `folder` writes first (hidden, short, so that a
// name at the length limit can still be copied).
std::string copyTemporaryName(const std::string& folder, unsigned attempt);

// Copies the regular file `from` to `to`. With `replace` false an existing `to` is never
// replaced (EEXIST). The status names the file and the step that failed.
// With `sync` the bytes are on the disk before the file takes its name.
FsStatus copyOneFile(FileSystem& fs, const std::string& from, const std::string& to, bool replace,
                     const CopyTick& tick = {}, bool sync = true);

// Copies a symbolic link as a link (its target text, not what it points to).
FsStatus copyLink(FileSystem& fs, const std::string& from, const std::string& to, bool replace);

}  // namespace zerin
