// Right-button selection in a pane's list: pressing the right button on an item and
// moving over further items selects them (or deselects them, when the first one was
// selected), the list scrolls while the cursor is held above or below it, and the Size
// header shows the running total (panes/selection_size.h keeps the state). A right click
// without a drag asks for the context menu instead.
#pragma once

#include <QObject>
#include <QPoint>

class QTimer;
class QTreeView;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class RightDragSelector : public QObject {
    Q_OBJECT
public:
    // Watches the list's viewport; the list must show pane `pane`.
    RightDragSelector(Zerin& zerin, int pane, QTreeView* list);

    // tmrListScroll: runs only while the button is held.
    QTimer* scrollTimer() const { return m_tmrListScroll; }

signals:
    // The button came up where it went down: the menu for the selection, at `global`.
    void clicked(const QPoint& global);
    // The button came up after painting a selection.
    void painted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QPoint& at);
    void move(const QPoint& at);
    void release(const QPoint& global);
    void scrollTick();
    // Shows item `row`'s selected state in the view (the pane model holds it).
    void showRow(int row);
    int rowAt(const QPoint& at) const;

    Zerin& m_zerin;
    int m_pane;
    QTreeView* m_list;
    QTimer* m_tmrListScroll;
    QPoint m_pressAt;
    QPoint m_lastAt;
    int m_pressRow = -1;
    bool m_held = false;
    bool m_moved = false;
};

}  // namespace zerin::ui
