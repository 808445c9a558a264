// Every module registers its own commands; this is only the list of modules.
#include "core/zerin.h"
#include "commands/general_commands.h"
#include "commands/print_commands.h"

namespace zerin {

void registerAllCommands(Zerin& zerin) {
    registerPrintCommands(zerin);
    registerGeneralCommands(zerin);
}

}  // namespace zerin
