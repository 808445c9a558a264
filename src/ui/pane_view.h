// One file pane: the parent button cmdParent and the path box txtPath above the list
// view lvwList. It shows the pane model and reports the focus, header clicks and its size
// back to it; navigation (opening items, the parent button) is left to whoever connects
// the signals.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeView;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PaneItemModel;

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

    Zerin& m_zerin;
    int m_pane;
    QLineEdit* m_txtPath;
    QPushButton* m_cmdParent;
    QTreeView* m_lvwList;
    PaneItemModel* m_model;
    int m_controlsObserver = 0;
    bool m_applyingSelection = false;
};

}  // namespace zerin::ui
