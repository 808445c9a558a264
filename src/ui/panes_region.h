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
    void focusSourceParentOrList();
    // Shows both panes' current paths.
    void refresh();

signals:
    void selectionChanged(int pane);

private:
    Zerin& m_zerin;
    std::array<PaneView*, 2> m_panes{};
};

}  // namespace zerin::ui
