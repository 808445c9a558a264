#include "script/loop_lists.h"

#include "core/text.h"

namespace zerin {

std::string LoopLists::key(std::string_view name) {
    std::string k = text::lower(name);
    std::erase(k, '"');
    return k;
}

void LoopLists::startFor(std::string_view variable, std::string_view values, std::size_t bodyPosition) {
    std::string k = key(variable);
    m_values[k] = ValueList{std::string(values), 0};
    m_forBodies[k] = bodyPosition;
}

std::optional<std::string> LoopLists::nextValue(std::string_view variable) {
    auto it = m_values.find(key(variable));
    if (it == m_values.end()) return std::nullopt;
    ValueList& list = it->second;
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
    auto it = m_forBodies.find(key(variable));
    if (it == m_forBodies.end()) return std::nullopt;
    return it->second;
}

void LoopLists::setDo(std::string_view label, std::size_t bodyPosition) { m_doBodies[text::lower(label)] = bodyPosition; }

std::optional<std::size_t> LoopLists::doBody(std::string_view label) const {
    auto it = m_doBodies.find(text::lower(label));
    if (it == m_doBodies.end()) return std::nullopt;
    return it->second;
}

}  // namespace zerin
