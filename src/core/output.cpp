#include "core/output.h"

#include <string>

#include "core/text.h"

namespace zerin {

void Output::print(std::string_view text, bool noLineEnd, bool toDebug) {
    std::string line(text);
    if (!noLineEnd) line += text::kCrLf;
    bool reached = false;
    if (toDebug || (m_textLog && !m_outputText)) {
        m_debug.append(line);
        reached = true;
    }
    if (m_outputText) {
        m_outputText->append(line);
        reached = true;
    }
    // A command-line run has no window: its standard output stands in for the output
    // window, so a print reaches it even when it reached neither text box.
    if (reached || m_mirror) mirror(line);
}

void Output::debugMessage(std::string_view text) {
    if (m_helpPopup) {
        m_helpPopup(text);
        return;
    }
    // Counted in characters, so that a multi-byte character is never cut in half.
    if (m_debug.length() > kDebugTrimAbove && text::charCount(m_debug.text()) > kDebugTrimAbove) {
        const std::string& t = m_debug.text();
        std::size_t from = text::byteOffsetOfChar(t, 1);
        std::size_t to = from + text::byteOffsetOfChar(std::string_view(t).substr(from), kDebugTrimCount);
        m_debug.erase(from, to - from);
    }
    std::string line(text);
    line += text::kCrLf;
    m_debug.append(line);
    mirror(line);
}

void Output::mirror(std::string_view text) {
    if (!m_mirror) return;
    *m_mirror << text::replaceAll(text, "\r\n", "\n");
    m_mirror->flush();
}

}  // namespace zerin
