// How the panes present their items: column headers, column autosize, icon size.
#include "core/colours.h"
#include "core/text.h"
#include "core/zerin.h"
#include "commands/list_display_commands.h"
#include "panes/pane_refresh.h"
#include "panes/pane_roles.h"
#include "panes/pane_model.h"
#include "platform/platform.h"
#include "script/dispatcher.h"
#include "script/variables.h"
#include "script/variable_commands.h"

namespace zerin {

void registerListDisplayCommands(Zerin& zerin) {
    Dispatcher& d = zerin.dispatcher;

    // do_column_headers [0|1|2|/S] -> the mode after the command ("0", "1" or "2")
    d.registerHandler(Cmd::DoColumnHeaders, [&zerin](CommandCall& c) {
        std::int16_t& mode = zerin.settings.columnHeaders;
        const std::string arg = text::upper(c.arg);
        if (arg.empty()) return std::to_string(mode);
        if (arg == "0" || arg == "1" || arg == "2")
            mode = static_cast<std::int16_t>(arg[0] - '0');
        else if (arg == "/S")
            mode = static_cast<std::int16_t>(mode >= 2 ? 0 : mode + 1);
        applyColumnHeaders(zerin);
        // A button made from this command shows the new state.
        if (zerin.modeCommandsChanged) zerin.modeCommandsChanged();
        return std::to_string(mode);
    });

    // do_column_autosize [0|1|/S] -> "1" when on, "0" when off
    d.registerHandler(Cmd::DoColumnAutosize, [&zerin](CommandCall& c) {
        bool& on = zerin.settings.columnAutosize;
        const std::string arg = text::upper(c.arg);
        if (arg == "0" || arg == "1" || arg == "/S") {
            on = arg == "/S" ? !on : arg == "1";
            const Colour modeColourNow = zerin.panes.colours.file(zerin.settings.mode);
            zerin.highlightColour = on ? brighten(modeColourNow, 160) : modeColourNow;
            // The rebuilt bar gives the do_column_autosize button the highlight colour.
            if (zerin.modeCommandsChanged) zerin.modeCommandsChanged();
        }
        return std::string(on ? "1" : "0");
    });

    // list.icons.update -> "" (large icons in the report view when list.icons.large is "1")
    d.registerHandler(Cmd::ListIconsUpdate, [&zerin](CommandCall&) {
        const bool large = publicSetting(zerin, "list.icons.large") == "1";
        for (int p = 0; p <= 1; ++p) {
            zerin.panes.controls(p).largeIcons = large;
            zerin.panes.notifyControls(p);
        }
        zerin.platform.pump.processEvents();
        return std::string();
    });
}

}  // namespace zerin
