#include "ui/panes_region.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "core/zerin.h"
#include "ui/main_window_texts.h"
#include "ui/pane_view.h"
#include "ui/tool_tips.h"

namespace zerin::ui {

PanesRegion::PanesRegion(Zerin& zerin, ToolTips& tips, QWidget* parent) : QWidget(parent), m_zerin(zerin) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        m_panes[static_cast<std::size_t>(i)] = new PaneView(zerin, i, this);
        layout->addWidget(m_panes[static_cast<std::size_t>(i)]);
        tips.addTool(m_panes[static_cast<std::size_t>(i)]->txtPath(), std::string(texts::kPathFieldTip));
        tips.addTool(m_panes[static_cast<std::size_t>(i)]->lvwList(), "");
        connect(m_panes[static_cast<std::size_t>(i)], &PaneView::selectionChanged, this,
                &PanesRegion::selectionChanged);
    }
}

void PanesRegion::focusList(int pane) { this->pane(pane)->lvwList()->setFocus(Qt::OtherFocusReason); }

void PanesRegion::focusSourceParentOrList() {
    PaneView* p = pane(m_zerin.panes.sourcePane());
    if (p->cmdParent()->isEnabled() && p->cmdParent()->isVisible()) p->cmdParent()->setFocus(Qt::OtherFocusReason);
    else p->lvwList()->setFocus(Qt::OtherFocusReason);
}

void PanesRegion::refresh() {
    for (PaneView* p : m_panes) p->refreshPath();
}

}  // namespace zerin::ui
