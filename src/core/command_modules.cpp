// Every module registers its own commands; this is only the list of modules.
#include "core/zerin.h"
#include "commands/output_window_commands.h"
#include "commands/print_commands.h"

namespace zerin {

void registerAllCommands(Zerin& zerin) {
    registerPrintCommands(zerin);
    registerOutputWindowCommands(zerin);
}

}  // namespace zerin
