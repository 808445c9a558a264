// The size of a pane's selection, shown in the Size column's header instead of "Size",
// and the suffixes of the selected entries that the right command bar is chosen by; and
// the right-button drag that paints a selection over the items it passes.
#pragma once

#include <cstdint>
#include <string>

namespace zerin {

class PaneModel;
class SizeFormat;
struct ListItem;

// The size an item carries in its Size sub-item's tag (0 without one).
std::int64_t itemSize(const ListItem& item);

// "Size" for a total of 0; otherwise the formatted size of the total's absolute value,
// with " ?" after it when the total is negative (a deselecting drag went below zero).
std::string selectionHeaderText(std::int64_t total, const SizeFormat& format);

// Sums the sizes of the selected items of the pane and collects their distinct
// lower-cased suffixes (" jpg txt "; folders give "/"), which the scripts view does not
// collect. Both are stored in the pane model.
void recomputeSelection(PaneModel& panes, int pane);

// Recomputes the pane's selection and writes its total into the Size header: after any
// change of the selection by the keyboard or the left button.
void showSelectionSize(PaneModel& panes, int pane);

// The scroll timer's interval for a cursor `distance` pixels outside the list: the
// further out, the faster, 500 - 24 x distance ms but never below 5 ms.
int dragScrollInterval(int distance);

// A right-button drag over a pane's items. The item pressed decides the mode: an
// unselected one starts a selecting drag, a selected one a deselecting drag; every item
// the cursor then passes is brought to that state, and the running total follows.
class RightDrag {
public:
    static constexpr int kFirstScrollInterval = 20;

    bool active() const { return m_active; }
    int pane() const { return m_pane; }
    bool selects() const { return m_selects; }

    // Right button down over item `row` (-1 over no item). Starts the drag either way.
    void press(PaneModel& panes, int pane, int row);
    // The cursor is over item `row` (or the item `row` scrolled into view): brings it to
    // the drag's state. True when the item changed.
    bool pass(PaneModel& panes, int row);

    // One tick of the scroll timer for a cursor at `cursorY`, the list's visible rows
    // from `top` to the bottom edge at `top + height`: -1 to scroll up a row, 1 down, 0 to stay; `interval`
    // becomes the next tick's interval when the list scrolls.
    int scrollTick(int cursorY, int top, int height, int& interval) const;

    // Right button up: the drag ends, the total is recomputed from the selection and the
    // header shows it ("Size" for nothing).
    void release(PaneModel& panes);

private:
    void showTotal(PaneModel& panes) const;

    bool m_active = false;
    bool m_selects = true;
    int m_pane = 0;
};

}  // namespace zerin
