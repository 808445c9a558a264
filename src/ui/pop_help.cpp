#include "ui/pop_help.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "app/program.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {


// A pop-up closes on a click outside it as the window's loss of focus asks; it also
// takes the keyboard while it is open, so any key reaches it.
PopHelp::PopHelp(Zerin& zerin, QWidget* parent) : QFrame(parent, Qt::Popup), m_zerin(zerin) {
    setObjectName(QStringLiteral("frmPopHelp"));
    setFrameShape(QFrame::Box);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblHelp"));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setMargin(6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    setStyleSheet(QStringLiteral("#frmPopHelp { background: #ffffe1; } #lblHelp { color: #000000; }"));
}

PopHelp::~PopHelp() {
    if (m_shown) m_zerin.output.setHelpPopup({});
}

void PopHelp::showHelp(std::string_view text, QPoint at) {
    QFont f = font();
    f.setPointSize(m_zerin.settings.fontSize);
    f.setFamily(QStringLiteral("monospace"));
    m_label->setFont(f);
    m_label->setText(toQStringLines(text));
    m_shown = true;
    // The debug messages of the help go here while it is shown.
    m_zerin.output.setHelpPopup([this](std::string_view message) {
        m_label->setText(m_label->text() + QLatin1Char('\n') + toQStringLines(message));
        adjustSize();
    });
    adjustSize();
    QRect area = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect();
    QPoint p = at;
    if (area.isValid()) {
        p.setX(std::clamp(p.x(), area.left(), std::max(area.left(), area.right() - width())));
        p.setY(std::clamp(p.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(p);
    show();
    setFocus(Qt::PopupFocusReason);
}

QString PopHelp::helpText() const { return m_label->text(); }

void PopHelp::keyPressEvent(QKeyEvent* event) {
    event->accept();
    hide();
}

void PopHelp::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    unload();
}

void PopHelp::unload() {
    if (!m_shown) return;
    m_shown = false;
    m_zerin.output.setHelpPopup({});
}

}  // namespace zerin::ui
