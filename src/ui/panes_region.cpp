#include "ui/panes_region.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "core/zerin.h"
#include "ui/main_window_texts.h"
#include "ui/pane_placeholder.h"
#include "ui/tool_tips.h"

namespace zerin::ui {

PanesRegion::PanesRegion(Zerin& zerin, ToolTips& tips, QWidget* parent) : QWidget(parent), m_zerin(zerin) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        m_panes[static_cast<std::size_t>(i)] = new PanePlaceholder(zerin, i, this);
        layout->addWidget(m_panes[static_cast<std::size_t>(i)]);
        tips.addTool(m_panes[static_cast<std::size_t>(i)]->pathField(), std::string(texts::kPathFieldTip));
        tips.addTool(m_panes[static_cast<std::size_t>(i)]->list(), "");
        connect(m_panes[static_cast<std::size_t>(i)], &PanePlaceholder::selectionChanged, this,
                &PanesRegion::selectionChanged);
    }
}

void PanesRegion::focusList(int pane) { this->pane(pane)->list()->setFocus(Qt::OtherFocusReason); }

void PanesRegion::focusSourceParentOrList() {
    PanePlaceholder* p = pane(m_zerin.panes.sourcePane());
    if (p->parentButton()->isEnabled() && p->parentButton()->isVisible()) p->parentButton()->setFocus(Qt::OtherFocusReason);
    else p->list()->setFocus(Qt::OtherFocusReason);
}

void PanesRegion::refresh() {
    for (PanePlaceholder* p : m_panes) p->refreshPath();
}

}  // namespace zerin::ui
