#include "ui/panes_region.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "app/program.h"
#include "panes/cache_search.h"
#include "panes/navigation.h"
#include "panes/pane_refresh.h"
#include "panes/path_bar.h"
#include "ui/main_window_texts.h"
#include "ui/pane_view.h"
#include "ui/tool_tips.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {

PanesRegion::PanesRegion(Zerin& zerin, ToolTips& tips, QWidget* parent) : QWidget(parent), m_zerin(zerin) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    for (int i = 0; i < 2; ++i) {
        auto* view = new PaneView(zerin, i, this);
        m_panes[static_cast<std::size_t>(i)] = view;
        layout->addWidget(view);
        tips.addTool(view->txtPath(), std::string(texts::kPathFieldTip));
        tips.addTool(view->lvwList(), "");
        connect(view, &PaneView::selectionChanged, this, &PanesRegion::selectionChanged);
        connect(view, &PaneView::itemActivated, this, &PanesRegion::openItem);
        connect(view, &PaneView::parentClicked, this, &PanesRegion::openParent);
        connect(view, &PaneView::pathEntered, this, &PanesRegion::openTyped);
        connect(view, &PaneView::textDropped, this,
                [this](int pane, const std::string& text) { dropOnPane(m_zerin, pane, text); });
        connect(view, &PaneView::focusAcross, this, [this](int from) { focusList(from == 0 ? 1 : 0); });
    }
}

void PanesRegion::focusList(int pane) { this->pane(pane)->lvwList()->setFocus(Qt::OtherFocusReason); }

void PanesRegion::focusSourceParentOrList() {
    PaneView* p = pane(m_zerin.panes.sourcePane());
    if (p->cmdParent()->isEnabled() && p->cmdParent()->isVisible()) p->cmdParent()->setFocus(Qt::OtherFocusReason);
    else p->lvwList()->setFocus(Qt::OtherFocusReason);
}

void PanesRegion::redraw() {
    layout()->activate();
    for (int i = 0; i < 2; ++i) {
        PaneView* view = m_panes[static_cast<std::size_t>(i)];
        view->layout()->activate();
        PaneControls& c = m_zerin.panes.controls(i);
        const QWidget* viewport = view->lvwList()->viewport();
        if (c.viewWidth == viewport->width() && c.viewHeight == viewport->height()) continue;
        c.viewWidth = viewport->width();
        c.viewHeight = viewport->height();
        if (m_zerin.settings.columnAutosize) {
            autosizeColumns(m_zerin, i);
            m_zerin.panes.notifyControls(i);
        }
    }
}

void PanesRegion::openItem(int pane, int row) { zerin::openItem(m_zerin, pane, row); }

void PanesRegion::openParent(int pane) { goToParent(m_zerin, pane); }

// A typed path is entered; any other text searches the listing cache.
void PanesRegion::openTyped(int pane, const QString& text) {
    const std::string typed = toUtf8(text);
    if (isSearchText(typed)) searchFromPathBox(m_zerin, pane, typed);
    else openTypedFolder(m_zerin, pane, typed);
}

}  // namespace zerin::ui
