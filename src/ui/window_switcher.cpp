#include "ui/window_switcher.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "app/program.h"
#include "ui/main_window.h"
#include "ui/work_area.h"

namespace zerin::ui {

WindowSwitcher::WindowSwitcher(Zerin& zerin, MainWindow& window) : QObject(&window), m_zerin(zerin), m_window(window) {
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kFollowIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &WindowSwitcher::tick);
}

bool WindowSwitcher::available() const { return m_zerin.platform.windows && m_zerin.platform.windows->available(); }

void WindowSwitcher::toggleButtons() {
    if (!available()) return;
    m_shown = !m_shown;
    if (m_shown || m_docked) m_timer.start();
    else m_timer.stop();
    m_window.runResize();
}

std::set<WindowHandle> WindowSwitcher::ownWindows() const {
    // Only windows that exist already: asking a widget for its id would create one.
    std::set<WindowHandle> own;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->testAttribute(Qt::WA_WState_Created)) own.insert(static_cast<WindowHandle>(w->winId()));
    return own;
}

const std::vector<WindowEntry>& WindowSwitcher::rebuildTable() {
    m_table.clear();
    if (m_shown && available()) m_table = buildWindowTable(m_zerin.platform.windows->topLevelWindows(), ownWindows());
    return m_table;
}

QIcon WindowSwitcher::icon(WindowHandle window) const {
    if (!available()) return {};
    const WindowIcon icon = m_zerin.platform.windows->icon(window, kIconSize);
    if (icon.width <= 0 || icon.height <= 0) return {};
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x)
            image.setPixel(x, y, icon.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(icon.width) +
                                           static_cast<std::size_t>(x)]);
    return QIcon(QPixmap::fromImage(image));
}

void WindowSwitcher::switchTo(WindowHandle window) {
    if (available()) m_zerin.platform.windows->setFocus(window);
}

void WindowSwitcher::dock(WindowHandle window) {
    if (!available() || window == 0) return;
    m_docked = window;
    m_lastOrigin = m_window.clientOrigin();
    m_timer.start();
    moveDocked();
}

void WindowSwitcher::undock() {
    m_docked = 0;
    if (!m_shown) m_timer.stop();
}

void WindowSwitcher::moveDocked() {
    // The height the work area was given by the last layout, which a small window cuts
    // below the setting.
    const int height = m_window.workArea()->isVisible() ? m_window.workArea()->height() : 0;
    if (!m_docked || !available() || height < kMinDockHeight) return;
    WindowList& windows = *m_zerin.platform.windows;
    windows.setFocus(m_docked);
    const QPoint origin = m_window.clientOrigin();
    windows.move(m_docked, origin.x(), origin.y(), m_window.innerWidth() - 1, height);
}

void WindowSwitcher::tick() {
    // Timer1: a docked window follows once the user has let go of the main window.
    if (m_docked && !(m_zerin.platform.keys.mouseButtons() & 1)) {
        const QPoint origin = m_window.clientOrigin();
        if (origin != m_lastOrigin) {
            m_lastOrigin = origin;
            moveDocked();
        }
    }
    if (!m_shown || ++m_ticks < kRefreshTicks) return;
    m_ticks = 0;
    const std::vector<WindowEntry> before = m_table;
    if (rebuildTable() != before) emit tableChanged();
}

}  // namespace zerin::ui
