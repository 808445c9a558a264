// The two file panes as scripts see them: which pane is the source, each pane's path and
// the items of its list view.
#pragma once

#include <array>
#include <string>

#include "panes/list_model.h"

namespace zerin {

class PaneModel {
public:
    static constexpr int kPaneSlots = 11;

    int sourcePane() const { return m_source; }
    int targetPane() const { return m_source == 0 ? 1 : 0; }
    void setSourcePane(int pane) { m_source = pane == 1 ? 1 : 0; }

    // The pane path: a folder ending with "/" or a view word ("Drives", "Text List", ...).
    const std::string& path(int pane) const { return m_paths[slot(pane)]; }
    void setPath(int pane, std::string path) { m_paths[slot(pane)] = std::move(path); }

    ListModel& list(int pane) { return m_lists[pane == 1 ? 1 : 0]; }
    const ListModel& list(int pane) const { return m_lists[pane == 1 ? 1 : 0]; }

private:
    static std::size_t slot(int pane) { return pane >= 0 && pane < kPaneSlots ? static_cast<std::size_t>(pane) : 0; }

    int m_source = 0;
    std::array<std::string, kPaneSlots> m_paths{};
    std::array<ListModel, 2> m_lists;
};

}  // namespace zerin
