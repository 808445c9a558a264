// The answers of message boxes and the input box when nobody can see them (no X server,
// or Qt's offscreen platform): every box answers Cancel at once and says so in one line on
// standard error, so a script run from cron neither hangs nor fails silently.
#pragma once

#include <ostream>

#include "platform/dialogs.h"

namespace zerin::linux_platform {

namespace dialog_messages {
inline constexpr std::string_view kHeadlessAnswer = "zerin: no display, answered Cancel: ";
}

class HeadlessDialogs : public Dialogs {
public:
    explicit HeadlessDialogs(std::ostream& errorStream) : m_err(errorStream) {}
    MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon icon) override;
    std::optional<std::string> inputBox(std::string_view prompt, int fontSize) override;

private:
    std::ostream& m_err;
};

}  // namespace zerin::linux_platform
