// A pane's listing: the folders and files it shows, with sizes and icon indexes, and its
// text form (the body of a listing-cache entry and of a database record).
//
// Text form: the first line is the folder path (ending with "/"); each entry line is
// ["IL:" large "," "IS:" small ","] size "," name ["/" for folders], ended by CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

struct ListingEntry {
    std::string path;         // full path, no trailing "/"
    std::int64_t size = 0;    // bytes; 0 for a folder means "not computed"
    std::int32_t largeIcon = 0;  // 0: no icon assigned yet
    std::int32_t smallIcon = 0;
    std::string extra;        // the scripts view keeps the script's identifying text here
};

class PaneListing {
public:
    // Each table holds entries 0 to 10000.
    static constexpr std::size_t kMaxEntries = 10001;

    const std::vector<ListingEntry>& folders() const { return m_folders; }
    const std::vector<ListingEntry>& files() const { return m_files; }
    std::vector<ListingEntry>& mutableFolders() { return m_folders; }
    std::vector<ListingEntry>& mutableFiles() { return m_files; }

    // False (and nothing stored) when the table is full; the listing then counts what it
    // left out so that the pane can say so.
    bool addFolder(ListingEntry entry);
    bool addFile(ListingEntry entry);
    std::size_t leftOut() const { return m_leftOut; }

    void clear();
    bool archive = false;

private:
    std::vector<ListingEntry> m_folders;
    std::vector<ListingEntry> m_files;
    std::size_t m_leftOut = 0;
};

// The last path component of a full entry path.
std::string_view entryName(std::string_view fullPath);

// Whether a name or path holds a CR or an LF, which the line-based text form cannot carry.
bool holdsLineBreak(std::string_view text);

// Appends one entry line (with CR LF) in the text form. A name holding a line break is
// left out (returns false): its line would read back as the lines of other, invented
// entries. The folder is still shown whole when it is read from the disk.
bool appendListingLine(std::string& out, std::string_view name, std::int64_t size, bool folder,
                       std::int32_t largeIcon = 0, std::int32_t smallIcon = 0);

// The whole text form of a listing under `folderPath` (which ends with "/").
std::string listingText(const PaneListing& listing, std::string_view folderPath);

enum class ParseError { None, NoComma, NoNewline };

// Reads the text form into `listing` (appending). `folderPath` empty: the text's first line
// is the folder path and is returned through it. Entries read before a damaged line stay.
ParseError parseListingText(std::string_view text, std::string& folderPath, PaneListing& listing);

// One parsed entry line; returns false for a line with no ",".
struct ListingLine {
    std::string_view name;  // folder names keep their trailing "/"
    std::int64_t size = 0;
    std::int32_t largeIcon = 0;
    std::int32_t smallIcon = 0;
};
bool parseListingLine(std::string_view line, ListingLine& out);

}  // namespace zerin
