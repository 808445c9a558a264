// The two listings the panes read from the archiver: the technical one ("vt") and the
// bare one ("vb"). The technical listing is read by column positions, so every detail
// line keeps them whatever the entry:
//
//   columns  1-22  size in bytes, right-aligned          (the panes read the first 23)
//   columns 24-31  packed size, "-" where the format does not say per entry
//   columns 33-36  ratio, "NNN%" or "  -%"                (column 36 "%", 37 blank)
//   columns 38-45  date dd-mm-yy, 47-51 time hh:mm         (column 49 ":")
//   columns 54-60  attributes, one letter or "." each:
//                  54 R read-only, 55 D folder, 56 L symbolic link, 57 E encrypted,
//                  60 B device, FIFO or socket (the panes leave these out)
//
// Each entry is a name line (a blank, then the name) followed by its detail line. The
// entries sit between two lines of "-"; problems follow the second one as "Error: " lines.
// A name holding a line break cannot be written as one line: it is left out and reported.
#pragma once

#include <string>

#include "archive_entries.h"

namespace zerin::archiver {

std::string technicalListing(const std::string& archivePath, const ArchiveContents& contents);
std::string bareListing(const ArchiveContents& contents);

// The detail line of one entry (without its line end), exactly 60 characters.
std::string detailLine(const ArchiveEntry& entry);

}  // namespace zerin::archiver
