// Lists an archive by running the archiver: the panes never read archives themselves.
// For each listing the two listing files in the program folder are deleted, the script
// rartemp.bat is written there with the archiver's two command lines,
//   'ARCHIVER' vt -p- 'ARCHIVE' >'FOLDER/rarlisttechnical.txt'
//   'ARCHIVER' vb -p- 'ARCHIVE' >'FOLDER/rarlistbase.txt'
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
