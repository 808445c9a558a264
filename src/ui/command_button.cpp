#include "ui/command_button.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "app/program.h"
#include "modes/command_runner.h"
#include "ui/key_table.h"
#include "ui/ui_style.h"

namespace zerin::ui {

namespace {

MouseButton toButton(Qt::MouseButton b) {
    if (b == Qt::RightButton) return MouseButton::Right;
    if (b == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

CommandButton::CommandButton(Zerin& zerin, BarId bar, int index, QWidget* parent)
    : QPushButton(parent), m_zerin(zerin), m_bar(bar), m_index(index) {
    setFocusPolicy(Qt::ClickFocus);  // reachable by the bar keys, not by Tab
    setAcceptDrops(bar == BarId::Top);
    setObjectName(QStringLiteral("%1_%2").arg(bar == BarId::Top ? "cmdModeCommand" : "cmdAction").arg(index));
    connect(this, &QPushButton::clicked, this, &CommandButton::onClicked);
}

void CommandButton::showElement(const BarElement& e) {
    setText(QString::fromStdString(e.caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    if (e.colour != m_shownColour) {
        setStyleSheet(commandButtonStyle(e.colour));
        m_shownColour = e.colour;
    }
}

void CommandButton::onClicked() {
    CommandRunner runner(m_zerin);
    if (m_bar == BarId::Top) runner.clickTop(m_index);
    else runner.clickRight(m_index);
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    CommandRunner runner(m_zerin);
    MouseButton b = toButton(event->button());
    if (m_bar == BarId::Top) runner.topMouseDown(m_index, b, shiftOf(event->modifiers()));
    else runner.rightMouseDown(m_index, b);
    if (event->button() == Qt::LeftButton) QPushButton::mousePressEvent(event);
    else event->accept();
}

void CommandButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        CommandRunner runner(m_zerin);
        QPointF p = event->position();
        bool drag = m_bar == BarId::Top
                        ? runner.topMouseMove(m_index, int(p.x()), int(p.y()), width(), height())
                        : runner.rightMouseMove(m_index, float(p.x()), float(p.y()));
        if (drag) {
            startDrag();
            return;
        }
    }
    QPushButton::mouseMoveEvent(event);
}

void CommandButton::startDrag() {
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(m_zerin.dragText));
    drag->setMimeData(mime);
    setDown(false);
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    // The release happened inside the drag: finish the press as a mouse-up would.
    CommandRunner runner(m_zerin);
    if (m_bar == BarId::Top) runner.topMouseUp(m_index, MouseButton::Left, 0);
    else runner.rightMouseUp(MouseButton::Left);
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
    CommandRunner runner(m_zerin);
    MouseButton b = toButton(event->button());
    if (m_bar == BarId::Top) runner.topMouseUp(m_index, b, shiftOf(event->modifiers()));
    else runner.rightMouseUp(b);
    if (event->button() == Qt::LeftButton) QPushButton::mouseReleaseEvent(event);
    else event->accept();
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    int key = virtualKey(event);
    int shift = shiftState(event);
    for (int wanted : {vk::kPad2, vk::kPad4, vk::kPad6, vk::kPad8}) {
        if (KeyTable::accepts(wanted, key, shift)) {
            emit barKey(m_index, wanted, shift);
            event->accept();
            return;
        }
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::dragEnterEvent(QDragEnterEvent* event) {
    if (m_bar == BarId::Top) event->acceptProposedAction();
}

void CommandButton::dropEvent(QDropEvent* event) {
    CommandRunner(m_zerin).dropOnTop();
    event->acceptProposedAction();
}

}  // namespace zerin::ui
