#include "panes/pane_roles.h"

#include <algorithm>
#include <charconv>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/pane_colours.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_paths.h"
#include "panes/pane_model.h"

namespace zerin {

namespace {

void recolour(Zerin& zerin, int pane, bool bright) {
    if (!PaneModel::validPane(pane)) return;
    const bool drives = PaneLocation::parse(zerin.panes.path(pane)).is(PaneKind::Drives);
    ListModel& list = zerin.panes.list(pane);
    for (ListItem& item : list.mutableItems()) {
        item.colour = roleColour(zerin.panes.colours, item.tag, bright, drives);
        for (SubItem& sub : item.subItems) sub.colour = item.colour;
    }
    list.notifyRestyled();
}

bool isFolderTag(const std::string& tag) { return tag.ends_with('/'); }

std::int64_t tagNumber(const ListItem& item) {
    if (item.subItems.empty()) return 0;
    const std::string& tag = item.subItems[0].tag;
    std::int64_t value = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), value);
    return value;
}

int compareText(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

void listShadow(Zerin& zerin, int pane) { recolour(zerin, pane, false); }
void listBright(Zerin& zerin, int pane) { recolour(zerin, pane, true); }

void paintPathBoxes(Zerin& zerin) {
    PaneModel& panes = zerin.panes;
    for (int p = 0; p <= panes.highestOnScreen; ++p) {
        PaneControls& c = panes.controls(p);
        const bool source = p == panes.sourcePane();
        if (panes.listing(p).archive)
            c.pathBack = source ? paneColour::kArchiveSource : paneColour::kArchiveTarget;
        else
            c.pathBack = source ? paneColour::kPathActiveBack : paneColour::kPathInactiveBack;
        c.pathFore = source ? paneColour::kPathActiveFore : paneColour::kPathInactiveFore;
        panes.notifyControls(p);
    }
}

void focusPane(Zerin& zerin, int pane) {
    PaneModel& panes = zerin.panes;
    if (pane != 0 && pane != 1) return;
    panes.focusedPane = pane;
    if (zerin.settings.columnHeaders == 1) applyColumnHeaders(zerin);
    if (pane == panes.sourcePane()) return;
    listShadow(zerin, panes.sourcePane());
    panes.setSourcePane(pane);
    paintPathBoxes(zerin);
    listBright(zerin, pane);
}

void focusLeftPanes(Zerin& zerin) { zerin.panes.focusedPane = -1; }

void applyColumnHeaders(Zerin& zerin) {
    PaneModel& panes = zerin.panes;
    const int mode = zerin.settings.columnHeaders;
    for (int p = 0; p <= 1; ++p) {
        bool visible = panes.controls(p).headersVisible;
        if (mode == 0) visible = false;
        else if (mode == 2) visible = true;
        else if (panes.focusedPane >= 0) visible = p == panes.focusedPane;
        if (visible != panes.controls(p).headersVisible) {
            panes.controls(p).headersVisible = visible;
            panes.notifyControls(p);
        }
    }
}

void listFoldersFirst(Zerin& zerin, int pane) {
    ListModel& list = zerin.panes.list(pane);
    auto& items = list.mutableItems();
    std::stable_partition(items.begin(), items.end(), [](const ListItem& item) { return isFolderTag(item.tag); });
    list.notifyReset();
}

void listAddItem(Zerin& zerin, int pane, std::string_view path) {
    ListItem item;
    item.tag = std::string(path);
    std::erase(item.tag, '"');
    std::string copy = item.tag;
    item.text = trimName(copy);
    item.colour = fileSuffixColour(zerin.panes.colours, fileSuffix(item.tag));
    item.subItems.push_back({{}, "0", item.colour});
    zerin.panes.list(pane).add(std::move(item));
    zerin.panes.list(pane).notifyReset();
}

void sortItems(Zerin& zerin, int pane) {
    PaneControls& c = zerin.panes.controls(pane);
    auto& items = zerin.panes.list(pane).mutableItems();
    const bool ascending = c.sortState == 1;
    if (c.sortColumn == 1) {
        std::stable_sort(items.begin(), items.end(), [ascending](const ListItem& a, const ListItem& b) {
            return ascending ? tagNumber(a) < tagNumber(b) : tagNumber(b) < tagNumber(a);
        });
    } else {
        std::stable_sort(items.begin(), items.end(), [ascending](const ListItem& a, const ListItem& b) {
            const int r = compareText(a.text, b.text);
            return ascending ? r < 0 : r > 0;
        });
    }
    std::stable_partition(items.begin(), items.end(), [](const ListItem& item) { return isFolderTag(item.tag); });
}

void sortByColumn(Zerin& zerin, int pane, int column) {
    PaneControls& c = zerin.panes.controls(pane);
    if (column < 0 || column >= static_cast<int>(c.columns.size())) return;
    if (column != c.sortColumn) {
        c.sortColumn = column;
        c.sortState = 0;
        for (PaneColumn& col : c.columns) col.text = col.tag;
    }
    c.sortState = c.sortState == 1 ? 2 : 1;
    c.columns[static_cast<std::size_t>(column)].text =
        std::string(c.sortState == 1 ? paneMessage::kSortAscending : paneMessage::kSortDescending) +
        c.columns[static_cast<std::size_t>(column)].tag;
    sortItems(zerin, pane);
    zerin.panes.list(pane).notifyReset();
    zerin.panes.notifyControls(pane);
}

}  // namespace zerin
