// The file cue's commands: file.cue.to.editor, file.cue.status, file.cue.count,
// file.cue.source and file.cue.target; and the drop that fills the cue.
#include <string>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/file_cue.h"
#include "panes/pane_commands.h"
#include "panes/pane_model.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

// The entry named by the first word; -1 for none.
int entryOf(const FileCue& cue, std::string_view arg, std::string_view* rest = nullptr) {
    arg = text::trim(arg);
    const std::size_t blank = arg.find_first_of(" \t");
    if (rest) *rest = blank == std::string_view::npos ? std::string_view() : text::trim(arg.substr(blank));
    return cue.find(arg.substr(0, blank));
}

}  // namespace

bool dropOntoPane(Zerin& zerin, int pane, const std::vector<std::string>& paths, const std::string& itemTag,
                  bool shift, bool ctrl, bool alt) {
    if (paths.empty() || !PaneModel::validPane(pane)) return false;
    // Into the folder under the drop point, else into the folder the pane shows.
    std::string target = itemTag;
    if (!target.ends_with('/')) target = zerin.panes.path(pane);
    if (!target.starts_with('/') || !target.ends_with('/')) return false;
    zerin.panes.fileCue.add(paths, FileCue::operationFor(shift, ctrl, alt), target);
    return true;
}

void registerFileCueCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;
    FileCue& cue = zerin.panes.fileCue;

    // file.cue.to.editor -> "" (appends the cue's script to the code editor)
    d.registerHandler(Cmd::FileCueToEditor, [&zerin, &cue](CommandCall&) {
        zerin.txtCode.append(cue.script());
        return std::string();
    });
    // file.cue.status n|KEYn text -> the status set ("" for no such entry)
    d.registerHandler(Cmd::FileCueStatus, [&cue](CommandCall& c) {
        std::string_view status;
        const int entry = entryOf(cue, c.arg, &status);
        if (entry < 0) return std::string();
        cue.setStatus(entry, std::string(status));
        return std::string(status);
    });
    // file.cue.count -> the number of entries
    d.registerHandler(Cmd::FileCueCount, [&cue](CommandCall&) { return std::to_string(cue.entries().size()); });
    // file.cue.source n -> the entry's source
    d.registerHandler(Cmd::FileCueSource, [&cue](CommandCall& c) {
        const int entry = entryOf(cue, c.arg);
        return entry < 0 ? std::string() : cue.entries()[static_cast<std::size_t>(entry)].source;
    });
    // file.cue.target n -> the entry's target
    d.registerHandler(Cmd::FileCueTarget, [&cue](CommandCall& c) {
        const int entry = entryOf(cue, c.arg);
        return entry < 0 ? std::string() : cue.entries()[static_cast<std::size_t>(entry)].target;
    });
}

}  // namespace zerin
