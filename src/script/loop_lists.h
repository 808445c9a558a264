// The loop lists every run shares, nested runs included: per FOR variable the values
// still to be taken and where its loop body starts, per DO label where its body starts.
// They live as long as the program; a FOR or DO of the same name replaces its entry.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zerin {

class LoopLists {
public:
    // `values` are blank-separated words; a word in double quotes counts as one.
    void startFor(std::string_view variable, std::string_view values, std::size_t bodyPosition);
    // The next value of the variable's list (taken off it), or nothing when it is used up.
    // `body`, when given, receives forBody's answer from the same search.
    std::optional<std::string> nextValue(std::string_view variable, std::optional<std::size_t>* body = nullptr);
    std::optional<std::size_t> forBody(std::string_view variable) const;

    void setDo(std::string_view label, std::size_t bodyPosition);
    std::optional<std::size_t> doBody(std::string_view label) const;

private:
    // The values are kept whole with a cursor, so a long list is read once, not copied
    // or rescanned per turn.
    struct ValueList {
        std::string values;
        std::size_t cursor = 0;
        std::size_t body = 0;  // where the loop's body starts
    };
    // The map key of a name: lower case, without quotes. `buffer` holds it when it differs
    // from the name, so the common lower-case name costs no copy.
    static std::string_view key(std::string_view name, std::string& buffer);
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    std::unordered_map<std::string, ValueList, KeyHash, std::equal_to<>> m_values;
    std::unordered_map<std::string, std::size_t> m_doBodies;
};

}  // namespace zerin
