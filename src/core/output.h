// The two output operations the whole program uses: print (a script's output for the
// user) and debug message (one line on the debug pane).
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

#include "core/text_box.h"

namespace zerin {

class Output {
public:
    static constexpr std::size_t kDebugTrimAbove = 12000;
    static constexpr std::size_t kDebugTrimCount = 2000;

    Output(TextBox& debugPane, const bool& textLog) : m_debug(debugPane), m_textLog(textLog) {}

    // print(text, no line end, to debug)
    void print(std::string_view text, bool noLineEnd = false, bool toDebug = false);
    void debugMessage(std::string_view text);

    // The output window's text box while the window is open, else nullptr.
    void setOutputWindowText(TextBox* txtOutput) { m_outputText = txtOutput; }
    bool outputWindowOpen() const { return m_outputText != nullptr; }
    TextBox* outputWindowText() const { return m_outputText; }

    // While the pop-up help window is shown, debug messages go to it instead.
    void setHelpPopup(std::function<void(std::string_view)> popup) { m_helpPopup = std::move(popup); }

    // A command-line run mirrors every print and whatever reaches the debug pane here,
    // with LF line ends.
    void setMirror(std::ostream* mirror) { m_mirror = mirror; }

    TextBox& debugPane() { return m_debug; }

private:
    void mirror(std::string_view text);

    TextBox& m_debug;
    const bool& m_textLog;
    TextBox* m_outputText = nullptr;
    std::function<void(std::string_view)> m_helpPopup;
    std::ostream* m_mirror = nullptr;
};

}  // namespace zerin
