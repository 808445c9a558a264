#include "ui/script_highlighter.h"

#include "modes/script_highlight.h"

namespace zerin::ui {

namespace {

// The UTF-16 position of each byte offset of a UTF-8 line (one past the end included).
std::vector<int> utf16Positions(const QByteArray& utf8) {
    std::vector<int> at(static_cast<std::size_t>(utf8.size()) + 1, 0);
    int pos = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        int bytes = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        for (int k = 0; k < bytes && i + k < utf8.size(); ++k) at[static_cast<std::size_t>(i + k)] = pos;
        pos += bytes == 4 ? 2 : 1;
        i += bytes;
    }
    at.back() = pos;
    return at;
}

}  // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    // ORDER ScriptToken: keyword, command, comment, directive, label, variable, number.
    const std::array<QColor, 7> colours = {QColor(0xc6, 0x78, 0xdd), QColor(0x61, 0xaf, 0xef), QColor(0x7f, 0x84, 0x8e),
                                           QColor(0xe5, 0xc0, 0x7b), QColor(0xe0, 0x6c, 0x75), QColor(0x98, 0xc3, 0x79),
                                           QColor(0xd1, 0x9a, 0x66)};
    for (std::size_t i = 0; i < colours.size(); ++i) m_formats[i].setForeground(colours[i]);
    m_formats[static_cast<std::size_t>(ScriptToken::Keyword)].setFontWeight(QFont::Bold);
    m_formats[static_cast<std::size_t>(ScriptToken::Comment)].setFontItalic(true);
}

void ScriptHighlighter::setEnabled(bool on) {
    if (on == m_enabled) return;
    m_enabled = on;
    rehighlight();
}

void ScriptHighlighter::highlightBlock(const QString& text) {
    if (!m_enabled) return;
    const QByteArray utf8 = text.toUtf8();
    const std::vector<TokenSpan> spans = highlightLine(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (spans.empty()) return;
    const std::vector<int> at = utf16Positions(utf8);
    for (const TokenSpan& s : spans) {
        int from = at[s.start];
        int to = at[std::min(s.start + s.length, at.size() - 1)];
        setFormat(from, to - from, m_formats[static_cast<std::size_t>(s.kind)]);
    }
}

}  // namespace zerin::ui
