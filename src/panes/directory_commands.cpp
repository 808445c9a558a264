// Commands that read folders from the disk: do_dir, do_dirsize, do_scanfolder,
// do_scanselected and dir$.
#include "core/text.h"
#include "core/zerin.h"
#include "panes/directory_reader.h"
#include "panes/folder_size_database.h"
#include "panes/pane_commands.h"
#include "panes/pane_messages.h"
#include "panes/pane_refresh.h"

namespace zerin {

namespace {

std::string unquoted(std::string_view arg) {
    arg = text::trim(arg);
    if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') arg = arg.substr(1, arg.size() - 2);
    return std::string(arg);
}

bool sourceShowsDrives(const Zerin& zerin) {
    return text::istartsWith(zerin.panes.path(zerin.panes.sourcePane()), paneMessage::kDrives);
}

void readSource(Zerin& zerin) {
    const int pane = zerin.panes.sourcePane();
    if (readFolder(zerin, pane, zerin.panes.path(pane), false)) refreshList(zerin, pane);
}

}  // namespace

void registerDirectoryCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;

    // do_dir -> "" (re-reads the source pane's folder from the disk)
    d.registerHandler(65, [&zerin](CommandCall&) {
        if (!sourceShowsDrives(zerin)) readSource(zerin);
        return std::string();
    });

    // do_dirsize -> "" (re-reads the source pane's folder with folder sizes)
    d.registerHandler(22, [&zerin](CommandCall&) {
        if (sourceShowsDrives(zerin)) return std::string();
        // Kept: the setting ends off even when it was on before, as stored scripts expect.
        zerin.settings.folderSizes = true;
        readSource(zerin);
        zerin.settings.folderSizes = false;
        return std::string();
    });

    // do_scanfolder path -> "" (fresh listings for the whole tree, folder sizes dropped)
    d.registerHandler(59, [&zerin](CommandCall& c) {
        const std::string path = withTrailingSlash(unquoted(c.arg));
        if (!path.empty()) scanFolder(zerin, path, false, false);
        return std::string();
    });

    // do_scanselected -> "" (re-scans the selected folders keeping their sizes, then saves
    // the folder-size database)
    d.registerHandler(60, [&zerin](CommandCall&) {
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
    d.registerHandler(87, [&zerin](CommandCall& c) {
        const std::vector<std::string> names = folderEntryNames(zerin, unquoted(c.arg));
        if (names.empty()) {
            zerin.output.print(paneMessage::kEmpty);
            return std::string();
        }
        std::string out;
        for (const std::string& name : names) {
            out += '"';
            out += name;
            out += "\" ";
        }
        return out;
    });
}

}  // namespace zerin
