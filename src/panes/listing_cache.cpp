#include "panes/listing_cache.h"

#include "panes/listing.h"

namespace zerin {

const std::string* ListingCache::find(std::string_view key) const {
    auto it = m_index.find(key);
    return it == m_index.end() ? nullptr : &it->second->second;
}

bool ListingCache::add(std::string key, std::string text) {
    if (holdsLineBreak(key)) return false;
    // One lookup: the entry goes in first and comes out again when the key was taken.
    m_entries.emplace_back(std::move(key), std::move(text));
    auto last = std::prev(m_entries.end());
    if (m_index.emplace(std::string_view(last->first), last).second) {
        ++m_version;
        return true;
    }
    m_entries.pop_back();
    return false;
}

bool ListingCache::put(std::string key, std::string text) {
    auto it = m_index.find(key);
    if (it != m_index.end()) {
        it->second->second = std::move(text);
        ++m_version;
        return true;
    }
    return add(std::move(key), std::move(text));
}

bool ListingCache::remove(std::string_view key) {
    auto it = m_index.find(key);
    if (it == m_index.end()) return false;
    auto entry = it->second;
    m_index.erase(it);  // before the node that holds the key's text goes
    m_entries.erase(entry);
    ++m_version;
    return true;
}

void ListingCache::clear() {
    m_index.clear();
    m_entries.clear();
    ++m_version;
}

std::size_t ListingCache::textBytes() const {
    std::size_t total = 0;
    for (const auto& [key, text] : m_entries) total += key.capacity() + text.capacity();
    total += m_entries.size() * (sizeof(Entry) + 2 * sizeof(void*));
    total += m_index.size() * (sizeof(std::string_view) + 3 * sizeof(void*)) + m_index.bucket_count() * sizeof(void*);
    return total;
}

}  // namespace zerin
