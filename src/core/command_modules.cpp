// Every module registers its own commands; this is only the list of modules.
#include "core/zerin.h"
#include "commands/print_commands.h"
#include "modes/window_commands.h"

namespace zerin {

void registerAllCommands(Zerin& zerin) {
    registerPrintCommands(zerin);
    registerWindowCommands(zerin);
}

}  // namespace zerin
