// The commands a fuzz target may reach: the language's own (printing, variables, built-in
// functions, the dispatcher's), none that touches the disk or starts a program.
#pragma once

#include "commands/print_commands.h"
#include "app/program.h"
#include "script/dispatcher_commands.h"
#include "script/functions.h"
#include "script/variable_commands.h"

namespace zerin::test {

inline void registerLanguageCommands(Zerin& z) {
    registerPrintCommands(z);
    registerVariableCommands(z);
    registerBuiltInFunctions(z);
    registerDispatcherCommands(z);
    z.settings.textLog = true;
}

}  // namespace zerin::test
