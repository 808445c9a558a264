// Colours a script in a text view by the spans the script module finds, the same
// colours in the code editor and in the text editor.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>

namespace zerin::ui {

class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit ScriptHighlighter(QTextDocument* document);

    // The text editor colours only what looks like a script.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }
    // The colour of a kind of span (for tests and for the legend).
    QColor colour(int kind) const { return m_formats[static_cast<std::size_t>(kind)].foreground().color(); }

protected:
    void highlightBlock(const QString& text) override;

private:
    std::array<QTextCharFormat, 7> m_formats;
    bool m_enabled = true;
};

}  // namespace zerin::ui
