// zerin-archiver: lists archives for Zerin's panes, answering the two command lines the
// panes' listing script holds:
//   zerin-archiver vt -p- ARCHIVE   technical listing (see listing_writer.h)
//   zerin-archiver vb -p- ARCHIVE   bare listing, one name a line
// Switches between the command and the archive are accepted and ignored ("-p-": never
// ask for a password; this program never asks for anything). Exit status: 0 listed,
// 1 listed with problems, 2 not listed (no such archive, not an archive, bad usage).
#include <cstdio>
#include <string>
#include <string_view>

#include "archive_entries.h"
#include "listing_writer.h"

using namespace zerin::archiver;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: zerin-archiver vt|vb [-p-] ARCHIVE\n", stderr);
        return 2;
    }
    const std::string_view command = argv[1];
    if (command != "vt" && command != "vb") {
        std::fprintf(stderr, "zerin-archiver: unknown command %s\n", argv[1]);
        return 2;
    }
    // The archive is the last argument, so a name that begins with "-" is never a switch.
    const std::string archive = argv[argc - 1];
    const ArchiveContents contents = readArchiveFile(archive);
    const std::string out = command == "vt" ? technicalListing(archive, contents) : bareListing(contents);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return 2;
    for (const std::string& problem : contents.problems) std::fprintf(stderr, "zerin-archiver: %s\n", problem.c_str());
    if (!contents.opened) return 2;
    return contents.problems.empty() ? 0 : 1;
}
