// Filling a pane's listing from the disk or from the listing cache, folder sizes, and the
// recursive folder scan that refreshes the cache for a whole tree.
#pragma once

#include <string>
#include <vector>

#include "panes/listing.h"

namespace zerin {

class Zerin;

// Read folder: lists `path` (empty: the pane path) into the pane's listing (appending with
// `keep`) and stores its listing text in the cache. Folder sizes are measured when the
// foldersizes setting is on, else carried over from the cached listing by full path.
// A missing folder shows "Directory does not exist!" and switches the pane to the drives
// view; the result is then false.
bool readFolder(Zerin& zerin, int pane, std::string path, bool keep);

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
