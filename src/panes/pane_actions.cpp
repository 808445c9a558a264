#include "panes/pane_actions.h"

#include "core/text.h"
#include "core/zerin.h"
#include "panes/pane_model.h"
#include "platform/platform.h"

namespace zerin {

std::vector<std::string> selectedPaths(const PaneModel& panes, int pane) {
    std::vector<std::string> paths;
    if (!PaneModel::validPane(pane)) return paths;
    for (const ListItem& item : panes.list(pane).items())
        if (item.selected && item.tag.starts_with('/')) paths.push_back(item.tag);
    return paths;
}

std::string pathsText(const std::vector<std::string>& paths) {
    std::string out;
    for (const std::string& path : paths) {
        if (!out.empty()) out += '\n';
        out += path;
    }
    return out;
}

bool openWith(Zerin& zerin, std::string_view program, const std::vector<std::string>& paths) {
    const std::string name(text::trim(program));
    if (name.empty() || paths.empty()) return false;
    std::vector<std::string> argv{name};
    argv.insert(argv.end(), paths.begin(), paths.end());
    if (zerin.platform.processes.start(argv, WindowStyle::Normal)) return true;
    zerin.platform.dialogs.messageBox(std::string(paneActionText::kCannotStart) + name, "", MsgButtons::Ok);
    return false;
}

}  // namespace zerin
