// What a pane shows, read from its path text in one place: a folder, the drives view, the
// editor's text list, the stored scripts, a path group's merged listing, an archive's
// entries or the results of a search. Every reader of the view words asks this type.
//
// A folder path begins with "/" (so a folder named "Work:x" is a folder, never a group);
// the view words are matched by their start in any letter case; a text with a ":" that does
// not begin with "/" names a path group ("Projects:"); an absolute path whose last part
// carries an archive suffix names an archive; any other text is a search.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

enum class PaneKind { Folder, Drives, TextList, Scripts, PathGroup, Archive, SearchResults };

struct PaneLocation {
    PaneKind kind = PaneKind::Folder;
    // Folder: the folder, ending with "/". Archive: the folder that holds the archive.
    std::string folder;
    // Archive: the archive file's full path.
    std::string archive;
    // PathGroup: the group's name as typed, before the ":".
    std::string group;
    // SearchResults: the typed words.
    std::string search;

    static PaneLocation parse(std::string_view paneText);

    bool is(PaneKind k) const { return kind == k; }
    // A place on disk that has a parent: a folder or an archive.
    bool onDisk() const { return kind == PaneKind::Folder || kind == PaneKind::Archive; }
};

// True for a file name the archive listing can open (".zip", ".rar", ".tar.gz", ... in any
// letter case); a name ending with "/" is a folder and never an archive.
bool isArchiveName(std::string_view path);

// The folder above `folder` ("/music/rock/" -> "/music/"), "" for "/" and for a text that
// is not an absolute folder path.
std::string parentFolder(std::string_view folder);

}  // namespace zerin
