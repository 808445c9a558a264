#include "script/script_store.h"

#include "core/text.h"

namespace zerin {

bool ScriptStore::add(std::string key, std::string text) {
    if (m_index.count(key)) return false;
    m_index.emplace(key, m_scripts.size());
    m_scripts.push_back(StoredScript{std::move(key), std::move(text)});
    return true;
}

void ScriptStore::set(std::string key, std::string text) {
    auto it = m_index.find(key);
    if (it != m_index.end()) {
        m_scripts[it->second].text = std::move(text);
        return;
    }
    add(std::move(key), std::move(text));
}

bool ScriptStore::remove(std::string_view key) {
    auto it = m_index.find(std::string(key));
    if (it == m_index.end()) return false;
    std::size_t pos = it->second;
    m_scripts.erase(m_scripts.begin() + static_cast<std::ptrdiff_t>(pos));
    m_index.erase(it);
    for (auto& [k, idx] : m_index)
        if (idx > pos) --idx;
    return true;
}

const std::string* ScriptStore::find(std::string_view key) const {
    auto it = m_index.find(std::string(key));
    return it == m_index.end() ? nullptr : &m_scripts[it->second].text;
}

const StoredScript* ScriptStore::findByLocationName(std::string_view identifier) const {
    std::string wanted = text::lower(identifier);
    for (const StoredScript& s : m_scripts) {
        std::string id = headerValue("location", s.text) + "\\" + headerValue("name", s.text);
        if (text::lower(id) == wanted) return &s;
    }
    return nullptr;
}

std::string headerValue(std::string_view key, std::string_view scriptText) {
    std::string searchKey = "#" + text::upper(key);
    std::string upperText = text::upper(scriptText);
    std::string result;
    bool first = true;
    std::size_t lineStart = 0;
    while (lineStart <= upperText.size()) {
        std::size_t lineEnd = upperText.find("\r\n", lineStart);
        std::size_t end = lineEnd == std::string::npos ? upperText.size() : lineEnd;
        if (std::string_view(upperText).substr(lineStart, end - lineStart).starts_with(searchKey)) {
            std::size_t eq = upperText.find('=', lineStart);
            // The value runs from the "=" to the next CR LF; an "=" on a later line still
            // counts, exactly as the lookup has always behaved.
            if (eq != std::string::npos) {
                std::size_t valueEnd = upperText.find("\r\n", eq);
                if (valueEnd == std::string::npos) valueEnd = upperText.size();
                if (!first) result += "\r\n";
                result += scriptText.substr(eq + 1, valueEnd - eq - 1);
                first = false;
            }
        }
        if (lineEnd == std::string::npos) break;
        lineStart = lineEnd + 2;
    }
    return result;
}

std::string scriptLocationName(std::string_view scriptText, bool withBackslashWhenBlank) {
    std::string location = headerValue("location", scriptText);
    std::string name = headerValue("name", scriptText);
    if (withBackslashWhenBlank || !text::trim(location).empty()) return location + "\\" + name;
    return name;
}

}  // namespace zerin
