// The file-system calls of the settings and cache files, kept in one place so that
// their failures can be provoked in tests and both files are saved the same safe way. A save never damages the file it replaces:
// the new content goes to a temporary file beside it, is flushed to the disk and only
// then renamed over the old one.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zerin {

enum class ReadResult { Ok, Missing, Failed };

// Reads the whole file into `content`. `error` receives the reason of a failure.
ReadResult readWholeFile(const std::filesystem::path& path, std::string& content, std::string& error);

// Replaces `path` with `content`: writes "<name>.tmp" in the same folder, flushes it,
// and renames it over `path` (following a symbolic link to the file it names, so that
// the link survives). False with a reason when any step fails; the old file is then
// untouched and the temporary file removed.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& error);

// The same, streamed: `produce` hands the new content to the writer it receives, in as
// many pieces as it likes, and returns false to abandon the save.
using ChunkWriter = std::function<bool(std::string_view)>;
bool writeFileAtomically(const std::filesystem::path& path, const std::function<bool(const ChunkWriter&)>& produce,
                         std::string& error);

// The temporary file a save of `path` writes first.
std::filesystem::path temporaryPathFor(const std::filesystem::path& path);

}  // namespace zerin
