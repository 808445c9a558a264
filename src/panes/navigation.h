// Moving a pane around: up to the parent, into a folder, drive or archive, and to a typed
// folder. Where a move leads is worked out from the pane location alone (parentStep,
// openKind); the functions that take the program carry the move out through the pane
// model and the file system and select the item the user came from. The views only
// forward clicks and keys here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/fs_result.h"

namespace zerin {

class Zerin;
class PaneModel;

// A move: the new pane path and the tag of the item to select once the pane is filled
// ("" leaves the first item selected).
struct NavigationStep {
    std::string path;
    std::string selectTag;
};

// Up from a folder to its parent, selecting the folder left; up from "/" to the drives
// view, selecting "/"; up from an archive to the folder that holds it, selecting the
// archive. The other views have no parent.
std::optional<NavigationStep> parentStep(std::string_view panePath);

// What opening an item means, by its tag.
enum class OpenKind { Nothing, Folder, Archive, File };
OpenKind openKind(std::string_view tag);

// Go to parent: false when the pane has no parent or the parent could not be read.
bool goToParent(Zerin& zerin, int pane);

// Open item `row` of the pane: a drive or a folder is entered, an archive is listed when
// a reader is installed, a text file goes to the text editor, any other file to the
// desktop's shell. False when nothing happened.
// A folder that is gone shows the drives view (the reader says so); a folder the user may
// not read says why and the pane stays where it was, with that folder selected.
bool openItem(Zerin& zerin, int pane, int row);

// Enter in the path box on an absolute path: a folder is entered, an archive listed. A
// path that is not there (or not a folder) and a folder that cannot be read say so, and
// the pane keeps its listing with its own path back in the path box. Any other text is
// not a path: false, and nothing is said.
bool openTypedFolder(Zerin& zerin, int pane, std::string_view typed);

// Lists the archive at `archivePath` into the pane through PaneModel::archiveReader and
// makes it the pane path; the reason (ENOSYS without a reader) and the pane unchanged when
// it fails.
FsStatus readArchive(Zerin& zerin, int pane, const std::string& archivePath);

// Selects the item tagged `tag` (and only it); false when no item carries it.
bool selectTag(PaneModel& panes, int pane, std::string_view tag);

}  // namespace zerin
