#include "script/variables.h"

#include "script/value.h"

namespace zerin {

const std::string* Variables::find(std::string_view key) const {
    auto it = m_store.find(key);
    return it == m_store.end() ? nullptr : &it->second.value;
}

bool Variables::add(const std::string& key, std::string value) {
    auto [it, added] = m_store.try_emplace(key, Entry{std::move(value)});
    if (added) created(it->second, key);
    return added;
}

void Variables::assign(const std::string& key, std::string value) {
    auto [it, added] = m_store.try_emplace(key);
    Entry& e = added ? created(it->second, key) : it->second;
    e.value = std::move(value);
    e.numericValid = false;
}

void Variables::assignNumber(std::string_view key, std::string value, double numeric) {
    auto it = m_store.find(key);
    if (it == m_store.end()) {
        it = m_store.emplace(std::string(key), Entry{}).first;
        created(it->second, key);
    }
    Entry& e = it->second;
    e.value = std::move(value);
    e.numeric = numeric;
    e.numericValid = true;
}

bool Variables::erase(std::string_view key) {
    auto it = m_store.find(key);
    if (it == m_store.end()) return false;
    m_store.erase(it);
    m_shape = nextShape();
    return true;
}

double Variables::numberOf(const Entry& e) {
    if (!e.numericValid) {
        e.numeric = val(e.value);
        e.numericValid = true;
    }
    return e.numeric;
}

double Variables::number(std::string_view key) const {
    auto it = m_store.find(key);
    return it == m_store.end() ? 0 : numberOf(it->second);
}

const std::string* Variables::findIndexed(std::string_view key) const {
    if (m_indexSet.empty()) return nullptr;
    auto it = m_store.find(key);
    return it != m_store.end() && it->second.indexed ? &it->second.value : nullptr;
}

std::optional<double> Variables::indexedNumber(std::string_view key) const {
    if (m_indexSet.empty()) return std::nullopt;
    auto it = m_store.find(key);
    if (it == m_store.end()) return m_indexSet.contains(key) ? std::optional<double>(0) : std::nullopt;
    if (!it->second.indexed) return std::nullopt;
    return numberOf(it->second);
}

const std::string* Variables::findIndexed(std::string_view key, VariableRef& ref) const {
    if (Entry* e = remembered(ref)) return &e->value;
    if (knownNotIndexed(ref)) return nullptr;
    auto it = m_indexSet.empty() ? m_store.end() : m_store.find(key);
    if (it == m_store.end() || !it->second.indexed) {
        rememberNotIndexed(ref, key);
        return nullptr;
    }
    remember(ref, it->second);
    return &it->second.value;
}

std::optional<double> Variables::indexedNumber(std::string_view key, VariableRef& ref) const {
    if (Entry* e = remembered(ref)) return numberOf(*e);
    if (knownNotIndexed(ref)) return std::nullopt;
    if (m_indexSet.empty()) {
        rememberNotIndexed(ref, key);
        return std::nullopt;
    }
    auto it = m_store.find(key);
    if (it == m_store.end()) {
        if (m_indexSet.contains(key)) return 0.0;
        rememberNotIndexed(ref, key);
        return std::nullopt;
    }
    if (!it->second.indexed) {
        rememberNotIndexed(ref, key);
        return std::nullopt;
    }
    remember(ref, it->second);
    return numberOf(it->second);
}

bool Variables::assignNumberIfIndexed(std::string_view key, std::string& value, double numeric, VariableRef& ref) {
    Entry* e = remembered(ref);
    if (!e) {
        if (knownNotIndexed(ref)) return false;
        if (!assignNumberIfIndexed(key, value, numeric)) {
            rememberNotIndexed(ref, key);
            return false;
        }
        remember(ref, m_store.find(key)->second);
        return true;
    }
    e->value = std::move(value);
    e->numeric = numeric;
    e->numericValid = true;
    return true;
}

bool Variables::assignNumberIfIndexed(std::string_view key, std::string& value, double numeric) {
    if (m_indexSet.empty()) return false;
    auto it = m_store.find(key);
    if (it == m_store.end()) {
        if (!m_indexSet.contains(key)) return false;
        it = m_store.emplace(std::string(key), Entry{}).first;
        it->second.indexed = true;
    } else if (!it->second.indexed) {
        return false;
    }
    Entry& e = it->second;
    e.value = std::move(value);
    e.numeric = numeric;
    e.numericValid = true;
    return true;
}

// Most runs have no public variables at all: an empty index is answered without hashing.
bool Variables::indexed(std::string_view key) const { return !m_indexSet.empty() && m_indexSet.contains(key); }

void Variables::indexAppend(const std::string& key) {
    m_indexText += ' ';
    m_indexText += key;
    m_indexText += ' ';
    m_indexSet.insert(key);
    if (auto it = m_store.find(key); it != m_store.end()) it->second.indexed = true;
    m_shape = nextShape();
}

void Variables::indexRemove(std::string_view key, bool keepBlank) {
    std::string wrapped = " " + std::string(key) + " ";
    std::size_t pos = m_indexText.find(wrapped);
    if (pos != std::string::npos) m_indexText.replace(pos, wrapped.size(), keepBlank ? " " : "");
    if (auto it = m_indexSet.find(key); it != m_indexSet.end()) m_indexSet.erase(it);
    if (auto it = m_store.find(key); it != m_store.end()) it->second.indexed = false;
    m_shape = nextShape();
}

}  // namespace zerin
