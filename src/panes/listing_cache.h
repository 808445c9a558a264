// The listing cache: folder path -> listing text, in insertion order (the order the
// folder-size database is written in). Keys compare case-sensitively, because two Linux
// folders that differ only in letter case are different folders.
#pragma once

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace zerin {

class ListingCache {
public:
    using Entry = std::pair<std::string, std::string>;  // key, listing text

    // nullptr when the folder is not cached.
    const std::string* find(std::string_view key) const;
    // Refuses a key that is already present (returns false), like the collection's Add.
    // A folder path holding a CR or an LF is refused too: the text's first line is the
    // path, and the rest of such a path would read back as entries of the folder.
    bool add(std::string key, std::string text);
    // Replaces the text, or appends a new entry at the end (refuses the same paths).
    bool put(std::string key, std::string text);
    bool remove(std::string_view key);
    void clear();

    std::size_t size() const { return m_entries.size(); }
    // Changes with every add, put, remove and clear: a copy made from the cache (the
    // search's lower-cased text) is current while the number is the same.
    std::uint64_t version() const { return m_version; }
    const std::list<Entry>& entries() const { return m_entries; }
    // Bytes held by keys and texts (for the memory check of large caches).
    std::size_t textBytes() const;

private:
    std::list<Entry> m_entries;
    std::uint64_t m_version = 0;
    // Keys are views of the keys in m_entries: list nodes never move, so each key is
    // stored once.
    std::unordered_map<std::string_view, std::list<Entry>::iterator> m_index;
};

}  // namespace zerin
