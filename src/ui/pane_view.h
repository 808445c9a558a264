// One file pane: the parent button cmdParent and the path box txtPath above the list
// view lvwList. It shows the pane model and reports the focus, header clicks and its size
// back to it; navigation (opening items, the parent button) is left to whoever connects
// the signals.
#pragma once

#include <QWidget>
#include <string>

class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QTreeView;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PaneItemModel;
class RightDragSelector;

class PaneView : public QWidget {
    Q_OBJECT
public:
    PaneView(Zerin& zerin, int pane, QWidget* parent = nullptr);
    ~PaneView() override;

    int pane() const { return m_pane; }
    QLineEdit* txtPath() const { return m_txtPath; }
    QPushButton* cmdParent() const { return m_cmdParent; }
    QTreeView* lvwList() const { return m_lvwList; }
    PaneItemModel* itemModel() const { return m_model; }
    // Shows the path box, parent button and columns as the model has them now.
    void refreshPath() { showControls(); }
    RightDragSelector* rightDrag() const { return m_rightDrag; }
    // tmrBlink: flashes the path box when the pane becomes the source pane (blink setting).
    QTimer* blinkTimer() const { return m_tmrBlink; }
    // The context menu for the selected items, at `global`; nullptr with nothing selected.
    // The menu is open (not modal) when this returns.
    QMenu* openMenu(const QPoint& global);

signals:
    // The user changed the selection of the list.
    void selectionChanged(int pane);
    void parentClicked(int pane);
    void itemActivated(int pane, int row);
    // Enter in the path box.
    void pathEntered(int pane, const QString& text);
    // Tab, or the left key in the right pane and the right key in the left pane: the
    // focus goes to the other pane's list.
    void focusAcross(int pane);
    // A drag text dropped on the list (a path button, a group, a folder).
    void textDropped(int pane, const std::string& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The pane's keys: true when the key was taken.
    bool listKey(int key, int shift);
    bool parentKey(int key, int shift);
    void resizeEvent(QResizeEvent* event) override;
    // Drags of files over the list and their drop, which adds them to the file cue.
    bool takeDrop(QEvent* event);

private:
    void showControls();
    void fitColumns();
    void applySelection();
    void takeSelection();
    bool dropEvent(QEvent* event);
    // The pane takes the source role (and blinks its path box when the setting asks).
    void becomeSource();
    void blinkTick();

    Zerin& m_zerin;
    int m_pane;
    QLineEdit* m_txtPath;
    QPushButton* m_cmdParent;
    QTreeView* m_lvwList;
    PaneItemModel* m_model;
    RightDragSelector* m_rightDrag;
    QTimer* m_tmrBlink;
    QMenu* m_menu = nullptr;
    int m_blinkTicks = 0;
    int m_controlsObserver = 0;
    bool m_applyingSelection = false;
};

}  // namespace zerin::ui
