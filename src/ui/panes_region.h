// The two file panes side by side between the top bar and the bottom bar.
#pragma once

#include <QWidget>
#include <array>

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PaneView;
class ToolTips;

class PanesRegion : public QWidget {
    Q_OBJECT
public:
    PanesRegion(Zerin& zerin, ToolTips& tips, QWidget* parent = nullptr);

    PaneView* pane(int index) const { return m_panes[index == 1 ? 1 : 0]; }
    void focusList(int pane);
    // Keypad 2 from the top bar: the source pane's parent button, or its list.
    void focusSourceParentOrList();

    // After a new geometry: the lists learn their size and, with column autosize on,
    // fit their columns to it.
    void redraw();

signals:
    // The selection of a list changed (the right bar follows it).
    void selectionChanged(int pane);

private:
    // The views' clicks and keys, forwarded to the navigation of the panes.
    void openItem(int pane, int row);
    void openParent(int pane);
    void openTyped(int pane, const QString& text);

    Zerin& m_zerin;
    std::array<PaneView*, 2> m_panes{};
};

}  // namespace zerin::ui
