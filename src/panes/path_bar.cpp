#include "panes/path_bar.h"

#include <charconv>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/navigation.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "panes/pane_refresh.h"
#include "panes/path_groups.h"

namespace zerin {

namespace {

// The number at the start of `text`; -1 when there is none.
int leadingNumber(std::string_view text) {
    int n = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    return error == std::errc() && end != text.data() ? n : -1;
}

// The value of the first "#path=" header line of a dragged script, "" without one.
std::string scriptPath(std::string_view script) {
    const std::string lower = text::lower(script);
    const std::size_t at = lower.find(pathBarText::kScriptPath);
    if (at == std::string::npos) return {};
    const std::size_t from = at + pathBarText::kScriptPath.size();
    const std::size_t end = script.find_first_of("\r\n", from);
    return std::string(text::trim(script.substr(from, end == std::string_view::npos ? end : end - from)));
}

}  // namespace

std::string groupButtonTag(int group) { return std::string(pathBarText::kGroupTag) + std::to_string(group); }

std::string pathButtonTag(int group, int path, std::string_view target) {
    return std::to_string(group) + ":" + std::to_string(path) + "\\" + std::string(target);
}

std::string tagTarget(std::string_view tag) {
    const std::size_t slash = tag.find('\\');
    return slash == std::string_view::npos ? std::string() : std::string(tag.substr(slash + 1));
}

std::string pathCaption(std::string_view folder) {
    std::string_view name = folder;
    while (name.size() > 1 && name.ends_with('/')) name.remove_suffix(1);
    const std::size_t slash = name.rfind('/');
    if (slash != std::string_view::npos && name.size() > 1) name = name.substr(slash + 1);
    return std::string(name);
}

std::vector<PathBarButton> pathBarButtons(const PathGroups& groups) {
    std::vector<PathBarButton> buttons;
    for (int g = 0; g <= groups.count(); ++g) {
        const PathGroup& group = groups.group(g);
        if (g > 0) {
            PathBarButton b;
            b.isGroup = true;
            b.group = g;
            b.open = group.open;
            b.caption = group.open ? group.name + std::string(pathBarText::kOpenMark) : group.name;
            b.tag = groupButtonTag(g);
            buttons.push_back(std::move(b));
            if (!group.open) continue;
        }
        for (std::size_t i = 0; i < group.paths.size(); ++i) {
            PathBarButton b;
            b.group = g;
            b.path = static_cast<int>(i);
            b.caption = group.paths[i].caption;
            b.target = group.paths[i].target;
            b.tag = pathButtonTag(g, b.path, b.target);
            buttons.push_back(std::move(b));
        }
    }
    return buttons;
}

void showInPane(Zerin& zerin, int pane, std::string_view target) {
    if (!PaneModel::validPane(pane)) return;
    if (PaneLocation::parse(target).onDisk()) {
        openTypedFolder(zerin, pane, target);
        return;
    }
    PaneModel& panes = zerin.panes;
    panes.setPath(pane, std::string(target));
    panes.listing(pane).archive = false;
    listUpdate(zerin, pane);
    // Only a folder has a parent: the drives view, a group's listing and the text list
    // have none, whatever folders they list.
    panes.controls(pane).parentEnabled = false;
    panes.controls(pane).pathText = panes.path(pane);
    panes.notifyControls(pane);
}

bool clickPathButton(Zerin& zerin, std::string_view tag) {
    PathGroups& groups = zerin.pathGroups;
    if (tag.starts_with(pathBarText::kGroupTag)) {
        const int g = leadingNumber(tag.substr(pathBarText::kGroupTag.size()));
        if (g < 1 || g > groups.count()) return false;
        groups.group(g).open = !groups.group(g).open;
        return true;
    }
    const std::string target = tagTarget(tag);
    if (!target.empty()) showInPane(zerin, zerin.panes.sourcePane(), target);
    return false;
}

bool dropOnPane(Zerin& zerin, int pane, std::string_view dragText) {
    const std::string dragged(dragText);
    zerin.dragText.clear();
    const std::string groupPrefix = std::string(pathBarText::kDragPrefix) + std::string(pathBarText::kGroupTag);
    std::string target;
    if (dragged.starts_with(groupPrefix)) {
        const int g = leadingNumber(std::string_view(dragged).substr(groupPrefix.size()));
        if (g < 1 || g > zerin.pathGroups.count()) return false;
        target = zerin.pathGroups.group(g).name + ":";
    } else if (dragged.starts_with(pathBarText::kDragPrefix)) {
        target = tagTarget(dragged);
    } else if (dragged == paneMessage::kTextList || dragged == paneMessage::kDrives) {
        target = dragged;
    } else if (text::lower(dragged).find(pathBarText::kScriptPath) != std::string::npos) {
        target = scriptPath(dragged);
    } else {
        // Any other text names a folder; only a path on disk is gone to, so that a dragged
        // word never becomes a search or a group.
        target = std::string(text::trim(dragged));
        if (!PaneLocation::parse(target).onDisk()) return false;
    }
    if (target.empty()) return false;
    showInPane(zerin, pane, target);
    return true;
}

int currentPathGroup(const PathGroups& groups) {
    for (int g = groups.count(); g >= 1; --g)
        if (groups.group(g).open) return g;
    return 0;
}

bool dropOnPathBar(PathGroups& groups, int group, std::string_view dragText) {
    if (group < 0 || group > groups.count()) return false;
    const std::string folder(text::trim(dragText));
    const PaneLocation at = PaneLocation::parse(folder);
    if (!at.is(PaneKind::Folder) || !folder.ends_with('/')) return false;
    if (!groups.addPath(group, {pathCaption(folder), folder})) return false;
    if (group > 0) groups.group(group).open = true;
    return true;
}

}  // namespace zerin
