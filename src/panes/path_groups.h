// Saved paths grouped into path groups. Group 0 has no name and always exists; groups
// 1 to 10 are named. Each group holds at most 20 paths.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace zerin {

struct PathEntry {
    std::string caption;
    std::string target;
};

struct PathGroup {
    std::string name;
    bool open = false;
    std::vector<PathEntry> paths;
};

class PathGroups {
public:
    static constexpr int kMaxGroups = 10;
    static constexpr std::size_t kMaxPaths = 20;

    // The number of named groups (0 to 10); the current group for appending is group `count()`.
    int count() const { return m_count; }
    PathGroup& group(int index) { return m_groups[static_cast<std::size_t>(index)]; }
    const PathGroup& group(int index) const { return m_groups[static_cast<std::size_t>(index)]; }

    // False (and nothing changes) when all ten named groups exist.
    bool addGroup(std::string name);
    // False when the group is full.
    bool addPath(int groupIndex, PathEntry entry);

private:
    std::array<PathGroup, kMaxGroups + 1> m_groups;
    int m_count = 0;
};

}  // namespace zerin
