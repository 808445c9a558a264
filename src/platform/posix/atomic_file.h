// How the settings and cache files are saved, the same safe way for both. A save never
// damages the file it replaces: the new content goes to a temporary file beside it, is
// flushed to the disk and only then renamed over the old one.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/fs_result.h"

namespace zerin {

// Replaces `path` with what `produce` hands the writer it receives (in as many pieces as
// it likes; false abandons the save): writes "<name>.tmp" in the same folder, flushes it,
// and renames it over `path` (following a symbolic link to the file it names, so that
// the link survives). On failure the status names the step, the file and the reason; the
// old file is then untouched and the temporary file removed.
using ChunkWriter = std::function<bool(std::string_view)>;
FsStatus writeFileAtomically(const std::filesystem::path& path, const std::function<bool(const ChunkWriter&)>& produce);

// The temporary file a save of `path` writes first.
std::filesystem::path temporaryPathFor(const std::filesystem::path& path);

}  // namespace zerin
