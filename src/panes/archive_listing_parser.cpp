#include "panes/archive_listing_parser.h"

#include <cmath>
#include <cstdint>
#include <set>

#include "panes/listing.h"
#include "script/value.h"

namespace zerin {

namespace {

// The 1-based character `column` of a line, or '\0' past its end.
char at(std::string_view line, std::size_t column) { return column <= line.size() ? line[column - 1] : '\0'; }

// Splits at LF; a CR before it belongs to the line end.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    bool next(std::string_view& line) {
        if (m_pos >= m_text.size()) return false;
        std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) end = m_text.size();
        line = m_text.substr(m_pos, end - m_pos);
        if (line.ends_with('\r')) line.remove_suffix(1);
        m_pos = end + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::int64_t sizeOf(std::string_view detail) {
    const double v = val(detail.substr(0, 23));
    if (!(v > 0)) return 0;  // also NaN
    if (v >= 9.2e18) return INT64_MAX;
    return static_cast<std::int64_t>(v);
}

// Adds one entry of the listing, or the top folder it lies in.
class TopLevel {
public:
    TopLevel(std::string_view archivePath, PaneListing& out) : m_archive(archivePath), m_out(out) {}

    void add(std::string_view nameLine, std::string_view detail) {
        if (nameLine.empty() || at(detail, 60) == 'B') return;
        std::string_view name = nameLine.substr(1);
        const std::size_t slash = name.find('/');
        if (slash != std::string_view::npos) {
            addOnce(name.substr(0, slash), true, 0);
            return;
        }
        addOnce(name, at(detail, 55) == 'D', sizeOf(detail));
    }

private:
    void addOnce(std::string_view name, bool folder, std::int64_t size) {
        // "." and ".." would make the entry's path name the archive's folder.
        if (name.empty() || name == "." || name == "..") return;
        if (!m_seen.emplace(name).second) return;
        ListingEntry entry;
        entry.path.reserve(m_archive.size() + 1 + name.size());
        entry.path.append(m_archive).append("/").append(name);
        entry.size = folder ? 0 : size;
        folder ? m_out.addFolder(std::move(entry)) : m_out.addFile(std::move(entry));
    }

    std::string_view m_archive;
    PaneListing& m_out;
    std::set<std::string, std::less<>> m_seen;
};

}  // namespace

bool isArchiveDetailLine(std::string_view line) {
    if (at(line, 36) == '%' && at(line, 37) == ' ' && at(line, 49) == ':') return true;
    return at(line, 36) == '-' && at(line, 37) == '>' && at(line, 38) == ' ' && at(line, 50) == ':';
}

ArchiveListingRead parseArchiveListing(std::string_view text, std::string_view archivePath, PaneListing& out) {
    ArchiveListingRead read;
    Lines lines(text);
    std::string_view line;
    while (lines.next(line))
        if (line.starts_with('-')) {
            read.listing = true;
            break;
        }
    if (!read.listing) return read;

    TopLevel top(archivePath, out);
    bool more = lines.next(line);
    while (more && !line.starts_with('-')) {
        std::string_view name = line;
        bool detailed = false;
        while ((more = lines.next(line))) {
            if (line.starts_with('-')) break;
            if (isArchiveDetailLine(line)) {
                top.add(name, line);
                detailed = true;
                break;
            }
            name = line;
        }
        if (detailed) more = lines.next(line);
    }
    while (lines.next(line)) {
        constexpr std::string_view kError = "Error: ";
        if (line.starts_with(kError)) read.problems.emplace_back(line.substr(kError.size()));
    }
    return read;
}

}  // namespace zerin
