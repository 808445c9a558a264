#include "ui/output_text_view.h"

#include <QKeyEvent>
#include <QTextCursor>

#include "commands/output_window.h"
#include "commands/output_window_input.h"
#include "script/run_state.h"

namespace zerin::ui {

OutputTextView::OutputTextView(OutputWindow& window, RunState& run, QWidget* parent)
    : TextBoxView(window.txtOutput, parent), m_window(window), m_run(run) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

std::size_t OutputTextView::caret() const {
    return modelOffset(const_cast<OutputTextView*>(this)->model().text(), textCursor().position());
}

void OutputTextView::moveCaretTo(std::size_t offset) {
    QTextCursor c = textCursor();
    c.setPosition(viewPosition(model().text(), offset));
    setTextCursor(c);
}

void OutputTextView::caretToLineIfBefore() {
    std::size_t at = caretForTyping(caret(), m_run.inputLineStart, model().length());
    if (at != caret()) moveCaretTo(at);
}

void OutputTextView::keyPressEvent(QKeyEvent* event) {
    if (!m_run.waitingForTextInput) {
        TextBoxView::keyPressEvent(event);
        return;
    }
    InputKey key = InputKey::Other;
    switch (event->key()) {
        case Qt::Key_Left: key = InputKey::Left; break;
        case Qt::Key_Up: key = InputKey::Up; break;
        case Qt::Key_Down: key = InputKey::Down; break;
        default: break;
    }
    KeyDownRule rule = inputKeyDown(key, caret(), m_run.inputLineStart);
    if (rule.caret) moveCaretTo(*rule.caret);
    if (rule.drop) return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || !event->text().isEmpty()) caretToLineIfBefore();
    if (enter) m_window.takeTypedLine();
    // The key itself still acts: Enter adds its line break after the taken line.
    TextBoxView::keyPressEvent(event);
}

void OutputTextView::mouseReleaseEvent(QMouseEvent* event) {
    TextBoxView::mouseReleaseEvent(event);
    if (m_run.waitingForTextInput) caretToLineIfBefore();
}

}  // namespace zerin::ui
