// Mode groups: up to ten (name, location key) pairs, each with up to thirty legacy
// commands from the older "modecmd" lines, which the settings writer puts back after
// their group's line.
#pragma once

#include <string>
#include <vector>

namespace zerin {

struct LegacyCommand {
    std::string name;
    std::string script;
};

struct ModeGroup {
    std::string name;
    std::string locationKey;
    std::vector<LegacyCommand> legacy;
};

class ModeGroups {
public:
    static constexpr std::size_t kMaxGroups = 10;
    static constexpr std::size_t kMaxLegacy = 30;

    std::size_t count() const { return m_groups.size(); }
    // 1-based, as the `mode` setting numbers them; nullptr when out of range.
    ModeGroup* group(int number);
    const ModeGroup* group(int number) const;
    const std::vector<ModeGroup>& all() const { return m_groups; }

    bool add(std::string name, std::string locationKey);
    // The last group whose name equals `name` exactly, or nullptr.
    ModeGroup* findByName(std::string_view name);
    bool addLegacy(ModeGroup& group, LegacyCommand command);

private:
    std::vector<ModeGroup> m_groups;
};

}  // namespace zerin
