// Every stored script, in the order it was added, keyed by the lower-cased
// location\name. A key exists at most once: adding an existing key is refused.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zerin {

struct StoredScript {
    std::string key;   // lower-cased
    std::string text;  // lines joined by CR LF
};

class ScriptStore {
public:
    // Refuses an existing key (the first text stays); returns whether it was added.
    bool add(std::string key, std::string text);
    // Replaces the text of an existing key in place, or appends a new entry.
    void set(std::string key, std::string text);
    bool remove(std::string_view key);
    const std::string* find(std::string_view key) const;
    std::size_t size() const { return m_scripts.size(); }
    const std::vector<StoredScript>& scripts() const { return m_scripts; }

    // The first script whose "#location=" + "\" + "#name=" header values, lower-cased,
    // equal `identifier` lower-cased (the command-line run and `execute` look up this way).
    const StoredScript* findByLocationName(std::string_view identifier) const;

private:
    std::vector<StoredScript> m_scripts;
    std::unordered_map<std::string, std::size_t> m_index;
};

// The header value lookup: "#" + KEY lines (any letter case, any characters between the
// key and the "="), values joined by CR LF in text order; empty when there is none.
std::string headerValue(std::string_view key, std::string_view scriptText);

// The name used by the settings writer and the command-line lookup: location + "\" + name
// when the location is not blank, else the name alone.
std::string scriptLocationName(std::string_view scriptText, bool withBackslashWhenBlank = false);

}  // namespace zerin
