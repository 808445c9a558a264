// Message boxes and the input box. Tests answer them with a scripted fake; a command-line
// run without a display answers Cancel and says so on standard error.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zerin {

enum class MsgButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

// What to do when a copy would overwrite something.
enum class ConflictChoice { Overwrite, Skip, Rename, Cancel };
struct ConflictAnswer {
    ConflictChoice choice = ConflictChoice::Cancel;
    bool applyToAll = false;  // the same answer for every later conflict of this copy
};

// A window that shows a long file operation; closing it or its Cancel button cancels.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void update(std::string_view currentFile, std::uint64_t bytesDone, std::uint64_t bytesTotal) = 0;
    virtual bool cancelled() = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                                 MsgIcon icon = MsgIcon::None) = 0;
    // The modal input box frmInput; nullopt when closed without Enter.
    virtual std::optional<std::string> inputBox(std::string_view prompt, int fontSize) = 0;

    // Asked before a copy replaces `target` with `source`. Without a window of its own
    // the question is a Yes/No/Cancel box: Yes overwrites, No skips.
    virtual ConflictAnswer askCopyConflict(std::string_view source, std::string_view target) {
        const std::string text = "Replace\r\n" + std::string(target) + "\r\nwith\r\n" + std::string(source) + "?";
        switch (messageBox(text, "Copying file", MsgButtons::YesNoCancel, MsgIcon::Question)) {
        case MsgResult::Yes: return {ConflictChoice::Overwrite, false};
        case MsgResult::No: return {ConflictChoice::Skip, false};
        default: return {ConflictChoice::Cancel, false};
        }
    }
    // A progress window for a copy, or nullptr where none can be shown.
    virtual std::unique_ptr<ProgressWindow> openProgress(std::string_view /*title*/) { return nullptr; }
};

}  // namespace zerin
