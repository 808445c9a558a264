#include "panes/pane_model.h"

#include <algorithm>

namespace zerin {

void PaneModel::notifyControls(int pane) {
    for (auto& [id, observer] : m_observers)
        if (observer) observer(pane);
}

int PaneModel::addControlsObserver(std::function<void(int)> observer) {
    const int id = m_nextObserverId++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void PaneModel::removeControlsObserver(int id) {
    std::erase_if(m_observers, [id](const auto& p) { return p.first == id; });
}

}  // namespace zerin
