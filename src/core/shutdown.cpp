#include "core/shutdown.h"

#include "core/settings_file.h"
#include "core/zerin.h"

namespace zerin {

namespace {
constexpr int kPublicSave = 100;
}

bool closeRequested(Zerin& zerin, std::string_view windowTitle, const ShutdownSteps& steps) {
    MsgResult answer = zerin.platform.dialogs.messageBox(shutdown_messages::kExitQuestion, windowTitle,
                                                         MsgButtons::YesNoCancel, MsgIcon::Question);
    if (answer == MsgResult::Cancel) return false;
    if (answer == MsgResult::Yes) {
        // public.save first: it stores the public variables into the on\load script,
        // which the settings file then carries.
        if (zerin.dispatcher.hasHandler(kPublicSave)) {
            Variables scratch;
            zerin.dispatcher.chkCommand("", scratch, kPublicSave);
        }
        do_default_save(zerin);
        if (steps.saveFolderSizeDatabase) steps.saveFolderSizeDatabase();
    }
    if (steps.unloadMenus) steps.unloadMenus();
    return true;
}

}  // namespace zerin
