#include "ui/tool_tips.h"
#include "platform/linux/qt_strings.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

namespace zerin::ui {

void ToolTips::create() {
    for (auto& [obj, tool] : m_tools)
        if (tool.first) tool.first->removeEventFilter(this);
    m_tools.clear();
}

bool ToolTips::addTool(QWidget* element, const std::string& text) {
    if (!element) return false;
    if (!m_tools.count(element)) {
        element->installEventFilter(this);
        connect(element, &QObject::destroyed, this, [this](QObject* o) { m_tools.erase(o); });
    }
    m_tools[element] = {element, text};
    return true;
}

void ToolTips::removeTool(QWidget* element) {
    auto it = m_tools.find(element);
    if (it == m_tools.end()) return;
    element->removeEventFilter(this);
    m_tools.erase(it);
}

void ToolTips::setToolText(QWidget* element, const std::string& text) {
    auto it = m_tools.find(element);
    if (it == m_tools.end()) {
        addTool(element, text);
        return;
    }
    it->second.second = text;
}

std::string ToolTips::toolText(QWidget* element) const {
    auto it = m_tools.find(element);
    return it == m_tools.end() ? std::string() : it->second.second;
}

int ToolTips::toolCount() const { return static_cast<int>(m_tools.size()); }

QString ToolTips::wrapped(const std::string& text, const QWidget* element) const {
    QString all = toQString(text);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QFontMetrics fm(element ? element->font() : QFont());
    QStringList out;
    for (const QString& line : all.split(QLatin1Char('\n'))) {
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '))) {
            QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && fm.horizontalAdvance(candidate) > m_maxWidth) {
                out << current;
                current = word;
            } else {
                current = candidate;
            }
        }
        out << current;
    }
    return out.join(QLatin1Char('\n'));
}

bool ToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return false;
    auto it = m_tools.find(watched);
    if (it == m_tools.end() || !it->second.first) return false;
    auto* help = static_cast<QHelpEvent*>(event);
    if (it->second.second.empty()) {
        QToolTip::hideText();
        return true;
    }
    QWidget* w = it->second.first;
    QToolTip::showText(help->globalPos(), wrapped(it->second.second, w), w, w->rect(), m_visibleMs);
    return true;
}

}  // namespace zerin::ui
