// The entry point through which the panes list an archive: the archive module installs a
// reader in PaneModel::archiveReader; navigation calls it when an archive item is opened
// and when a pane whose location is an archive is refreshed.
#pragma once

#include <functional>
#include <string>

#include "platform/fs_result.h"

namespace zerin {

class PaneListing;

// Fills `out` (already cleared) with the entries of the archive at `archivePath`: entry
// paths begin with the archive's path, folders go to the folder table. A failure says why
// (an unreadable or damaged archive, no reader for its format).
using ArchiveReader = std::function<FsStatus(const std::string& archivePath, PaneListing& out)>;

}  // namespace zerin
