// frmBottom: the "Windows" button, the path bar (a button per named path group and a
// button per path shown, see panes/path_bar.h) and, when they are switched on, one button
// for every other program's window, wrapped into rows at the bar's width. A folder dragged
// from a pane (or from the desktop) onto the bar becomes a new path.
#pragma once

#include <QFrame>
#include <vector>

class QPushButton;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PathButton;
class WindowSwitcher;

class BottomBar : public QFrame {
    Q_OBJECT
public:
    explicit BottomBar(Zerin& zerin, QWidget* parent = nullptr);
    // The window buttons' table and actions; without it "Windows" does nothing.
    void setSwitcher(WindowSwitcher* switcher);

    // Rebuilds the buttons from the path groups (and the window table) at the bar's width.
    void rebuild();
    // The height the bar needs at `width`: one row per line of buttons.
    int heightFor(int width) const;
    int preferredHeight() const { return heightFor(width()); }
    QPushButton* firstPathButton() const { return m_paths; }
    QPushButton* windowsButton() const { return m_windows; }
    // The path bar's buttons shown, in bar order ("Windows" and "Paths" are not among them).
    std::vector<PathButton*> shownButtons() const;
    // The window buttons shown now (cmdWindow 1 and up).
    std::vector<QPushButton*> windowButtons() const;

signals:
    // A group opened or closed, or a path was added, and the bar needs another height.
    void heightChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The place of every button at `width`: "Windows" and "Paths", the path bar, then the
    // window buttons shown; returns the number of rows.
    int layoutRows(int width, std::vector<QRect>* places) const;
    void clicked(const QString& tag);
    int rowHeight() const;
    QPushButton* windowButton(std::size_t index);
    // Builds the window buttons from the switcher's table (none while they are off).
    void fillWindowButtons();

    Zerin& m_zerin;
    QPushButton* m_windows;
    QPushButton* m_paths;
    std::vector<PathButton*> m_buttons;
    std::size_t m_used = 0;
    std::vector<QPushButton*> m_windowButtons;
    std::size_t m_windowButtonsUsed = 0;
    WindowSwitcher* m_switcher = nullptr;
};

}  // namespace zerin::ui
