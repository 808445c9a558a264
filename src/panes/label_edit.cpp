#include "panes/label_edit.h"

#include "core/zerin.h"
#include "panes/pane_location.h"
#include "panes/pane_model.h"
#include "panes/pane_refresh.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace zerin {

namespace {

const ListItem* itemAt(Zerin& zerin, int pane, int row) {
    if (!PaneModel::validPane(pane) || row < 0) return nullptr;
    const auto& items = zerin.panes.list(pane).items();
    return static_cast<std::size_t>(row) < items.size() ? &items[static_cast<std::size_t>(row)] : nullptr;
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

void tell(Zerin& zerin, const std::string& text) { zerin.platform.dialogs.messageBox(text, "", MsgButtons::Ok); }

}  // namespace

std::string labelEditText(Zerin& zerin, int pane, int row) {
    const ListItem* item = itemAt(zerin, pane, row);
    if (!item || zerin.panes.listing(pane).archive) return {};
    const PaneKind kind = PaneLocation::parse(zerin.panes.path(pane)).kind;
    if (kind == PaneKind::Drives) return item->text;
    // Only a folder view is read again after the rename; the merged views would go on
    // showing the old name.
    if (kind != PaneKind::Folder) return {};
    const std::string path = withoutTrailingSlash(item->tag);
    if (!path.starts_with('/') || path == "/") return {};
    return path.substr(path.rfind('/') + 1);
}

bool renameByLabel(Zerin& zerin, int pane, int row, std::string_view newText) {
    const ListItem* item = itemAt(zerin, pane, row);
    if (!item) return false;
    const std::string name(newText);
    const PaneKind kind = PaneLocation::parse(zerin.panes.path(pane)).kind;
    if (kind == PaneKind::Drives) {
        // Volume labels are the file system's own (e2label, fatlabel need the device and
        // its owner's rights): the name cannot be changed from here.
        tell(zerin, "Error Renaming Volume as \"" + name + "\"");
        return false;
    }
    const std::string from = withoutTrailingSlash(item->tag);
    const std::string oldName = labelEditText(zerin, pane, row);
    if (oldName.empty() || name.empty() || name == oldName) return false;
    const std::string folder = from.substr(0, from.rfind('/') + 1);
    const std::string to = folder + name;
    FsStatus status = name.find('/') != std::string::npos || name == "." || name == ".."
                          ? FsStatus::fromErrno(EINVAL)
                          : zerin.fileSystem->rename(from, to, false);
    if (!status) {
        tell(zerin, "Error Renaming \"" + oldName + "\" as \"" + name + "\"\r\n" + status.message());
        return false;
    }
    refreshPanesShowing(zerin, {folder});
    return true;
}

}  // namespace zerin
