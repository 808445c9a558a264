#include "platform/linux/headless_dialogs.h"

namespace zerin::linux_platform {

namespace {

void report(std::ostream& err, std::string_view text) {
    std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    err << dialog_messages::kHeadlessAnswer << firstLine << '\n';
    err.flush();
}

}  // namespace

MsgResult HeadlessDialogs::messageBox(std::string_view text, std::string_view, MsgButtons buttons, MsgIcon) {
    report(m_err, text);
    // A box without a Cancel button answers the way closing it would.
    return buttons == MsgButtons::YesNo ? MsgResult::No : buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

std::optional<std::string> HeadlessDialogs::inputBox(std::string_view prompt, int) {
    report(m_err, prompt);
    return std::nullopt;
}

}  // namespace zerin::linux_platform
