#include "script/line_substitution.h"

#include "core/text.h"
#include "core/zerin.h"
#include "script/evaluator.h"
#include "script/identifiers.h"
#include "script/interpreter_messages.h"
#include "script/value_escape.h"
#include "script/dispatcher.h"
#include "script/run_state.h"

namespace zerin {

namespace {

// A value that brings its own group back (a variable holding "(x)" read through (x))
// would otherwise be substituted for ever; past these bounds the line is run as it is.
constexpr int kMaxGroups = 10000;
constexpr std::size_t kMaxLineBytes = 32u << 20;

}  // namespace

// Values go into the line escaped, so that no later step can take a parenthesis, a
// bracket or an "&&" of a value for script code; the finished line is turned back once,
// and its receiver gets every value as it was.
void LineSubstitution::apply(std::string& line) {
    brackets(line);
    if (groups(line) && line.find("&& ") != std::string::npos) line = text::replaceAll(line, "&& ", "");
    if (holdsEscapes(line)) line = unescapeValue(line);
}

// [name] is replaced by the value of the run's variable name. A bracket that names no
// variable is left as it is and the scan goes on after it; inserted values are not
// scanned again, so a value holding its own name cannot loop.
void LineSubstitution::brackets(std::string& line) {
    std::size_t from = 0;
    for (;;) {
        std::size_t open = line.find('[', from);
        if (open == std::string::npos) return;
        std::size_t close = line.find(']', open + 1);
        if (close == std::string::npos) return;
        std::string key = text::lower(std::string_view(line).substr(open + 1, close - open - 1));
        if (!m_locals.indexed(key)) {
            from = open + 1;
            continue;
        }
        const std::string* value = m_locals.find(key);
        std::string v = value ? escapeValue(*value) : std::string();
        line.replace(open, close - open + 1, v);
        from = open + v.size();
    }
}

bool LineSubstitution::groups(std::string& line) {
    Output& out = m_zerin.output;
    for (int round = 0;; ++round) {
        std::size_t close = line.find(')');
        if (close == std::string::npos) return true;
        std::size_t open = close == 0 ? std::string::npos : line.rfind('(', close - 1);
        if (open == std::string::npos) {
            out.debugMessage(std::string(interpreter_messages::kErrorInLine) + line);
            out.debugMessage(interpreter_messages::kUnexpectedParenthesis);
            return false;
        }
        if (round >= kMaxGroups || line.size() > kMaxLineBytes) {
            out.debugMessage(std::string(interpreter_messages::kErrorInLine) + line.substr(0, 200));
            return false;
        }
        std::string group = line.substr(open, close - open + 1);
        std::string_view inner = text::trim(std::string_view(group).substr(1, group.size() - 2));
        std::string value = escapeValue(holdsEscapes(inner) ? groupValue(unescapeValue(inner)) : groupValue(inner));
        // Identical groups share the first one's value.
        value += ' ';
        // No copy of the group can start before `open` (it would close before the first
        // ")"), so when none follows either, the one at `open` is the only one there is:
        // it is replaced in place, with its blank when it has one, as below.
        if (line.find(group, close + 1) == std::string::npos) {
            bool blankAfter = close + 1 < line.size() && line[close + 1] == ' ';
            line.replace(open, close - open + 1 + (blankAfter ? 1 : 0), value);
            continue;
        }
        std::string spaced = group + ' ';
        if (line.find(spaced) != std::string::npos) line = text::replaceAll(line, spaced, value);
        else line = text::replaceAll(line, group, value);
    }
}

std::string LineSubstitution::groupValue(std::string_view inner) {
    if (isExpression(inner)) {
        std::string expression(inner);
        return std::string(text::trimLeft(evaluate(m_zerin, expression, m_locals)));
    }
    m_zerin.run.commandFound = false;
    std::string value = m_zerin.dispatcher.chkCommand(inner, m_locals);
    if (!m_zerin.run.commandFound) value = identifierLookup(m_zerin, inner, m_locals);
    return value;
}

}  // namespace zerin
