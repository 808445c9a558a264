#include "ui/window_placer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "ui/window_placement.h"

namespace zerin::ui {

namespace {

QMargins frameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

WindowPlacer::WindowPlacer(QWidget* window, std::filesystem::path file)
    : QObject(window), m_window(window), m_file(std::move(file)), m_frame(kAssumedFrame) {
    m_frameWait = new QTimer(this);
    m_frameWait->setSingleShot(true);
    m_frameWait->setInterval(kFrameWaitMs);
    // No frame ever came (no window manager): the window has none.
    connect(m_frameWait, &QTimer::timeout, this, [this] { fitToFrame(); });
    window->installEventFilter(this);
}

QScreen* WindowPlacer::screenFor(const QRect& wanted) const {
    if (wanted.isValid())
        if (QScreen* s = QGuiApplication::screenAt(wanted.center())) return s;
    return QGuiApplication::primaryScreen();
}

QRect WindowPlacer::availableArea() const {
    QScreen* s = m_window->isVisible() ? m_window->screen() : screenFor(m_wanted);
    return s ? s->availableGeometry() : QRect(QPoint(0, 0), kDefaultSize);
}

QMargins WindowPlacer::frameNow() const {
    const QMargins f = frameOf(m_window);
    return f.isNull() && !m_window->isVisible() ? m_frame : f;
}

void WindowPlacer::show() {
    WindowPlacement kept = readWindowPlacement(m_file);
    m_wanted = kept.normal;
    if (kept.frame) m_frame = *kept.frame;
    const QRect fitted =
        fitClientRect(m_wanted, kDefaultSize, m_frame, availableArea(), m_window->minimumSize());
    m_window->setGeometry(fitted);
    if (kept.maximised) {
        m_window->showMaximized();
        return;
    }
    m_fitPending = true;
    m_window->show();
    m_frameWait->start();
}

void WindowPlacer::fitToFrame() {
    if (!m_fitPending) return;
    m_fitPending = false;
    m_frameWait->stop();
    if (m_window->isMaximized() || m_window->isFullScreen()) return;
    const QMargins frame = frameOf(m_window);
    if (frame == m_frame) return;
    m_frame = frame;
    const QRect fitted =
        fitClientRect(m_wanted, kDefaultSize, m_frame, availableArea(), m_window->minimumSize());
    if (fitted != m_window->geometry()) m_window->setGeometry(fitted);
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && m_fitPending && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        // The window manager's frame has arrived once the outer and inner rectangles differ.
        if (!frameOf(m_window).isNull()) QTimer::singleShot(0, this, [this] { fitToFrame(); });
    }
    return QObject::eventFilter(watched, event);
}

bool WindowPlacer::save() const {
    WindowPlacement p;
    p.maximised = m_window->isMaximized();
    p.normal = m_window->isMaximized() || m_window->isFullScreen() ? m_window->normalGeometry() : m_window->geometry();
    if (p.normal.isEmpty()) p.normal = m_window->geometry();
    if (!p.maximised) {
        const QMargins f = frameOf(m_window);
        if (!f.isNull() || !m_fitPending) p.frame = f;
    } else {
        p.frame = m_frame;
    }
    return writeWindowPlacement(m_file, p);
}

}  // namespace zerin::ui
