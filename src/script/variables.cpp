#include "script/variables.h"

#include "script/value.h"

namespace zerin {

const std::string* Variables::find(std::string_view key) const {
    auto it = m_store.find(key);
    return it == m_store.end() ? nullptr : &it->second.value;
}

bool Variables::add(const std::string& key, std::string value) {
    return m_store.emplace(key, Entry{std::move(value)}).second;
}

void Variables::assign(const std::string& key, std::string value) {
    Entry& e = m_store[key];
    e.value = std::move(value);
    e.numericValid = false;
}

void Variables::assignNumber(std::string_view key, std::string value, double numeric) {
    auto it = m_store.find(key);
    if (it == m_store.end()) it = m_store.emplace(std::string(key), Entry{}).first;
    Entry& e = it->second;
    e.value = std::move(value);
    e.numeric = numeric;
    e.numericValid = true;
}

bool Variables::erase(std::string_view key) {
    auto it = m_store.find(key);
    if (it == m_store.end()) return false;
    m_store.erase(it);
    return true;
}

double Variables::number(std::string_view key) const {
    auto it = m_store.find(key);
    if (it == m_store.end()) return 0;
    const Entry& e = it->second;
    if (!e.numericValid) {
        e.numeric = val(e.value);
        e.numericValid = true;
    }
    return e.numeric;
}

// Most runs have no public variables at all: an empty index is answered without hashing.
bool Variables::indexed(std::string_view key) const { return !m_indexSet.empty() && m_indexSet.contains(key); }

void Variables::indexAppend(const std::string& key) {
    m_indexText += ' ';
    m_indexText += key;
    m_indexText += ' ';
    m_indexSet.insert(key);
}

void Variables::indexRemove(std::string_view key, bool keepBlank) {
    std::string wrapped = " " + std::string(key) + " ";
    std::size_t pos = m_indexText.find(wrapped);
    if (pos != std::string::npos) m_indexText.replace(pos, wrapped.size(), keepBlank ? " " : "");
    if (auto it = m_indexSet.find(key); it != m_indexSet.end()) m_indexSet.erase(it);
}

}  // namespace zerin
