#include "ui/size_handle.h"

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>

#include "app/program.h"
#include "ui/key_table.h"

namespace zerin::ui {

SizeHandle::SizeHandle(Zerin& zerin, QWidget* parent)
    : QPushButton(QStringLiteral(">Size<"), parent), m_zerin(zerin), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("cmdSize"));
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::SizeVerCursor);
    setStyleSheet(QStringLiteral(
        "QPushButton { background: #2f5d8a; color: #ffffff; border: 1px solid #1d3b58; border-radius: 3px; }"
        "QPushButton:hover { background: #3a6ea5; }"));
    m_timer->setInterval(kClockIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &SizeHandle::tick);
    m_timer->start();
}

void SizeHandle::tick() {
    if (m_busy) return;
    LocalTime t = m_zerin.platform.clock.now();
    QLocale locale = QLocale::system();
    ++m_ticks;
    if (m_ticks == 3) {
        setText(locale.toString(QDate(t.year, t.month, t.day), QLocale::ShortFormat).mid(2));
    } else if (m_ticks >= 6) {
        // Qt numbers the weekdays 1 (Monday) to 7 (Sunday).
        setText(locale.dayName(t.weekday == 0 ? 7 : t.weekday, QLocale::LongFormat));
        m_ticks = 0;
    } else {
        setText(locale.toString(QTime(t.hour, t.minute, t.second), QLocale::ShortFormat));
    }
}

void SizeHandle::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QPoint p = event->globalPosition().toPoint();
        if (m_zerin.bars.openLocationMenu) m_zerin.bars.openLocationMenu("clock", Point{p.x(), p.y()});
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_dragging = false;
        m_pressY = static_cast<int>(event->globalPosition().y());
        setDown(true);
    }
    event->accept();
}

void SizeHandle::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed) return;
    int dy = static_cast<int>(event->globalPosition().y()) - m_pressY;
    if (!m_dragging && std::abs(dy) >= kDragThreshold) {
        m_dragging = true;
        emit splitDragStarted();
    }
    if (m_dragging) emit splitDragged(dy);
}

void SizeHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) return;
    m_pressed = false;
    setDown(false);
    // A click forgets any pressed command button.
    m_zerin.bars.pressed.reset();
    m_zerin.bars.mouseDown = 0;
    if (!m_dragging) emit toggleRightBar();
    m_dragging = false;
}

void SizeHandle::keyPressEvent(QKeyEvent* event) {
    int key = virtualKey(event);
    if (key == vk::kEnter || key == 32) {
        emit toggleRightBar();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace zerin::ui
