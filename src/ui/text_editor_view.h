// txtEditor: the text editor of the text display mode. F12 runs the code editor's
// script, Ctrl+S saves the text to its file, and dropped paths and commands are inserted.
#pragma once

#include "ui/text_box_view.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class ScriptHighlighter;

class TextEditorView : public TextBoxView {
    Q_OBJECT
public:
    TextEditorView(Zerin& zerin, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

public:
    ScriptHighlighter* highlighter() const { return m_highlighter; }

private:
    void setDropHint(bool on);
    ScriptHighlighter* m_highlighter;

    Zerin& m_zerin;
};

}  // namespace zerin::ui
