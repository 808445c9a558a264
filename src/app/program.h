// The whole program: the hub with the complete type of every part, and the registration
// of every module's commands. For the wiring, the views and the tests, which see it all.
#pragma once

#include "core/zerin.h"

#include "commands/general_state.h"
#include "commands/output_window.h"
#include "commands/text_editor.h"
#include "media/image_list.h"
#include "modes/mode_bars.h"
#include "modes/mode_groups.h"
#include "panes/pane_model.h"
#include "panes/path_groups.h"
#include "platform/platform.h"
#include "platform/posix/extension_file_icons.h"
#include "platform/posix/posix_file_system.h"
#include "script/dispatcher.h"
#include "script/interpreter.h"
#include "script/run_state.h"
#include "script/script_store.h"
#include "script/variables.h"

namespace zerin {

// Registers the handlers of every module with the dispatcher.
void registerAllCommands(Zerin& zerin);

}  // namespace zerin
