// The built-in identifiers that read the panes: which list is the source, what is
// selected in it, and the two folders.
#include <string>
#include <string_view>

#include "core/command_words.h"
#include "core/zerin.h"
#include "panes/pane_commands.h"
#include "panes/pane_model.h"
#include "panes/pane_paths.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

std::string withoutTrailingSlash(std::string_view path) {
    if (path.ends_with('/')) path.remove_suffix(1);
    return std::string(path);
}

const ListItem* firstSelected(const ListModel& list) {
    for (const ListItem& item : list.items())
        if (item.selected) return &item;
    return nullptr;
}

std::string sourceSelected(const PaneModel& panes) {
    const ListItem* item = firstSelected(panes.list(panes.sourcePane()));
    return item ? item->tag : std::string();
}

std::string sourceAllSelected(const PaneModel& panes) {
    std::string all;
    for (const ListItem& item : panes.list(panes.sourcePane()).items()) {
        if (!item.selected) continue;
        // Quoted as the command-line splitter reads it back: a double quote inside the
        // name is doubled, so a name like a"; b".txt stays one argument of do_run.
        all += quoteCommandWord(withoutTrailingSlash(item.tag)) + " ";
    }
    return all;
}

}  // namespace

void registerPaneIdentifiers(Zerin& zerin) {
    PaneModel& panes = zerin.panes;
    Dispatcher& d = zerin.dispatcher;
    d.registerIdentifier("source_list", [&panes](Variables&) { return std::to_string(panes.sourcePane()); });
    d.registerIdentifier("target_list", [&panes](Variables&) { return std::string(panes.sourcePane() == 1 ? "0" : "1"); });
    d.registerIdentifier("source_selected", [&panes](Variables&) { return sourceSelected(panes); });
    d.registerIdentifier("source_selectedname", [&panes](Variables&) {
        std::string path = sourceSelected(panes);
        return trimName(path);
    });
    d.registerIdentifier("source_allselected", [&panes](Variables&) { return sourceAllSelected(panes); });
    d.registerIdentifier("source_path", [&panes](Variables&) { return withoutTrailingSlash(panes.path(panes.sourcePane())); });
    d.registerIdentifier("target_path", [&panes](Variables&) { return withoutTrailingSlash(panes.path(panes.targetPane())); });
}

}  // namespace zerin
