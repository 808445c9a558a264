// The file operations of the script language and the pieces they are built from, open to
// tests: argument splitting and the background copy that keeps the events flowing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "panes/copy_engine.h"

namespace zerin {

class Zerin;

void registerFileCommands(Zerin& zerin);

// Runs `job` on a worker thread while this thread pumps events, answers its conflict
// questions through the platform dialogs, shows its progress and cancels it on the stop
// request or the progress window's Cancel.
CopyResult runCopyJob(Zerin& zerin, const std::function<CopyResult(const CopyCallbacks&)>& job);

// `"source" "target"` (or unquoted words) into its two paths.
bool splitCopyArguments(FileSystem& fs, std::string_view arg, std::string& source, std::string& target);
// `old:new`, split at the ":" that begins the new absolute path.
bool splitRenameArguments(FileSystem& fs, std::string_view arg, std::string& from, std::string& to);

}  // namespace zerin
