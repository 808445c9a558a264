// txtCode: the code editor. F12 and Ctrl+Return run its script (the running line shows
// as the selection), F1 opens the help of the command under the caret, a double click
// switches between the editor alone and the editor with the debug pane.
#pragma once

#include "ui/text_box_view.h"

class QCompleter;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PopHelp;
class ScriptHighlighter;

class CodeEditor : public TextBoxView {
    Q_OBJECT
public:
    CodeEditor(Zerin& zerin, QWidget* parent = nullptr);

    // Runs the editor's script as F12 does.
    void runScript();
    // F1: the help window of the command at the caret; false (and nothing shown) when the
    // word there is no command.
    bool showHelpAtCaret();
    PopHelp* helpWindow() const { return m_help; }
    ScriptHighlighter* highlighter() const { return m_highlighter; }
    // The popup of command names that opens after three letters of one.
    QCompleter* completer() const { return m_completer; }

signals:
    void codeEditorOnlyToggled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateCompletion();
    void insertCompletion(const QString& name);
    std::string wordBeforeCaret() const;

    Zerin& m_zerin;
    ScriptHighlighter* m_highlighter;
    QCompleter* m_completer = nullptr;
    PopHelp* m_help = nullptr;
    std::size_t m_savedStart = 0;
    std::size_t m_savedLength = 0;
    bool m_restoreSelection = false;
};

}  // namespace zerin::ui
