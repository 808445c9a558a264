#include "commands/print_commands.h"

#include "core/zerin.h"
#include "script/dispatcher.h"

namespace zerin {

void registerPrintCommands(Zerin& zerin) {
    Output& out = zerin.output;
    // ? text -> "" : print with a line end
    zerin.dispatcher.registerHandler(Cmd::Print, [&out](CommandCall& c) {
        out.print(c.arg);
        return std::string();
    });
    // ?. text -> "" : print without a line end
    zerin.dispatcher.registerHandler(Cmd::PrintInline, [&out](CommandCall& c) {
        out.print(c.arg, true);
        return std::string();
    });
    // ! text -> "" : print with a line end, always also to the debug pane
    zerin.dispatcher.registerHandler(Cmd::PrintDebug, [&out](CommandCall& c) {
        out.print(c.arg, false, true);
        return std::string();
    });
}

}  // namespace zerin
