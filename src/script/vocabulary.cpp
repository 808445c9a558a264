#include "script/vocabulary.h"

#include <array>
#include <unordered_map>

#include "core/text.h"
#include "script/command_list.h"

namespace zerin::vocabulary {

namespace {

struct Entry {
    int number;
    std::string_view name;
};

constexpr std::array<Entry, kCommandCount> kEntries = {{
#define ZERIN_ENTRY(n, name) Entry{n, name},
    ZERIN_COMMANDS(ZERIN_ENTRY)
#undef ZERIN_ENTRY
}};

const std::unordered_map<std::string_view, int>& nameMap() {
    static const std::unordered_map<std::string_view, int> map = [] {
        std::unordered_map<std::string_view, int> m;
        for (const Entry& e : kEntries) m.emplace(e.name, e.number);
        return m;
    }();
    return map;
}

}  // namespace

const std::string& commandTable() {
    static const std::string table = [] {
        std::string t = " ";
        for (const Entry& e : kEntries) {
            t += e.name;
            t += ' ';
            t += std::to_string(e.number);
            t += ' ';
        }
        return t;
    }();
    return table;
}

int commandNumber(std::string_view word) {
    if (word.empty() || word.find(' ') != std::string_view::npos) return 0;
    const auto& map = nameMap();
    auto it = map.find(text::lower(word));
    return it == map.end() ? 0 : it->second;
}

std::string_view commandName(int number) {
    if (number < 1 || number > kCommandCount) return {};
    return kEntries[static_cast<std::size_t>(number - 1)].name;
}

namespace {

// Whether `word` is one of the blank-separated entries of `list`: the same answer as
// searching " " + word + " ", without building the key (this runs for every line).
bool isEntry(std::string_view list, std::string_view word) {
    std::size_t at = list.find(word);
    while (at != std::string_view::npos) {
        if (list[at - 1] == ' ' && at + word.size() < list.size() && list[at + word.size()] == ' ') return true;
        at = list.find(word, at + 1);
    }
    return false;
}

}  // namespace

bool isOperator(std::string_view token) {
    if (token.empty() || token.size() > 3) return false;
    // Asked for nearly every word an expression holds, so it is answered by comparing with
    // the few short entries rather than by searching the list text; the answer is the
    // same as the list's (a token with a blank matches no entry).
    switch (token[0]) {
    case '=': return token == "=" || token == "==" || token == "=+";
    case '>': case '^': case '\\': return token.size() == 1;
    case '<': return token == "<" || token == "<>";
    case '+': case '-': case '*': case '/': return token.size() == 1 || (token.size() == 2 && token[1] == '=');
    case 'a': return token == "and";
    case 'o': return token == "or";
    case 't': return token == "to";
    default: return false;
    }
}

bool isKeyword(std::string_view word) {
    constexpr std::size_t kLongest = 10;  // APP.RETURN, LOOP.UNTIL
    if (word.empty() || word.size() > kLongest || word.find(' ') != std::string_view::npos) return false;
    char upper[kLongest];
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return isEntry(kKeywordList, std::string_view(upper, word.size()));
}

bool isReserved(int number) {
    switch (number) {
    case 18: case 19: case 20: case 21: case 74: case 92: case 142: return true;
    default: return false;
    }
}

std::string commandCode(int number) { return std::to_string(10000000 + number); }

}  // namespace zerin::vocabulary
