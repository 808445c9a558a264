// Every module registers its own commands; this is only the list of modules.
#include "core/zerin.h"
#include "commands/print_commands.h"
#include "panes/pane_commands.h"

namespace zerin {

void registerAllCommands(Zerin& zerin) {
    registerPrintCommands(zerin);
    registerPaneCommands(zerin);
}

}  // namespace zerin
