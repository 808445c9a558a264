// What the code editor colours in a script line: keywords, command names (from the
// command table), comments, directives, labels, [variables] and numbers. The same
// spans colour the text editor when it shows a script.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

enum class ScriptToken { Keyword, Command, Comment, Directive, Label, Variable, Number };

struct TokenSpan {
    std::size_t start = 0;   // byte offset in the line
    std::size_t length = 0;  // bytes
    ScriptToken kind = ScriptToken::Keyword;
    bool operator==(const TokenSpan&) const = default;
};

// The coloured spans of one line (no line break in it), left to right.
std::vector<TokenSpan> highlightLine(std::string_view line);

// Whether a text looks like a stored script (it has a "#name=" or "#location=" line),
// so the text editor colours it.
bool looksLikeScript(std::string_view text);

// The command names that begin with `prefix` (any letter case), in table order.
std::vector<std::string> commandsStartingWith(std::string_view prefix);

}  // namespace zerin
