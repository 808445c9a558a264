// The window buttons and docking: the table of other programs' windows that the bottom
// bar shows as buttons, switching to one, and docking one over the work area, where it
// follows the main window through resizes and moves.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <vector>

#include "modes/window_table.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class MainWindow;

class WindowSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kFollowIntervalMs = 250;
    // The table is looked at again this often while the buttons are shown.
    static constexpr int kRefreshTicks = 4;
    static constexpr int kMinDockHeight = 11;
    static constexpr int kIconSize = 16;

    WindowSwitcher(Zerin& zerin, MainWindow& window);

    // Whether this window system lists other windows at all.
    bool available() const;
    bool buttonsShown() const { return m_shown; }
    // Left click on "Windows": the buttons on or off, then the window's resize.
    void toggleButtons();
    // Builds the table from scratch (when the bottom bar is rebuilt with the buttons on).
    const std::vector<WindowEntry>& rebuildTable();
    const std::vector<WindowEntry>& table() const { return m_table; }
    QIcon icon(WindowHandle window) const;

    // Left click on a window button: restored when minimised, then brought to the front.
    void switchTo(WindowHandle window);
    // Right click on a window button: docked over the work area.
    void dock(WindowHandle window);
    // Right click on "Windows": undocked, the other window stays where it is.
    void undock();
    WindowHandle docked() const { return m_docked; }
    // MoveDocked: over the work area at the top of the client area, one pixel narrower.
    void moveDocked();

signals:
    // The windows open changed while the buttons are shown.
    void tableChanged();

private:
    void tick();
    std::set<WindowHandle> ownWindows() const;

    Zerin& m_zerin;
    MainWindow& m_window;
    QTimer m_timer;
    std::vector<WindowEntry> m_table;
    bool m_shown = false;
    WindowHandle m_docked = 0;
    QPoint m_lastOrigin;
    int m_ticks = 0;
};

}  // namespace zerin::ui
