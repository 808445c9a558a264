// Lists an archive by running the archiver: the panes never read archives themselves.
// For each listing the two listing files in the program folder are deleted, the script
// rartemp.bat is written there with the archiver's two command lines, the technical and
// the bare listing (kTechnicalCommand, kBareCommand below), each written to its file
// (every path quoted for the shell, so no name can end its word), and run by /bin/sh with
// no window. The UI thread pumps events until the script has ended, for at most
// `timeoutMs`: then the archiver is stopped and the listing fails with a clear reason,
// the pane staying where it was. The technical listing is then parsed by its columns.
#pragma once

#include <string>
#include <string_view>

#include "panes/archive_listing.h"
#include "platform/fs_result.h"

namespace zerin {

// The archiver's command words for its two listings, as other archivers of the same
// command line answer them too (the `archiver=` key may name one).
inline constexpr std::string_view kTechnicalCommand = "vt -p-";
inline constexpr std::string_view kBareCommand = "vb -p-";

class Zerin;

inline constexpr std::string_view kArchiverScript = "rartemp.bat";
inline constexpr std::string_view kTechnicalListing = "rarlisttechnical.txt";
inline constexpr std::string_view kBareListing = "rarlistbase.txt";
inline constexpr std::string_view kArchiverName = "zerin-archiver";
inline constexpr int kArchiverTimeoutMs = 10000;

// A path as one word of a POSIX shell: in single quotes, each "'" written as '\''.
std::string shellQuoted(std::string_view text);

// The two lines of rartemp.bat, each ended by LF.
std::string archiverScript(std::string_view archiver, std::string_view archive, std::string_view folder);

// Runs the archiver on `archive` and fills `out`; what the archiver could not read is
// written to the debug pane, one line each, while what it read is shown.
FsStatus listArchiveWithArchiver(Zerin& zerin, const std::string& archiver, const std::string& archive,
                                 PaneListing& out, int timeoutMs = kArchiverTimeoutMs);

// The reader the panes use: the archiver of the settings' "archiver" key, else
// `defaultArchiver` (zerin-archiver beside the executable).
ArchiveReader archiverReader(Zerin& zerin, std::string defaultArchiver);

}  // namespace zerin
