// Reads the archiver's technical listing (rarlisttechnical.txt) into a pane listing, by
// the column positions the archiver keeps (1-based characters of a detail line):
//   36-37 "% " and 49 ":", or 36-38 "-> " and 50 ":"   the line is a detail line
//   1-23  the entry's size                               55 "D": a folder
//   60 "B": an entry the pane leaves out
// Each entry is a name line (one blank, then the name) and its detail line; the entries
// lie between the first line that begins with "-" and the next one. Lines after the
// listing that begin with "Error: " say what the archiver could not read.
//
// Only the top level is shown. An entry inside a folder ("docs/b.txt") is not listed
// itself, but its first folder is, even when the archive holds no entry of its own for
// it: many archives carry only the files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class PaneListing;

struct ArchiveListingRead {
    // False when the text holds no separator line: it is no listing at all.
    bool listing = false;
    // The archiver's own "Error: " lines, without the word.
    std::vector<std::string> problems;
};

// Appends the top-level entries to `out`: paths are `archivePath` + "/" + the name.
ArchiveListingRead parseArchiveListing(std::string_view text, std::string_view archivePath, PaneListing& out);

// Whether a line (without its line end) is a detail line by the positions above.
bool isArchiveDetailLine(std::string_view line);

}  // namespace zerin
