#include "ui/right_drag_selector.h"

#include <QApplication>
#include <algorithm>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeView>

#include "app/program.h"
#include "panes/selection_size.h"

namespace zerin::ui {

RightDragSelector::RightDragSelector(Zerin& zerin, int pane, QTreeView* list)
    : QObject(list), m_zerin(zerin), m_pane(pane), m_list(list) {
    m_tmrListScroll = new QTimer(this);
    m_tmrListScroll->setObjectName(QStringLiteral("tmrListScroll"));
    connect(m_tmrListScroll, &QTimer::timeout, this, &RightDragSelector::scrollTick);
    // Every right-button event reaches the list itself, none becomes a context menu event.
    m_list->setContextMenuPolicy(Qt::PreventContextMenu);
    m_list->viewport()->installEventFilter(this);
}

int RightDragSelector::rowAt(const QPoint& at) const {
    const QModelIndex index = m_list->indexAt(at);
    return index.isValid() ? index.row() : -1;
}

bool RightDragSelector::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list->viewport()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton) return false;
            if (!m_held) press(mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!m_held) return false;
            move(mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton || !m_held) return false;
            release(mouse->globalPosition().toPoint());
            return true;
        }
        default: return false;
    }
}

void RightDragSelector::press(const QPoint& at) {
    m_held = true;
    m_moved = false;
    m_pressAt = m_lastAt = at;
    m_pressRow = rowAt(at);
    m_list->setFocus(Qt::MouseFocusReason);
    const auto& items = m_zerin.panes.list(m_pane).items();
    // An unselected item is selected at once; on a selected one the drag (which would
    // deselect it) waits for a move, so that a plain right click keeps the selection for
    // the menu.
    const bool onSelected = m_pressRow >= 0 && items[static_cast<std::size_t>(m_pressRow)].selected;
    if (!onSelected) {
        m_zerin.panes.rightDrag.press(m_zerin.panes, m_pane, m_pressRow);
        showRow(m_pressRow);
    }
    m_tmrListScroll->start(RightDrag::kFirstScrollInterval);
}

void RightDragSelector::move(const QPoint& at) {
    m_lastAt = at;
    if (!m_moved && (at - m_pressAt).manhattanLength() < QApplication::startDragDistance()) return;
    m_moved = true;
    RightDrag& drag = m_zerin.panes.rightDrag;
    if (!drag.active()) {
        drag.press(m_zerin.panes, m_pane, m_pressRow);
        showRow(m_pressRow);
    }
    const int row = rowAt(at);
    if (drag.pass(m_zerin.panes, row)) showRow(row);
}

void RightDragSelector::scrollTick() {
    RightDrag& drag = m_zerin.panes.rightDrag;
    if (!m_moved || !drag.active()) return;
    int interval = m_tmrListScroll->interval();
    const int direction = drag.scrollTick(m_lastAt.y(), 0, m_list->viewport()->height(), interval);
    if (direction == 0) return;
    m_tmrListScroll->setInterval(interval);
    // One row further; every row that comes into view (the one cut by the edge too) gets
    // the drag's state.
    const int rows = m_list->model()->rowCount();
    auto edgeRow = [&] {
        const int row = rowAt(QPoint(1, direction < 0 ? 0 : m_list->viewport()->height() - 1));
        return row >= 0 ? row : (direction < 0 ? 0 : rows - 1);
    };
    const int before = edgeRow();
    const int next = before + direction;
    if (next < 0 || next >= rows) {
        // At an end: a row cut by the edge is shown whole.
        if (direction < 0) m_list->scrollToTop();
        else m_list->scrollToBottom();
    } else {
        m_list->scrollTo(m_list->model()->index(next, 0),
                         direction < 0 ? QAbstractItemView::PositionAtTop : QAbstractItemView::PositionAtBottom);
    }
    const int after = std::clamp(edgeRow(), 0, std::max(0, rows - 1));
    for (int row = before; row != after + direction && row >= 0 && row < rows; row += direction)
        if (drag.pass(m_zerin.panes, row)) showRow(row);
}

void RightDragSelector::release(const QPoint& global) {
    m_held = false;
    m_tmrListScroll->stop();
    RightDrag& drag = m_zerin.panes.rightDrag;
    const bool dragged = drag.active();
    drag.release(m_zerin.panes);
    if (!m_moved) {
        emit clicked(global);
        return;
    }
    if (dragged) emit painted();
}

void RightDragSelector::showRow(int row) {
    const auto& items = m_zerin.panes.list(m_pane).items();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size()) return;
    const QAbstractItemModel* model = m_list->model();
    const QItemSelection rowRange(model->index(row, 0), model->index(row, model->columnCount() - 1));
    const bool selected = items[static_cast<std::size_t>(row)].selected;
    // The view's selection follows the model here; the view must not read it back.
    const QSignalBlocker quiet(m_list->selectionModel());
    m_list->selectionModel()->select(rowRange, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    m_list->viewport()->update();
}

}  // namespace zerin::ui
