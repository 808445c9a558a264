#include "panes/navigation.h"

#include <cerrno>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/directory_reader.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"
#include "panes/pane_model.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace zerin {

std::optional<NavigationStep> parentStep(std::string_view panePath) {
    const PaneLocation at = PaneLocation::parse(panePath);
    if (at.is(PaneKind::Archive)) return NavigationStep{at.folder, at.archive};
    if (!at.is(PaneKind::Folder)) return std::nullopt;
    if (at.folder == "/") return NavigationStep{std::string(paneMessage::kDrives), "/"};
    return NavigationStep{parentFolder(at.folder), at.folder};
}

OpenKind openKind(std::string_view tag) {
    if (tag.empty()) return OpenKind::Nothing;
    if (tag.ends_with('/')) return OpenKind::Folder;
    if (isArchiveName(tag)) return OpenKind::Archive;
    return OpenKind::File;
}

bool selectTag(PaneModel& panes, int pane, std::string_view tag) {
    auto& items = panes.list(pane).mutableItems();
    std::size_t found = items.size();
    for (std::size_t i = 0; i < items.size() && found == items.size(); ++i)
        if (items[i].tag == tag) found = i;
    if (found == items.size()) return false;
    for (ListItem& item : items) item.selected = false;
    items[found].selected = true;
    panes.list(pane).notifyReset();
    return true;
}

namespace {

constexpr int kShellShowMode = 10;

void tell(Zerin& zerin, const std::string& text) { zerin.platform.dialogs.messageBox(text, "", MsgButtons::Ok); }

// The path box shows the pane path again, not what the user typed or "Reading: ".
void showPanePath(PaneModel& panes, int pane) {
    panes.controls(pane).pathText = panes.path(pane);
    panes.notifyControls(pane);
}

bool go(Zerin& zerin, int pane, const NavigationStep& step) {
    PaneModel& panes = zerin.panes;
    const std::string from = panes.path(pane);
    panes.listing(pane).archive = false;
    panes.setPath(pane, step.path);
    panes.controls(pane).parentEnabled = !PaneLocation::parse(step.path).is(PaneKind::Drives);
    const FsStatus status = listUpdate(zerin, pane);
    if (folderMissing(status)) return false;  // the reader has switched to the drives view
    if (!status) {
        // A folder that is there but unreadable: the user was told why; back to where the
        // pane was (its listing is in the cache), with the folder tried selected.
        panes.setPath(pane, from);
        listUpdate(zerin, pane);
        selectTag(panes, pane, step.path);
        return false;
    }
    if (!step.selectTag.empty()) selectTag(panes, pane, step.selectTag);
    return true;
}

bool openArchive(Zerin& zerin, int pane, const std::string& archivePath) {
    if (const FsStatus status = readArchive(zerin, pane, archivePath); !status) {
        tell(zerin, std::string(paneMessage::kArchiveUnreadable) + status.message() + "\n\"" + archivePath + "\"");
        showPanePath(zerin.panes, pane);
        return false;
    }
    setFolderColumns(zerin, pane);
    refreshList(zerin, pane);
    return true;
}

}  // namespace

FsStatus readArchive(Zerin& zerin, int pane, const std::string& archivePath) {
    PaneModel& panes = zerin.panes;
    if (!panes.archiveReader) return FsStatus::fromErrno(ENOSYS);
    PaneListing listing;
    if (FsStatus status = panes.archiveReader(archivePath, listing); !status) return status;
    listing.archive = true;
    panes.setPath(pane, archivePath);
    panes.listing(pane) = std::move(listing);
    panes.controls(pane).parentEnabled = true;
    return FsStatus::ok();
}

bool goToParent(Zerin& zerin, int pane) {
    if (!PaneModel::validPane(pane)) return false;
    const std::optional<NavigationStep> step = parentStep(zerin.panes.path(pane));
    return step && go(zerin, pane, *step);
}

bool openItem(Zerin& zerin, int pane, int row) {
    if (!PaneModel::validPane(pane)) return false;
    const auto& items = zerin.panes.list(pane).items();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size()) return false;
    const std::string tag = items[static_cast<std::size_t>(row)].tag;
    // An archive's entries have no path of their own on the disk: opening one as a folder
    // or a file would read whatever lies at "archive/name", or nothing.
    if (zerin.panes.listing(pane).archive && openKind(tag) != OpenKind::Nothing) {
        tell(zerin, std::string(paneMessage::kInsideArchive) + "\n\"" + tag + "\"");
        return false;
    }
    switch (openKind(tag)) {
        case OpenKind::Folder: return go(zerin, pane, {tag, ""});
        case OpenKind::Archive: return openArchive(zerin, pane, tag);
        case OpenKind::File: {
            // A text file opens in the text editor, which the work area then shows; any
            // other file goes to the desktop. The user opened it, so a failure is said
            // once, with the file (the desktop itself says nothing).
            if (text::lower(tag).ends_with(".txt")) return zerin.openInTextEditor && zerin.openInTextEditor(tag);
            ShellError raised;
            if (shellEx(zerin.platform.shell, tag, kShellShowMode, "", "", "open", raised)) return true;
            tell(zerin, raised.description + "\n\"" + tag + "\"");
            return false;
        }
        case OpenKind::Nothing: return false;
    }
    return false;
}

bool openTypedFolder(Zerin& zerin, int pane, std::string_view typed) {
    if (!PaneModel::validPane(pane)) return false;
    const std::string path(text::trim(typed));
    const PaneLocation at = PaneLocation::parse(path);
    if (!at.onDisk()) return false;
    const FsResult<FileInfo> info = zerin.fileSystem->stat(path);
    if (at.is(PaneKind::Archive) && info && info.value.kind == FileKind::File) return openArchive(zerin, pane, path);
    // A folder whose name ends like an archive's is still a folder.
    const std::string folder = at.is(PaneKind::Archive) ? path + "/" : at.folder;
    FsStatus status = info.status;
    if (status && info.value.kind != FileKind::Folder) status = FsStatus::fromErrno(ENOTDIR);
    if (!status) {
        tell(zerin, folderFailureText(folder, status));
        showPanePath(zerin.panes, pane);
        return false;
    }
    return go(zerin, pane, {folder, ""});
}

}  // namespace zerin
