#include "panes/list_model.h"

#include <algorithm>

namespace zerin {

void ListModel::clear() {
    m_items.clear();
    notifyReset();
}

void ListModel::add(ListItem item) { m_items.push_back(std::move(item)); }

void ListModel::notifyReset() {
    for (auto& [id, obs] : m_observers)
        if (obs.reset) obs.reset();
}

void ListModel::notifyChanged(std::size_t index) {
    for (auto& [id, obs] : m_observers)
        if (obs.changed) obs.changed(index);
}

void ListModel::notifyRestyled() {
    for (auto& [id, obs] : m_observers) {
        if (obs.restyled) obs.restyled();
        else if (obs.reset) obs.reset();
    }
}

int ListModel::addObserver(Observer observer) {
    int id = m_nextObserverId++;
    m_observers.emplace_back(id, std::move(observer));
    return id;
}

void ListModel::removeObserver(int id) {
    std::erase_if(m_observers, [id](const auto& p) { return p.first == id; });
}

}  // namespace zerin
