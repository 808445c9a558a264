#include "panes/listing_cache.h"

namespace zerin {

const std::string* ListingCache::find(std::string_view key) const {
    auto it = m_index.find(key);
    return it == m_index.end() ? nullptr : &it->second->second;
}

bool ListingCache::add(std::string key, std::string text) {
    if (m_index.find(key) != m_index.end()) return false;
    m_entries.emplace_back(key, std::move(text));
    m_index.emplace(std::move(key), std::prev(m_entries.end()));
    return true;
}

void ListingCache::put(std::string key, std::string text) {
    auto it = m_index.find(key);
    if (it != m_index.end()) {
        it->second->second = std::move(text);
        return;
    }
    add(std::move(key), std::move(text));
}

bool ListingCache::remove(std::string_view key) {
    auto it = m_index.find(key);
    if (it == m_index.end()) return false;
    m_entries.erase(it->second);
    m_index.erase(it);
    return true;
}

void ListingCache::clear() {
    m_index.clear();
    m_entries.clear();
}

std::size_t ListingCache::textBytes() const {
    std::size_t total = 0;
    for (const auto& [key, text] : m_entries) total += key.capacity() + text.capacity();
    return total;
}

}  // namespace zerin
