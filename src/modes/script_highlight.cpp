#include "modes/script_highlight.h"

#include "core/text.h"
#include "script/command_list.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::vector<TokenSpan> highlightLine(std::string_view line) {
    std::vector<TokenSpan> spans;
    std::string_view body = text::trimLeftBlanksTabs(line);
    const std::size_t indent = line.size() - body.size();
    if (body.empty()) return spans;
    // Whole-line forms first, as the compiler classifies them.
    if (body.front() == '\'') return {TokenSpan{indent, body.size(), ScriptToken::Comment}};
    if (body.front() == '#') return {TokenSpan{indent, body.size(), ScriptToken::Directive}};
    std::string_view trimmed = text::trimRight(body);
    if (trimmed.size() > 1 && trimmed.back() == ':' && trimmed.find(' ') == std::string_view::npos)
        return {TokenSpan{indent, trimmed.size(), ScriptToken::Label}};

    std::size_t i = indent;
    bool first = true;
    while (i < line.size()) {
        char c = line[i];
        if (c == '[') {
            std::size_t close = line.find(']', i + 1);
            if (close != std::string_view::npos) {
                spans.push_back({i, close - i + 1, ScriptToken::Variable});
                i = close + 1;
                first = false;
                continue;
            }
        }
        // "?" and "!" print: at the start of a line they are commands.
        if (first && (c == '?' || c == '!')) {
            spans.push_back({i, 1, ScriptToken::Command});
            first = false;
            ++i;
            continue;
        }
        if (!isWordChar(c)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && isWordChar(line[end])) ++end;
        std::string_view word = line.substr(i, end - i);
        if (isDigit(word.front()) || (word.front() == '.' && word.size() > 1 && isDigit(word[1]))) {
            bool number = true;
            for (char d : word) number = number && (isDigit(d) || d == '.');
            if (number) spans.push_back({i, word.size(), ScriptToken::Number});
        } else if (vocabulary::isKeyword(word)) {
            spans.push_back({i, word.size(), ScriptToken::Keyword});
        } else if (vocabulary::commandNumber(text::lower(word)) != 0) {
            spans.push_back({i, word.size(), ScriptToken::Command});
        }
        first = false;
        i = end;
    }
    return spans;
}

bool looksLikeScript(std::string_view t) {
    std::string lowered = text::lower(t.substr(0, 4096));
    for (std::string_view key : {"#name=", "#location="})
        if (lowered.starts_with(key) || lowered.find("\n" + std::string(key)) != std::string::npos) return true;
    return false;
}

std::vector<std::string> commandsStartingWith(std::string_view prefix) {
    std::vector<std::string> out;
    const std::string wanted = text::lower(prefix);
    for (const CommandInfo& c : kCommands)
        if (!(c.flags & kReserved) && c.name.starts_with(wanted)) out.emplace_back(c.name);
    return out;
}

}  // namespace zerin
