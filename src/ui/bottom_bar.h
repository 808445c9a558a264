// frmBottom: the "Windows" button and the path bar: a button per named path group and a
// button per path shown (see panes/path_bar.h), wrapped into rows at the bar's width. A
// folder dragged from a pane (or from the desktop) onto the bar becomes a new path.
#pragma once

#include <QFrame>
#include <vector>

class QPushButton;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PathButton;

class BottomBar : public QFrame {
    Q_OBJECT
public:
    explicit BottomBar(Zerin& zerin, QWidget* parent = nullptr);

    // Rebuilds the buttons from the path groups at the bar's width.
    void rebuild();
    // The height the bar needs at `width`: one row per line of buttons.
    int heightFor(int width) const;
    int preferredHeight() const { return heightFor(width()); }
    QPushButton* firstPathButton() const { return m_paths; }
    // The buttons shown, in bar order ("Windows" and "Paths" are not among them).
    std::vector<PathButton*> shownButtons() const;

signals:
    // A group opened or closed, or a path was added, and the bar needs another height.
    void heightChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The left and top of every button at `width`, "Windows" and "Paths" first; returns
    // the number of rows.
    int layoutRows(int width, std::vector<QRect>* places) const;
    void clicked(const QString& tag);
    int rowHeight() const;

    Zerin& m_zerin;
    QPushButton* m_windows;
    QPushButton* m_paths;
    std::vector<PathButton*> m_buttons;
    std::size_t m_used = 0;
};

}  // namespace zerin::ui
