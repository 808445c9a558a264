#include "ui/text_editor_view.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "commands/text_editor.h"
#include "app/program.h"
#include "modes/script_highlight.h"
#include "ui/script_highlighter.h"
#include "ui/ui_style.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

TextEditorView::TextEditorView(Zerin& zerin, QWidget* parent) : TextBoxView(zerin.txtEditor, parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("txtEditor"));
    setPlaceholderText(tr("Text editor: open a text file from a pane; Ctrl+S saves it, F12 runs the code editor"));
    setAcceptDrops(true);
    // A script opened as text is coloured as in the code editor; other text is not.
    m_highlighter = new ScriptHighlighter(document());
    m_highlighter->setEnabled(looksLikeScript(m_zerin.txtEditor.text()));
    connect(document(), &QTextDocument::contentsChanged, this,
            [this] { m_highlighter->setEnabled(looksLikeScript(m_zerin.txtEditor.text())); });
}

void TextEditorView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12) {
        event->accept();
        m_zerin.run.stopRequest = false;
        m_zerin.dispatcher.call("do_text_execute");
        return;
    }
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier) {
        event->accept();
        saveTextEditor(m_zerin);
        return;
    }
    TextBoxView::keyPressEvent(event);
}

void TextEditorView::setDropHint(bool on) {
    // Leaving goes back to the window background, dark in the dark background mode.
    setRegionBackground(this, on ? std::optional<QColor>(QColor(0x30, 0x30, 0x80))
                                 : regionBackground(m_zerin.windowBackground, m_zerin.savedBackground));
}

void TextEditorView::dragEnterEvent(QDragEnterEvent* event) {
    setDropHint(true);
    event->acceptProposedAction();
}

void TextEditorView::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void TextEditorView::dragLeaveEvent(QDragLeaveEvent* event) {
    setDropHint(false);
    TextBoxView::dragLeaveEvent(event);
}

// A dragged command inserts its script, dragged files their paths, each followed by
// CR LF after the selection as the loading commands insert.
void TextEditorView::dropEvent(QDropEvent* event) {
    setDropHint(false);
    std::string inserted;
    if (!m_zerin.bars.draggedScript.empty()) {
        inserted = m_zerin.bars.draggedScript + "\r\n";
        m_zerin.bars.draggedScript.clear();
        m_zerin.bars.mouseDown = 0;
    } else if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile()) inserted += toFileName(url.toLocalFile()) + "\r\n";
    } else if (event->mimeData()->hasText()) {
        inserted = toUtf8(event->mimeData()->text()) + "\r\n";
    }
    if (!inserted.empty()) m_zerin.txtEditor.insertAfterSelection(inserted);
    event->acceptProposedAction();
}

}  // namespace zerin::ui
