#include "modes/window_commands.h"

#include "core/zerin.h"

namespace zerin {

void registerMainWindowCommands(Zerin& zerin) {
    // do.refresh -> "" : re-runs the main window's layout, bars and display mode included
    zerin.dispatcher.registerHandler(79, [&zerin](CommandCall&) {
        zerin.ui->refreshLayout();
        return std::string();
    });
}

}  // namespace zerin
