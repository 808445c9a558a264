// The source and target roles of the panes and what changes with them: item colours
// (ListShadow/ListBright), path box colours, header visibility; plus the item-order
// operations (sorting by a header click, folders first) and items added by scripts.
#pragma once

#include <string_view>

namespace zerin {

class Zerin;

// The list view of `pane` received the keyboard focus: it becomes the source pane.
void focusPane(Zerin& zerin, int pane);
// The focus left the panes' list views.
void focusLeftPanes(Zerin& zerin);

void listShadow(Zerin& zerin, int pane);
void listBright(Zerin& zerin, int pane);

// Path boxes and parent buttons: active colours for the source pane, inactive for others.
void paintPathBoxes(Zerin& zerin);

// Shows or hides the column headers by the column_headers mode.
void applyColumnHeaders(Zerin& zerin);

// do_list_folders_first: folders before files, both groups keeping their order.
void listFoldersFirst(Zerin& zerin, int pane);

// do_list_additem: one item for `path` (quotes removed) with an empty sub-item tagged "0".
void listAddItem(Zerin& zerin, int pane, std::string_view path);

// A click on a column header: the first click on a column sorts ascending, further clicks
// alternate; the sorted header carries "/\ " or "\/ ".
void sortByColumn(Zerin& zerin, int pane, int column);
// Sorts the items by the pane's sort column and state (Size by the size, not the text).
void sortItems(Zerin& zerin, int pane);

}  // namespace zerin
