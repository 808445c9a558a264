#include "script/loop_lists.h"

#include <algorithm>

#include "core/text.h"

namespace zerin {

std::string_view LoopLists::key(std::string_view name, std::string& buffer) {
    bool plain = std::none_of(name.begin(), name.end(), [](char c) { return (c >= 'A' && c <= 'Z') || c == '"'; });
    if (plain) return name;
    buffer = text::lower(name);
    std::erase(buffer, '"');
    return buffer;
}

void LoopLists::startFor(std::string_view variable, std::string_view values, std::size_t bodyPosition) {
    std::string buffer;
    m_values.insert_or_assign(std::string(key(variable, buffer)), ValueList{std::string(values), 0, bodyPosition});
}

std::optional<std::string> LoopLists::nextValue(std::string_view variable, std::optional<std::size_t>* body) {
    std::string buffer;
    auto it = m_values.find(key(variable, buffer));
    if (it == m_values.end()) return std::nullopt;
    ValueList& list = it->second;
    if (body) *body = list.body;
    std::string_view rest = std::string_view(list.values).substr(list.cursor);
    rest = text::trimLeft(rest);
    if (rest.empty()) {
        // Used up: give the memory back, the entry itself stays.
        std::string().swap(list.values);
        list.cursor = 0;
        return std::nullopt;
    }
    std::string_view after;
    std::string_view word = text::firstWord(rest, &after);
    list.cursor = list.values.size() - after.size();
    return std::string(word);
}

std::optional<std::size_t> LoopLists::forBody(std::string_view variable) const {
    std::string buffer;
    auto it = m_values.find(key(variable, buffer));
    if (it == m_values.end()) return std::nullopt;
    return it->second.body;
}

void LoopLists::setDo(std::string_view label, std::size_t bodyPosition) { m_doBodies[text::lower(label)] = bodyPosition; }

std::optional<std::size_t> LoopLists::doBody(std::string_view label) const {
    auto it = m_doBodies.find(text::lower(label));
    if (it == m_doBodies.end()) return std::nullopt;
    return it->second;
}

}  // namespace zerin
