// Commands that read folders from the disk: do_dir, do_dirsize, do_scanfolder,
// do_scanselected and dir$.
#include "core/command_words.h"
#include "core/text.h"
#include "core/zerin.h"
#include "panes/directory_reader.h"
#include "panes/folder_size_database.h"
#include "panes/pane_commands.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"
#include "panes/pane_model.h"
#include "script/dispatcher.h"
#include "script/value.h"

namespace zerin {

namespace {

std::string unquoted(std::string_view arg) {
    arg = text::trim(arg);
    if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') arg = arg.substr(1, arg.size() - 2);
    return std::string(arg);
}

bool sourceShowsDrives(const Zerin& zerin) {
    return PaneLocation::parse(zerin.panes.path(zerin.panes.sourcePane())).is(PaneKind::Drives);
}

void readPane(Zerin& zerin, int pane) {
    // A missing folder has already been replaced by the drives view.
    if (!folderMissing(readFolder(zerin, pane, zerin.panes.path(pane), false))) refreshList(zerin, pane);
}

void readSource(Zerin& zerin) { readPane(zerin, zerin.panes.sourcePane()); }

}  // namespace

void registerDirectoryCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;

    // do_dir [pane] -> "" (re-reads the source pane's folder, or that pane's, from the disk)
    d.registerHandler(Cmd::DoDir, [&zerin](CommandCall& c) {
        const std::string_view arg = text::trim(c.arg);
        if (arg.empty()) {
            if (!sourceShowsDrives(zerin)) readSource(zerin);
            return std::string();
        }
        // A copy or a move changes the target pane's folder too; do_list_update would show
        // its cached listing. Only a folder is read: another view has no folder to read.
        const double n = val(arg);
        if (n != 0 && n != 1) return std::string();
        const int pane = static_cast<int>(n);
        if (PaneLocation::parse(zerin.panes.path(pane)).is(PaneKind::Folder)) readPane(zerin, pane);
        return std::string();
    });

    // do_dirsize -> "" (re-reads the source pane's folder with folder sizes)
    d.registerHandler(Cmd::DoDirsize, [&zerin](CommandCall&) {
        if (sourceShowsDrives(zerin)) return std::string();
        // Kept: the setting ends off even when it was on before, as stored scripts expect.
        zerin.settings.folderSizes = true;
        readSource(zerin);
        zerin.settings.folderSizes = false;
        return std::string();
    });

    // do_scanfolder path -> "" (fresh listings for the whole tree, folder sizes dropped)
    d.registerHandler(Cmd::DoScanfolder, [&zerin](CommandCall& c) {
        const std::string path = withTrailingSlash(unquoted(c.arg));
        if (!path.empty()) scanFolder(zerin, path, false, false);
        return std::string();
    });

    // do_scanselected -> "" (re-scans the selected folders keeping their sizes, then saves
    // the folder-size database)
    d.registerHandler(Cmd::DoScanselected, [&zerin](CommandCall&) {
        std::vector<std::string> folders;
        for (const ListItem& item : zerin.panes.list(zerin.panes.sourcePane()).items())
            if (item.selected && item.tag.ends_with('/')) folders.push_back(item.tag);
        for (const std::string& folder : folders) {
            zerin.output.print(std::string(paneMessage::kScanning) + folder);
            scanFolder(zerin, folder, true, false);
        }
        saveFolderSizeDatabase(zerin);
        return std::string();
    });

    // dir$ path -> every entry name in double quotes, each followed by a blank
    d.registerHandler(Cmd::DirList, [&zerin](CommandCall& c) {
        const std::vector<std::string> names = folderEntryNames(zerin, unquoted(c.arg));
        if (names.empty()) {
            zerin.output.print(paneMessage::kEmpty);
            return std::string();
        }
        std::string out;
        // Quoted as the command-line splitter reads them back: an inner double quote is
        // doubled, so every name stays one argument of a program.
        for (const std::string& name : names) {
            out += quoteCommandWord(name);
            out += ' ';
        }
        return out;
    });
}

}  // namespace zerin
