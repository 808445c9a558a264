// The entries of one archive as the archiver lists them, read with libarchive: every
// format it knows (zip, 7z, rar 4 and 5, tar with any compression, iso, cpio, ...).
// Reading stops at the first entry it cannot read; what was read before stays listed and
// the problem is kept, so a damaged or encrypted archive lists what can be read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerin::archiver {

enum class EntryKind { File, Folder, Link, Special };

struct ArchiveEntry {
    std::string name;  // "/"-separated, without a leading "./" or "/" and without a trailing "/"
    EntryKind kind = EntryKind::File;
    std::int64_t size = 0;
    std::int64_t modified = 0;  // seconds since the epoch; 0 when the archive does not say
    bool hasTime = false;
    bool readOnly = false;
    bool encrypted = false;
};

struct ArchiveContents {
    std::vector<ArchiveEntry> entries;
    // What could not be read, one sentence each ("cannot open ...", a damaged header).
    std::vector<std::string> problems;
    bool opened = false;  // false: not an archive libarchive can read, or no such file
};

ArchiveContents readArchiveFile(const std::string& path);
// The same from bytes in memory (the fuzz target feeds this).
ArchiveContents readArchiveBytes(std::string_view bytes);

// An entry name as the listing writes it: "./" and "/" at the start, repeated "/" and a
// trailing "/" dropped, "." components left out. "" when nothing is left.
std::string normalisedName(std::string_view raw);

}  // namespace zerin::archiver
