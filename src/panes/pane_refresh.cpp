#include "panes/pane_refresh.h"

#include <algorithm>
#include <cerrno>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/directory_reader.h"
#include "panes/navigation.h"
#include "panes/pane_colours.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_roles.h"
#include "panes/pane_model.h"
#include "panes/path_groups.h"
#include "platform/file_icons.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "script/script_store.h"
#include "script/variables.h"
#include "script/variable_commands.h"

namespace zerin {

namespace {

bool isSource(const Zerin& zerin, int pane) { return zerin.panes.sourcePane() == pane; }

std::string sizeTag(std::int64_t size) { return std::to_string(size); }

void refreshDrives(Zerin& zerin, int pane) {
    PaneModel& panes = zerin.panes;
    ListModel& list = panes.list(pane);
    panes.drives.refresh(*zerin.fileSystem);
    panes.listing(pane).clear();
    const Colour colour = isSource(zerin, pane) ? paneColour::kDriveSource : paneColour::kDriveTarget;
    for (const Drive& drive : panes.drives.drives()) {
        ListItem item;
        item.text = drive.letter + " - " + drive.volumeName;
        item.tag = drive.letter.ends_with('/') ? drive.letter : drive.letter + "/";
        item.colour = colour;
        item.icon = kDriveIcon;
        item.subItems.push_back({drive.type == Drive::kFixed ? formatFreeSpace(drive.freeKb) : std::string(), {}, colour});
        list.add(std::move(item));
    }
    panes.controls(pane).parentEnabled = false;
}

void refreshTextList(Zerin& zerin, int pane) {
    const Colour colour = zerin.panes.colours.file(4);
    for (const std::string& entry : zerin.panes.textList) {
        ListItem item{entry, entry, colour, {{"-", {}, colour}}};
        zerin.panes.list(pane).add(std::move(item));
    }
}

void refreshListing(Zerin& zerin, int pane, bool showIcons) {
    PaneModel& panes = zerin.panes;
    PaneListing& listing = panes.listing(pane);
    PaneControls& controls = panes.controls(pane);
    ListModel& list = panes.list(pane);
    const bool source = isSource(zerin, pane);
    const bool scriptsView = PaneLocation::parse(panes.path(pane)).is(PaneKind::Scripts);

    if (listing.archive) controls.pathBack = source ? paneColour::kArchiveSource : paneColour::kArchiveTarget;
    if (!listing.folders().empty()) controls.parentEnabled = true;

    auto& items = list.mutableItems();
    items.reserve(listing.folders().size() + listing.files().size());
    const Colour folderColour = source ? paneColour::kFolderSource : paneColour::kFolderTarget;
    for (ListingEntry& e : listing.mutableFolders()) {
        if (showIcons && e.largeIcon == 0) e.largeIcon = e.smallIcon = zerin.fileIcons->iconFor(e.path, true);
        ListItem item;
        item.text = std::string(entryName(e.path));
        item.tag = e.path + "/";
        item.colour = folderColour;
        item.icon = showIcons ? e.largeIcon : 0;
        item.subItems.push_back(
            {e.size == 0 ? std::string(paneMessage::kDir) : panes.sizeFormat.format(e.size), sizeTag(e.size), folderColour});
        items.push_back(std::move(item));
    }
    for (ListingEntry& e : listing.mutableFiles()) {
        if (showIcons && e.largeIcon == 0) e.largeIcon = e.smallIcon = zerin.fileIcons->iconFor(e.path, false);
        ListItem item;
        const Colour colour = refreshFileColour(panes.colours, e.path, source);
        if (scriptsView) {
            item.text = e.path;
            item.tag = e.extra;
        } else {
            item.text = std::string(entryName(e.path));
            item.tag = e.path;
        }
        item.colour = colour;
        item.icon = showIcons ? e.largeIcon : 0;
        item.subItems.push_back({panes.sizeFormat.format(e.size), sizeTag(e.size), colour});
        items.push_back(std::move(item));
    }

    controls.pathText = panes.path(pane);
    if (listing.leftOut() > 0)
        controls.pathText += std::string(paneMessage::kLeftOutBefore) + std::to_string(listing.leftOut()) +
                             std::string(paneMessage::kLeftOutAfter);
}

}  // namespace

bool iconsShown(const Zerin& zerin) {
    return publicSetting(zerin, "list.icons") == "1";
}

void refreshList(Zerin& zerin, int pane) {
    if (!PaneModel::validPane(pane)) return;
    PaneModel& panes = zerin.panes;
    PaneControls& controls = panes.controls(pane);
    ListModel& list = panes.list(pane);
    const bool showIcons = iconsShown(zerin);
    controls.iconsShown = showIcons;

    list.mutableItems().clear();
    const std::string& path = panes.path(pane);
    const PaneLocation at = PaneLocation::parse(path);
    if (at.is(PaneKind::TextList)) {
        refreshTextList(zerin, pane);
    } else if (at.is(PaneKind::Drives)) {
        refreshDrives(zerin, pane);
        controls.pathText = path;
    } else {
        refreshListing(zerin, pane, showIcons);
    }

    if (controls.sortState != 0) sortItems(zerin, pane);
    if (!list.items().empty()) list.mutableItems().front().selected = true;
    if (zerin.settings.columnAutosize) autosizeColumns(zerin, pane);
    list.notifyReset();
    panes.notifyControls(pane);

    // The listing goes back into the cache so that the icon indexes found now are kept.
    // A listing cut at the tables' end is not written back: the cache keeps the whole folder.
    const PaneListing& listing = panes.listing(pane);
    if (path.ends_with('/') && !listing.archive && listing.leftOut() == 0 && panes.cache.find(path))
        panes.cache.put(path, listingText(panes.listing(pane), path));
}

// Keeps the widths the user or the autosize gave the two columns; only the captions change.
static void setTwoColumns(Zerin& zerin, int pane, std::string_view secondCaption) {
    auto& columns = zerin.panes.controls(pane).columns;
    const int nameWidth = columns.size() == 2 ? columns[0].width : 240;
    const int sizeWidth = columns.size() == 2 ? columns[1].width : 90;
    columns = {{std::string(paneMessage::kColumnName), std::string(paneMessage::kColumnName), nameWidth, false},
               {std::string(secondCaption), std::string(secondCaption), sizeWidth, true}};
}

void setFolderColumns(Zerin& zerin, int pane) { setTwoColumns(zerin, pane, paneMessage::kColumnSize); }

void setDriveColumns(Zerin& zerin, int pane) {
    setTwoColumns(zerin, pane, paneMessage::kColumnFree);
    zerin.panes.listing(pane).clear();
}

void autosizeColumns(Zerin& zerin, int pane) {
    PaneControls& controls = zerin.panes.controls(pane);
    if (controls.columns.size() < 2) setFolderColumns(zerin, pane);
    TextMetrics& metrics = zerin.platform.metrics;
    const int pt = PaneModel::kFontPoints;
    const bool drives = PaneLocation::parse(zerin.panes.path(pane)).is(PaneKind::Drives);
    int widestName = 0;
    int widestSize = 0;
    const auto& items = zerin.panes.list(pane).items();
    for (const ListItem& item : items) {
        std::string_view name = item.text;
        if (!drives && !item.tag.empty()) {
            std::string_view tag = item.tag;
            if (tag.size() > 1 && tag.ends_with('/')) tag.remove_suffix(1);
            name = entryName(tag);
        }
        widestName = std::max(widestName, metrics.width(name, pt));
        if (!item.subItems.empty()) widestSize = std::max(widestSize, metrics.width(item.subItems[0].text, pt));
    }
    int nameWidth = widestName + metrics.width("WWW", pt);
    const int sizeWidth = widestSize + metrics.width("WW", pt);
    if (nameWidth + sizeWidth > controls.viewWidth - 24) nameWidth = controls.viewWidth - 24 - sizeWidth;
    const int rowHeight = std::max(1, metrics.height("Aj", pt) + 2);
    if (static_cast<int>(items.size()) > controls.viewHeight / rowHeight) nameWidth -= 20;
    controls.columns[1].width = sizeWidth + 20;
    controls.columns[0].width = std::max(nameWidth, metrics.width("WWWW", pt));
}

FsStatus listUpdate(Zerin& zerin, int pane) {
    if (!PaneModel::validPane(pane)) return FsStatus::fromErrno(EINVAL);
    PaneModel& panes = zerin.panes;
    const std::string path = panes.path(pane);
    const PaneLocation at = PaneLocation::parse(path);

    if (at.is(PaneKind::Drives)) {
        setDriveColumns(zerin, pane);
    } else if (at.is(PaneKind::TextList)) {
        setFolderColumns(zerin, pane);
    } else if (at.is(PaneKind::Scripts)) {
        setFolderColumns(zerin, pane);
        PaneListing& listing = panes.listing(pane);
        listing.clear();
        for (const StoredScript& script : zerin.scripts.scripts()) {
            ListingEntry entry;
            entry.path = scriptLocationName(script.text, true);
            entry.extra = script.key;
            listing.addFile(std::move(entry));
        }
    } else if (at.is(PaneKind::PathGroup)) {
        // A path group's view: the listings of all its targets in one pane.
        setFolderColumns(zerin, pane);
        const std::string groupName = text::lower(at.group);
        for (int g = 0; g <= zerin.pathGroups.count(); ++g) {
            const PathGroup& group = zerin.pathGroups.group(g);
            if (text::lower(group.name) != groupName || group.paths.empty()) continue;
            panes.listing(pane).clear();
            panes.list(pane).mutableItems().clear();
            for (const PathEntry& target : group.paths) {
                zerin.output.print(std::string(paneMessage::kReading) + target.target);
                const std::string* cached = panes.cache.find(target.target);
                if (cached && !cached->empty())
                    parseListing(zerin, pane, target.target, true);
                else
                    readFolder(zerin, pane, target.target, true);
            }
            break;
        }
    } else if (at.is(PaneKind::Archive)) {
        setFolderColumns(zerin, pane);
        if (const FsStatus status = readArchive(zerin, pane, at.archive); !status) {
            // An archive that cannot be listed (now) is shown in its folder, and the user
            // is told why.
            zerin.platform.dialogs.messageBox(
                std::string(paneMessage::kArchiveUnreadable) + status.message() + "\n\"" + at.archive + "\"", "",
                MsgButtons::Ok);
            panes.setPath(pane, at.folder);
            listUpdate(zerin, pane);
            return status;
        }
    } else {
        setFolderColumns(zerin, pane);
        const std::string* cached = panes.cache.find(path);
        if (cached && !cached->empty())
            parseListing(zerin, pane, path, false);
        else if (const FsStatus status = readFolder(zerin, pane, path, false); !status) {
            // A missing folder: the reader showed the drives view instead.
            if (!folderMissing(status)) refreshList(zerin, pane);
            return status;
        }
    }
    refreshList(zerin, pane);
    return FsStatus::ok();
}

void refreshPanesShowing(Zerin& zerin, const std::vector<std::string>& folders) {
    PaneModel& panes = zerin.panes;
    std::vector<bool> shown(folders.size(), false);
    for (int pane = 0; pane <= panes.highestOnScreen && PaneModel::validPane(pane); ++pane) {
        const PaneLocation at = PaneLocation::parse(panes.path(pane));
        if (!at.is(PaneKind::Folder)) continue;
        bool affected = false;
        for (std::size_t i = 0; i < folders.size(); ++i)
            if (folders[i] == at.folder) affected = shown[i] = true;
        if (!affected) continue;
        // A folder that went away with a move is left to the next visit, not reported now.
        const FsResult<FileInfo> info = zerin.fileSystem->stat(at.folder);
        if (!info || info.value.kind != FileKind::Folder) continue;
        std::vector<std::string> selected;
        for (const ListItem& item : panes.list(pane).items())
            if (item.selected) selected.push_back(item.tag);
        if (!readFolder(zerin, pane, at.folder, false)) continue;
        refreshList(zerin, pane);
        auto& items = panes.list(pane).mutableItems();
        for (ListItem& item : items)
            item.selected = std::find(selected.begin(), selected.end(), item.tag) != selected.end();
        panes.list(pane).notifyReset();
    }
    for (std::size_t i = 0; i < folders.size(); ++i)
        if (!shown[i]) panes.cache.remove(folders[i]);
}

}  // namespace zerin
