// A list view as the logic sees it (lvwList, lvwImageList, lvwFileOp): items with text,
// tag, colour, sub-items and selection. Qt views display it through a model adapter.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zerin {

using Colour = std::uint32_t;  // 0x00BBGGRR

struct SubItem {
    std::string text;
    std::string tag;
    Colour colour = 0xffffff;
};

struct ListItem {
    std::string text;
    std::string tag;
    Colour colour = 0xffffff;
    std::vector<SubItem> subItems;
    bool selected = false;
    int icon = 0;
};

class ListModel {
public:
    struct Observer {
        std::function<void()> reset;              // items replaced wholesale
        std::function<void(std::size_t)> changed; // one item's look or selection
        std::function<void()> restyled;           // colours of all items, same items
    };

    const std::vector<ListItem>& items() const { return m_items; }
    std::vector<ListItem>& mutableItems() { return m_items; }
    void clear();
    void add(ListItem item);
    // Tells the views that the items were changed in bulk.
    void notifyReset();
    void notifyChanged(std::size_t index);
    // All items were recoloured in place; observers without a restyle hook get a reset.
    void notifyRestyled();

    int addObserver(Observer observer);
    void removeObserver(int id);

private:
    std::vector<ListItem> m_items;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextObserverId = 1;
};

}  // namespace zerin
