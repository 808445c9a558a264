#include "panes/selection_size.h"

#include <algorithm>
#include <charconv>

#include "core/text.h"
#include "panes/pane_location.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "panes/pane_paths.h"

namespace zerin {

namespace {

constexpr int kSlowestScroll = 500;
constexpr int kScrollPerPixel = 24;
constexpr int kFastestScroll = 5;

void setSizeHeader(PaneModel& panes, int pane, const std::string& text) {
    auto& columns = panes.controls(pane).columns;
    if (columns.size() < 2 || columns[1].text == text) return;
    columns[1].text = text;
    panes.notifyControls(pane);
}

}  // namespace

std::int64_t itemSize(const ListItem& item) {
    if (item.subItems.empty()) return 0;
    const std::string& tag = item.subItems[0].tag;
    std::int64_t size = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), size);
    return size;
}

std::string selectionHeaderText(std::int64_t total, const SizeFormat& format) {
    if (total == 0) return std::string(paneMessage::kColumnSize);
    std::string shown = format.format(total < 0 ? -total : total);
    if (total < 0) shown += " ?";
    return shown;
}

void recomputeSelection(PaneModel& panes, int pane) {
    if (!PaneModel::validPane(pane)) return;
    const bool scriptsView = PaneLocation::parse(panes.path(pane)).is(PaneKind::Scripts);
    const auto slot = static_cast<std::size_t>(pane);
    std::string& suffixes = panes.selectedSuffixes[slot];
    suffixes = " ";
    std::int64_t total = 0;
    for (const ListItem& item : panes.list(pane).items()) {
        if (!item.selected) continue;
        total += itemSize(item);
        if (scriptsView) continue;
        const std::string suffix = text::lower(fileSuffix(item.tag));
        if (suffixes.find(" " + suffix + " ") == std::string::npos) suffixes += suffix + " ";
    }
    panes.selectionTotal[slot] = total;
}

void showSelectionSize(PaneModel& panes, int pane) {
    if (!PaneModel::validPane(pane)) return;
    recomputeSelection(panes, pane);
    setSizeHeader(panes, pane, selectionHeaderText(panes.selectionTotal[static_cast<std::size_t>(pane)], panes.sizeFormat));
}

int dragScrollInterval(int distance) {
    return std::max(kFastestScroll, kSlowestScroll - distance * kScrollPerPixel);
}

void RightDrag::press(PaneModel& panes, int pane, int row) {
    if (!PaneModel::validPane(pane)) return;
    m_active = true;
    m_pane = pane;
    m_selects = true;
    const auto& items = panes.list(pane).items();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size()) return;
    m_selects = !items[static_cast<std::size_t>(row)].selected;
    pass(panes, row);
    showTotal(panes);
}

bool RightDrag::pass(PaneModel& panes, int row) {
    if (!m_active) return false;
    auto& items = panes.list(m_pane).mutableItems();
    if (row < 0 || static_cast<std::size_t>(row) >= items.size()) return false;
    ListItem& item = items[static_cast<std::size_t>(row)];
    if (item.selected == m_selects) return false;
    item.selected = m_selects;
    std::int64_t& total = panes.selectionTotal[static_cast<std::size_t>(m_pane)];
    total += m_selects ? itemSize(item) : -itemSize(item);
    panes.list(m_pane).notifyChanged(static_cast<std::size_t>(row));
    showTotal(panes);
    return true;
}

int RightDrag::scrollTick(int cursorY, int top, int height, int& interval) const {
    if (!m_active) return 0;
    if (cursorY < top) {
        interval = dragScrollInterval(top - cursorY);
        return -1;
    }
    if (cursorY > top + height) {
        interval = dragScrollInterval(cursorY - (top + height));
        return 1;
    }
    return 0;
}

void RightDrag::release(PaneModel& panes) {
    if (!m_active) return;
    m_active = false;
    showSelectionSize(panes, m_pane);
}

void RightDrag::showTotal(PaneModel& panes) const {
    setSizeHeader(panes, m_pane, selectionHeaderText(panes.selectionTotal[static_cast<std::size_t>(m_pane)], panes.sizeFormat));
}

}  // namespace zerin
