// Commands that rebuild or extend a pane, the path functions and the size format.
#include <cmath>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/file_commands.h"
#include "panes/pane_commands.h"
#include "panes/pane_paths.h"
#include "panes/pane_refresh.h"
#include "panes/pane_roles.h"
#include "script/value.h"
#include "panes/pane_model.h"
#include "script/dispatcher.h"

namespace zerin {

namespace {

constexpr HelpText kListUpdateHelp{
    "Updates and refreshes list",
    "# Updates and refreshes list\r\n#\r\n# DO_LIST_UPDATE [0|1]\r\n# 0     - Left List\r\n# 1     - Right List\r\n"
    "# Uses current Source List by Default",
    true};

constexpr HelpText kSizeFormatHelp{
    "Set/Return Size Format Mode",
    "# Set/Return Size Format Mode\r\n#\r\n# DO_SIZEFORMAT [mode|/S]\r\n# 1  - Round to Nearest\r\n# 2  - Bytes\r\n"
    "# 3  - KiloBytes\r\n# 4  - Megabytes\r\n# Returns Current Mode",
    false};

}  // namespace

void registerListCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;

    // do_trimname path -> the last component of path, without quotes
    d.registerHandler(Cmd::DoTrimname, [](CommandCall& c) {
        std::string path(c.arg);
        return trimName(path);
    });
    // do_trimpath path -> path without its last component, or "false"
    d.registerHandler(Cmd::DoTrimpath, [](CommandCall& c) {
        std::string path(c.arg);
        return trimPath(path);
    });
    // file.suffix path -> ":/", "/", the extension or ""
    d.registerHandler(Cmd::FileSuffix, [](CommandCall& c) { return fileSuffix(c.arg); });

    // do_list_update [pane] -> "" (rebuilds the pane, the source pane by default)
    d.registerHandler(Cmd::DoListUpdate, [&zerin](CommandCall& c) {
        std::string help;
        if (answerHelp(c.arg, kListUpdateHelp, help)) return help;
        int pane = zerin.panes.sourcePane();
        if (!text::trim(c.arg).empty()) {
            const double n = val(c.arg);
            if (n < 0 || n >= PaneModel::kPaneSlots) return std::string();  // outside the tables
            pane = static_cast<int>(n);
        }
        listUpdate(zerin, pane);
        return std::string();
    });

    // do_list_folders_first [pane] -> "" (pane 1 only when the argument is "1")
    d.registerHandler(Cmd::DoListFoldersFirst, [&zerin](CommandCall& c) {
        listFoldersFirst(zerin, text::trim(c.arg) == "1" ? 1 : 0);
        return std::string();
    });

    // do_sizeformat [mode|/S] -> the mode after the change, with a leading blank
    d.registerHandler(Cmd::DoSizeformat, [&zerin](CommandCall& c) {
        std::string help;
        if (answerHelp(c.arg, kSizeFormatHelp, help)) return help;
        SizeFormat& format = zerin.panes.sizeFormat;
        const std::string arg = text::upper(text::trim(c.arg));
        if (arg == "/S") {
            format.next();
        } else if (!arg.empty()) {
            const double n = roundHalfEven(val(arg));
            if (n >= 1 && n <= 4) format.setMode(static_cast<int>(n));
        }
        return strFormat(static_cast<std::int64_t>(format.mode()));
    });
}

void registerPaneCommands(Zerin& zerin) {
    registerListCommands(zerin);
    registerDirectoryCommands(zerin);
    registerFileCommands(zerin);
    registerFileCueCommands(zerin);
    registerPaneIdentifiers(zerin);
}

}  // namespace zerin
