// Every module registers its own commands; this is only the list of modules.
#include "app/program.h"
#include "commands/output_window_commands.h"
#include "commands/general_commands.h"
#include "commands/list_display_commands.h"
#include "commands/print_commands.h"
#include "commands/text_editor_commands.h"
#include "modes/main_window_commands.h"
#include "modes/script_editor.h"
#include "panes/pane_commands.h"
#include "script/dispatcher_commands.h"
#include "script/functions.h"
#include "script/variable_commands.h"
#include "app/settings_file.h"

namespace zerin {

void registerAllCommands(Zerin& zerin) {
    registerPrintCommands(zerin);
    registerMainWindowCommands(zerin);
    registerVariableCommands(zerin);
    registerBuiltInFunctions(zerin);
    registerDispatcherCommands(zerin);
    registerSettingsCommands(zerin);
    registerPaneCommands(zerin);
    registerListDisplayCommands(zerin);
    registerGeneralCommands(zerin);
    registerOutputWindowCommands(zerin);
    registerScriptEditorCommands(zerin);
    registerTextEditorCommands(zerin);
}

}  // namespace zerin
