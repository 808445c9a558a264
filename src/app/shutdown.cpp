#include "app/shutdown.h"

#include "app/settings_file.h"
#include "app/program.h"
#include "panes/folder_size_database.h"
#include "script/variable_commands.h"

namespace zerin {

bool closeRequested(Zerin& zerin, std::string_view windowTitle, const ShutdownSteps& steps) {
    MsgResult answer = zerin.platform.dialogs.messageBox(shutdown_messages::kExitQuestion, windowTitle,
                                                         MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgResult::Cancel) return false;
    if (answer == MsgResult::Yes) {
        // public.save first: it stores the public variables into the on\load script,
        // which the settings file then carries.
        publicSave(zerin);
        do_default_save(zerin);
        saveFolderSizeDatabase(zerin);
    }
    if (steps.unloadMenus) steps.unloadMenus();
    return true;
}

}  // namespace zerin
