#include "ui/debug_pane.h"

#include <QKeyEvent>

#include "app/program.h"

namespace zerin::ui {

DebugPane::DebugPane(Zerin& zerin, QWidget* parent) : TextBoxView(zerin.txtDebug, parent), m_zerin(zerin) {
    setObjectName(QStringLiteral("txtDebug"));
}

std::string DebugPane::lastLine(const std::string& text) {
    std::size_t at = text.rfind("\r\n");
    return at == std::string::npos ? text : text.substr(at + 2);
}

void DebugPane::keyPressEvent(QKeyEvent* event) {
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    TextBox& box = model();
    if (enter && box.selLength() == 0 && box.selStart() == box.length()) {
        std::string line = lastLine(box.text());
        box.replaceSelection("\r\n");
        m_zerin.run.stopRequest = false;
        event->accept();
        m_zerin.interpreter.RunEditor(line, nullptr, "");
        return;
    }
    TextBoxView::keyPressEvent(event);
}

}  // namespace zerin::ui
