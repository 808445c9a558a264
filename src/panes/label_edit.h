// Renaming an item by editing its label in a pane (F2, or a slow second click). The new
// text is a name in the item's own folder, never a path: a "/" is refused. A rename never
// replaces what is already there; on failure the user is told and the pane keeps the old
// name. The pane is read again afterwards, so it shows the folder as it now is.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;

// The text the label editor starts with (the name without padding or "/"), "" for an
// item that cannot be renamed.
std::string labelEditText(Zerin& zerin, int pane, int row);

// After the label of item `row` was edited to `newText`: true when the item was renamed.
bool renameByLabel(Zerin& zerin, int pane, int row, std::string_view newText);

}  // namespace zerin
