// What a line does, worked out once from its text: a jump, a compiled command, an
// expression, an assignment, a command by name or a keyword. A line with nothing to
// substitute keeps its plan for the rest of the run, so a loop body is not parsed anew
// on every turn.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "script/vocabulary.h"

namespace zerin {

struct LinePlan {
    enum class Kind { Nothing, Jump, Command, Evaluate, Assign, ByName, Keyword };
    Kind kind = Kind::Nothing;
    std::size_t target = 0;  // Jump
    int number = 0;          // Command
    std::string first;       // Keyword: the upper-cased keyword; Assign: the name as written
    Keyword keyword = Keyword::None;  // Keyword: which one, so that a loop turn need not look it up
    std::string key;         // Assign: the lower-cased name
    bool valueIsData = false;  // Assign: the right side is stored as it is
    bool charTarget = false;   // Jump: the target counts characters (a jump code)
    std::string text;        // Command, Keyword: the arguments; Evaluate, ByName: the line;
                             // Assign: the right side
};

// A compiled line's code (its first word, all digits) decides what the line is whatever
// is substituted into its arguments: a jump (kind 0 or 1, target) or a command number.
struct LineCode {
    bool jump = false;
    long long kind = 0;
    long long target = 0;
    int number = 0;
    std::size_t argsStart = 0;  // where the arguments begin in the line
};
// The code of a line whose first word is all digits and not 0, or false.
bool lineCode(std::string_view line, LineCode& code);
// The plan of a coded line once its arguments are known.
LinePlan codePlan(const LineCode& code, std::string_view args);

// Where END FUNCTION + CR LF ends, searched in any case from `from` (0-based), or npos.
std::size_t findFunctionEnd(std::string_view text, std::size_t from);

// The plan of `line` (already substituted). `text` is the buffer (for FUNCTION), `at`
// the 1-based position of the line.
LinePlan planLine(std::string_view line, std::string_view text, std::size_t at);

// True when substituting would change nothing in the line.
inline bool nothingToSubstitute(std::string_view line) {
    return line.find_first_of("[)") == std::string_view::npos && line.find("&& ") == std::string_view::npos;
}

}  // namespace zerin
