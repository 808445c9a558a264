#include "panes/pane_location.h"

#include <array>

#include "core/text.h"
#include "panes/pane_messages.h"

namespace zerin {

namespace {

// The endings the archive listing reads; longer endings first so that ".tar.gz" is one.
constexpr std::array<std::string_view, 12> kArchiveSuffixes = {
    ".tar.gz", ".tar.bz2", ".tar.xz", ".tar.zst", ".tgz", ".tbz2", ".txz", ".zip", ".rar", ".7z", ".tar", ".iso"};

}  // namespace

bool isArchiveName(std::string_view path) {
    if (path.empty() || path.ends_with('/')) return false;
    const std::size_t slash = path.rfind('/');
    const std::string name = text::lower(slash == std::string_view::npos ? path : path.substr(slash + 1));
    for (std::string_view suffix : kArchiveSuffixes)
        if (name.size() > suffix.size() && name.ends_with(suffix)) return true;
    return false;
}

std::string parentFolder(std::string_view folder) {
    if (!folder.starts_with('/') || folder == "/") return {};
    if (folder.ends_with('/')) folder.remove_suffix(1);
    const std::size_t slash = folder.rfind('/');
    return std::string(folder.substr(0, slash + 1));
}

PaneLocation PaneLocation::parse(std::string_view paneText) {
    PaneLocation at;
    if (paneText.starts_with('/')) {
        if (isArchiveName(paneText)) {
            at.kind = PaneKind::Archive;
            at.archive = std::string(paneText);
            at.folder = std::string(paneText.substr(0, paneText.rfind('/') + 1));
        } else {
            at.kind = PaneKind::Folder;
            at.folder = std::string(paneText);
            if (!at.folder.ends_with('/')) at.folder += '/';
        }
        return at;
    }
    if (text::istartsWith(paneText, paneMessage::kDrives)) {
        at.kind = PaneKind::Drives;
    } else if (text::istartsWith(paneText, paneMessage::kTextList)) {
        at.kind = PaneKind::TextList;
    } else if (text::istartsWith(paneText, paneMessage::kScripts)) {
        at.kind = PaneKind::Scripts;
    } else if (const std::size_t colon = paneText.find(':'); colon != std::string_view::npos) {
        at.kind = PaneKind::PathGroup;
        at.group = std::string(paneText.substr(0, colon));
    } else {
        at.kind = PaneKind::SearchResults;
        at.search = std::string(paneText);
    }
    return at;
}

}  // namespace zerin
