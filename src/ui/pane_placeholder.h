// PanePlaceholder: stands in for a file pane (cmdParent, txtPath, lvwList) until the pane
// view arrives. It shows the pane's list model and passes selection changes back, so
// the right bar can follow the selection.
#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PanePlaceholder : public QFrame {
    Q_OBJECT
public:
    PanePlaceholder(Zerin& zerin, int pane, QWidget* parent = nullptr);
    ~PanePlaceholder() override;

    QLineEdit* pathField() const { return m_path; }
    QPushButton* parentButton() const { return m_parent; }
    QTreeWidget* list() const { return m_list; }
    // Re-reads the path and the items from the model.
    void refresh();
    void refreshPath();

signals:
    void selectionChanged(int pane);

private:
    void onSelection();

    Zerin& m_zerin;
    int m_pane;
    QPushButton* m_parent;
    QLineEdit* m_path;
    QTreeWidget* m_list;
    int m_observer = 0;
    bool m_filling = false;
};

}  // namespace zerin::ui
