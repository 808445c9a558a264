#include "panes/path_groups.h"

namespace zerin {

bool PathGroups::addGroup(std::string name) {
    if (m_count >= kMaxGroups) return false;
    ++m_count;
    m_groups[static_cast<std::size_t>(m_count)] = PathGroup{std::move(name), false, {}};
    return true;
}

bool PathGroups::addPath(int groupIndex, PathEntry entry) {
    if (groupIndex < 0 || groupIndex > kMaxGroups) return false;
    auto& paths = m_groups[static_cast<std::size_t>(groupIndex)].paths;
    if (paths.size() >= kMaxPaths) return false;
    paths.push_back(std::move(entry));
    return true;
}

}  // namespace zerin
