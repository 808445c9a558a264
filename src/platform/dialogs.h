// Message boxes and the input box. Tests answer them with a scripted fake; a command-line
// run without a display answers Cancel and says so on standard error.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zerin {

enum class MsgButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                                 MsgIcon icon = MsgIcon::None) = 0;
    // The modal input box frmInput; nullopt when closed without Enter.
    virtual std::optional<std::string> inputBox(std::string_view prompt, int fontSize) = 0;
};

}  // namespace zerin
