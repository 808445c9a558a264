#include "script/vocabulary.h"

#include <unordered_map>

#include "core/text.h"
#include "script/command_list.h"
// Not used here: included so that the language library itself stops building when a
// command has no usage text (the checks at the end of the header).
#include "script/command_usage.h"

namespace zerin::vocabulary {

namespace {

const std::unordered_map<std::string_view, int>& nameMap() {
    static const std::unordered_map<std::string_view, int> map = [] {
        std::unordered_map<std::string_view, int> m;
        for (const CommandInfo& c : kCommands) m.emplace(c.name, c.number);
        return m;
    }();
    return map;
}

struct OperatorEntry {
    std::string_view text;
    Op op;
};

constexpr OperatorEntry kOperators[] = {
#define ZERIN_OP_ENTRY(id, text) {text, Op::id},
    ZERIN_OPERATORS(ZERIN_OP_ENTRY)
#undef ZERIN_OP_ENTRY
};

struct KeywordEntry {
    std::string_view text;
    Keyword keyword;
};

constexpr KeywordEntry kKeywords[] = {
#define ZERIN_KEYWORD_ENTRY(id, text) {text, Keyword::id},
    ZERIN_KEYWORDS(ZERIN_KEYWORD_ENTRY)
#undef ZERIN_KEYWORD_ENTRY
};

constexpr std::size_t longest(auto const& entries) {
    std::size_t n = 0;
    for (const auto& e : entries) n = e.text.size() > n ? e.text.size() : n;
    return n;
}

constexpr std::size_t kLongestOperator = longest(kOperators);
constexpr std::size_t kLongestKeyword = longest(kKeywords);

}  // namespace

const std::string& commandTable() {
    static const std::string table = [] {
        std::string t = " ";
        for (const CommandInfo& c : kCommands) {
            t += c.name;
            t += ' ';
            t += std::to_string(c.number);
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
    return kCommands[static_cast<std::size_t>(number - 1)].name;
}

bool hasFlag(int number, unsigned flag) {
    if (number < 1 || number > kCommandCount) return false;
    return (kCommands[static_cast<std::size_t>(number - 1)].flags & flag) != 0;
}

// Both are asked for nearly every word a line holds, so the length is checked before any
// comparison; a word with a blank matches no entry, as in the list text.
Op operatorOf(std::string_view token) {
    if (token.empty() || token.size() > kLongestOperator) return Op::None;
    for (const OperatorEntry& e : kOperators)
        if (e.text == token) return e.op;
    return Op::None;
}

Keyword keywordOf(std::string_view word) {
    if (word.empty() || word.size() > kLongestKeyword) return Keyword::None;
    char upper[kLongestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::string_view key(upper, word.size());
    for (const KeywordEntry& e : kKeywords)
        if (e.text == key) return e.keyword;
    return Keyword::None;
}

std::string commandCode(int number) { return std::to_string(10000000 + number); }

}  // namespace zerin::vocabulary
