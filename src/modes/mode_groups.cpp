#include "modes/mode_groups.h"

namespace zerin {

ModeGroup* ModeGroups::group(int number) {
    if (number < 1 || static_cast<std::size_t>(number) > m_groups.size()) return nullptr;
    return &m_groups[static_cast<std::size_t>(number - 1)];
}

const ModeGroup* ModeGroups::group(int number) const {
    return const_cast<ModeGroups*>(this)->group(number);
}

bool ModeGroups::add(std::string name, std::string locationKey) {
    if (m_groups.size() >= kMaxGroups) return false;
    m_groups.push_back(ModeGroup{std::move(name), std::move(locationKey), {}});
    return true;
}

ModeGroup* ModeGroups::findByName(std::string_view name) {
    for (auto it = m_groups.rbegin(); it != m_groups.rend(); ++it)
        if (it->name == name) return &*it;
    return nullptr;
}

bool ModeGroups::addLegacy(ModeGroup& group, LegacyCommand command) {
    if (group.legacy.size() >= kMaxLegacy) return false;
    group.legacy.push_back(std::move(command));
    return true;
}

}  // namespace zerin
