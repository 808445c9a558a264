#include "ui/code_editor.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QMouseEvent>

#include "app/program.h"
#include "modes/script_editor.h"
#include "modes/script_highlight.h"
#include "script/command_list.h"
#include "ui/script_highlighter.h"
#include "ui/pop_help.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

CodeEditor::CodeEditor(Zerin& zerin, QWidget* parent) : TextBoxView(zerin.txtCode, parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("txtCode"));
    // Tab types a tab character here; the focus moves on with the mouse or the keypad keys.
    setTabChangesFocus(false);
    setToolTip(QStringLiteral("F12 or Ctrl+Return runs the script, F1 shows the help of the command under the caret"));
    m_highlighter = new ScriptHighlighter(document());

    // Every command of the table, with the one-line description of those that answer
    // "/??" without acting on it.
    auto* model = new QStandardItemModel(this);
    for (const CommandInfo& c : kCommands) {
        if (c.flags & kReserved) continue;
        std::string description;
        if (c.helpPlace > 0 && !(c.flags & kActsOnAnyArgument) && zerin.dispatcher.hasHandler(c.number))
            description = zerin.dispatcher.call(std::string(c.name) + " /??");
        auto* item = new QStandardItem;
        const QString name = toQString(c.name);
        item->setData(name, Qt::EditRole);
        item->setData(description.empty() ? name : name + QStringLiteral("   ") + QString::fromStdString(description),
                      Qt::DisplayRole);
        model->appendRow(item);
    }
    m_completer = new QCompleter(model, this);
    m_completer->setCompletionRole(Qt::EditRole);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWidget(this);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &CodeEditor::insertCompletion);
}

std::string CodeEditor::wordBeforeCaret() const {
    const TextBox& box = const_cast<CodeEditor*>(this)->model();
    const std::string& t = box.text();
    std::size_t end = box.selStart();
    std::size_t start = end;
    auto wordChar = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    };
    while (start > 0 && wordChar(t[start - 1])) --start;
    return t.substr(start, end - start);
}

void CodeEditor::updateCompletion() {
    const std::string word = wordBeforeCaret();
    if (word.size() < 3 || commandsStartingWith(word).empty() ||
        (commandsStartingWith(word).size() == 1 && commandsStartingWith(word).front() == word)) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->setCompletionPrefix(QString::fromStdString(word));
    m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    QRect r = cursorRect();
    r.setWidth(m_completer->popup()->sizeHintForColumn(0) + m_completer->popup()->verticalScrollBar()->sizeHint().width());
    m_completer->complete(r);
}

void CodeEditor::insertCompletion(const QString& name) {
    const std::string word = wordBeforeCaret();
    // The popup shows the description beside the name; a name has no blank.
    const std::string full = toUtf8(name.section(QLatin1Char(' '), 0, 0));
    if (full.size() < word.size()) return;
    model().replaceSelection(full.substr(word.size()));
    m_completer->popup()->hide();
}

void CodeEditor::runScript() {
    m_zerin.run.stopRequest = false;
    m_zerin.interpreter.RunEditor("", &m_zerin.txtCode, "");
}

bool CodeEditor::showHelpAtCaret() {
    const TextBox& box = model();
    std::string word = wordAtCaret(box.text(), box.selStart());
    if (!isCommandWord(word)) return false;
    if (!m_help) m_help = new PopHelp(m_zerin, this);
    QRect caret = cursorRect();
    m_help->showHelp(commandHelpText(m_zerin, word), viewport()->mapToGlobal(caret.bottomLeft()));
    return true;
}

void CodeEditor::keyPressEvent(QKeyEvent* event) {
    // While the popup is open, Enter, Return and Escape belong to it (it takes the
    // highlighted name or closes); Tab takes the highlighted name too.
    if (m_completer->popup()->isVisible()) {
        switch (event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Backtab:
            if (event->modifiers() & Qt::ControlModifier) break;
            event->ignore();
            return;
        case Qt::Key_Tab:
            if (QModelIndex i = m_completer->popup()->currentIndex(); i.isValid())
                insertCompletion(i.data().toString());
            event->accept();
            return;
        default: break;
        }
    }
    const bool ctrlReturn = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                            (event->modifiers() & Qt::ControlModifier);
    if (event->key() == Qt::Key_F12 || ctrlReturn) {
        event->accept();
        runScript();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        event->accept();
        showHelpAtCaret();
        return;
    }
    TextBoxView::keyPressEvent(event);
    if (!event->text().isEmpty() || event->key() == Qt::Key_Backspace) updateCompletion();
}

void CodeEditor::mousePressEvent(QMouseEvent* event) {
    TextBoxView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && !m_restoreSelection) {
        m_savedStart = model().selStart();
        m_savedLength = model().selLength();
    }
}

void CodeEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    TextBoxView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    m_restoreSelection = true;
}

void CodeEditor::mouseReleaseEvent(QMouseEvent* event) {
    TextBoxView::mouseReleaseEvent(event);
    if (!m_restoreSelection) return;
    // The double click leaves no word selected: the selection before it comes back.
    m_restoreSelection = false;
    model().select(m_savedStart, m_savedLength);
    emit codeEditorOnlyToggled();
}

}  // namespace zerin::ui
