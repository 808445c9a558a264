#include "modes/main_window_commands.h"

#include "core/zerin.h"
#include "commands/output_window.h"
#include "modes/bar_builder.h"
#include "modes/mode_bars.h"
#include "script/dispatcher.h"

namespace zerin {

void registerMainWindowCommands(Zerin& zerin) {
    // button.color colours the button whose script was started last.
    zerin.outputWindow.onRunningButtonColour = [&zerin](Colour colour) { zerin.bars.colourRunningButton(colour); };
    // A command whose button shows a state (column headers, autosize) rebuilds the bars.
    zerin.modeCommandsChanged = [&zerin] { BarBuilder(zerin).ModeCommandsLoad(); };

    // do.refresh -> "" : re-runs the main window's layout, bars and display mode included
    zerin.dispatcher.registerHandler(Cmd::DoRefresh, [&zerin](CommandCall&) {
        zerin.ui->refreshLayout();
        return std::string();
    });
}

}  // namespace zerin
