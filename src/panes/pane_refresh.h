// Turning a pane's listing into list items (RefreshList), the column layout, and the
// full rebuild of a pane from the listing cache or the disk (do_list_update).
#pragma once

#include <string>
#include <vector>

#include "platform/fs_result.h"

namespace zerin {

class Zerin;

// Rebuilds the pane's items from its listing (or the drives, or the text list) without
// touching the disk, then writes the listing back into the listing cache.
void refreshList(Zerin& zerin, int pane);

// "Name" and "Size" (right-aligned), or "Name" and "Free" for the drives view.
void setFolderColumns(Zerin& zerin, int pane);
void setDriveColumns(Zerin& zerin, int pane);

// Fits the two columns to the widest texts, within the pane's width.
void autosizeColumns(Zerin& zerin, int pane);

// do_list_update: rebuild from the cache or the disk, then RefreshList. The result is why
// the folder or archive could not be read (the user has been told).
FsStatus listUpdate(Zerin& zerin, int pane);

// After a copy, move, rename or new folder in `folders` (each ending with "/"): a pane on
// screen that shows one of them is read again from the disk, keeping the selection of
// the names that are still there; a cached listing of one not on screen is dropped, so
// the next visit reads the disk instead of the old listing.
void refreshPanesShowing(Zerin& zerin, const std::vector<std::string>& folders);

// Whether the public variable list.icons is "1".
bool iconsShown(const Zerin& zerin);

}  // namespace zerin
