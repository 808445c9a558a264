#include "listing_writer.h"

#include <cstdio>
#include <ctime>

namespace zerin::archiver {

namespace {

constexpr const char* kRule = "-------------------------------------------------------------\n";

bool holdsLineBreak(const std::string& name) { return name.find_first_of("\r\n") != std::string::npos; }

std::string attributes(const ArchiveEntry& e) {
    std::string a = ".......";
    if (e.readOnly) a[0] = 'R';
    if (e.kind == EntryKind::Folder) a[1] = 'D';
    if (e.kind == EntryKind::Link) a[2] = 'L';
    if (e.encrypted) a[3] = 'E';
    if (e.kind == EntryKind::Special) a[6] = 'B';
    return a;
}

}  // namespace

std::string detailLine(const ArchiveEntry& e) {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    if (e.hasTime) {
        const std::time_t t = static_cast<std::time_t>(e.modified);
        std::tm local{};
        if (localtime_r(&t, &local)) {
            day = local.tm_mday;
            month = local.tm_mon + 1;
            year = local.tm_year % 100;
            if (year < 0) year += 100;
            hour = local.tm_hour;
            minute = local.tm_min;
        }
    }
    char line[96];
    std::snprintf(line, sizeof line, "%22lld %8s %3s%% %02d-%02d-%02d %02d:%02d  %s", static_cast<long long>(e.size),
                  "-", "-", day, month, year, hour, minute, attributes(e).c_str());
    return line;
}

std::string technicalListing(const std::string& archivePath, const ArchiveContents& contents) {
    std::string out = "Zerin archiver: technical listing\n\nArchive " + archivePath + "\n\n";
    out += " Name\n";
    out += "                  Size    Packed Ratio Date     Time   Attr\n";
    out += kRule;
    std::size_t files = 0, folders = 0, leftOut = 0;
    for (const ArchiveEntry& e : contents.entries) {
        if (holdsLineBreak(e.name)) {
            ++leftOut;
            continue;
        }
        out += ' ' + e.name + '\n' + detailLine(e) + '\n';
        (e.kind == EntryKind::Folder ? folders : files) += 1;
    }
    out += kRule;
    out += "  " + std::to_string(files) + " files, " + std::to_string(folders) + " folders\n";
    if (leftOut) out += "Error: " + std::to_string(leftOut) + " names with a line break left out\n";
    for (const std::string& problem : contents.problems) {
        std::string line = problem;
        for (char& c : line)
            if (c == '\r' || c == '\n') c = ' ';
        out += "Error: " + line + '\n';
    }
    return out;
}

std::string bareListing(const ArchiveContents& contents) {
    std::string out;
    for (const ArchiveEntry& e : contents.entries)
        if (!holdsLineBreak(e.name)) out += e.name + '\n';
    return out;
}

}  // namespace zerin::archiver
