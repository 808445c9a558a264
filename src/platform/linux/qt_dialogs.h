// Message boxes and the input box frmInput. Without a display (no X server, or Qt's
// offscreen platform) nobody could answer, so every box answers Cancel at once and
// says so in one line on standard error.
#pragma once

#include <ostream>

#include "platform/dialogs.h"
#include "platform/linux/headless_dialogs.h"

namespace zerin::linux_platform {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(std::ostream& errorStream);
    MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override;
    std::optional<std::string> inputBox(std::string_view prompt, int fontSize) override;
    ConflictAnswer askCopyConflict(std::string_view source, std::string_view target) override;
    std::unique_ptr<ProgressWindow> openProgress(std::string_view title) override;

    // True when boxes cannot be shown and are answered with Cancel.
    static bool headless();

private:
    HeadlessDialogs m_headless;
};

}  // namespace zerin::linux_platform
