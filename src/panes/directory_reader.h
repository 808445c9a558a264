// Filling a pane's listing from the disk or from the listing cache, folder sizes, and the
// recursive folder scan that refreshes the cache for a whole tree.
#pragma once

#include <string>
#include <vector>

#include "panes/listing.h"
#include "platform/fs_result.h"

namespace zerin {

class Zerin;

// Read folder: lists `path` (empty: the pane path) into the pane's listing (appending with
// `keep`) and stores its listing text in the cache. Folder sizes are measured when the
// foldersizes setting is on, else carried over from the cached listing by full path.
// A missing folder shows "Directory does not exist!" and switches the pane to the drives
// view; a folder that is there but cannot be read says why and leaves the pane empty on
// its path. The result is the reason the folder could not be listed.
FsStatus readFolder(Zerin& zerin, int pane, std::string path, bool keep);

// Whether a failed listing means the folder is not there (gone, or not a folder).
bool folderMissing(const FsStatus& status);
// What the user is told when the folder `path` cannot be listed: the missing text, or the
// system's reason for a folder that is there.
std::string folderFailureText(const std::string& path, const FsStatus& status);

// Parse listing: fills the pane's listing from the cached text of `path` (empty: the pane
// path). Damaged text shows "no comma" or "no newline" and keeps what was read.
ParseError parseListing(Zerin& zerin, int pane, const std::string& path, bool keep);

// Scan folder: walks the tree below `path` and stores a fresh listing text for every
// folder (children before their parent).
void scanFolder(Zerin& zerin, const std::string& path, bool keepSizes, bool useFileSystemSizes);

// The entry names of a folder for dir$ (empty when it has none or does not exist).
std::vector<std::string> folderEntryNames(Zerin& zerin, const std::string& path);

// Folder paths end with "/": "a/b" -> "a/b/", "" stays "".
std::string withTrailingSlash(std::string path);

}  // namespace zerin
