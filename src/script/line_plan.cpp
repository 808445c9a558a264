#include "script/line_plan.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/text.h"
#include "script/value.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

constexpr double kCommandCodeBase = 10000000;

bool mayBeNumber(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '&'; }

// The second word as the evaluator sees it: after the first (a quoted one counts whole).
std::string_view secondWord(std::string_view line) {
    std::string_view rest;
    text::firstWord(text::trimLeft(line), &rest);
    rest = text::trimLeft(rest);
    return rest.substr(0, rest.find(' '));
}

// Whether the upper-cased word followed by a blank occurs anywhere in the command
// table: true only for names without letters such as "?", "?." and "!".
bool inCommandTable(std::string_view word) {
    std::string key = text::upper(word);
    if (std::any_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return false;
    key += ' ';
    return vocabulary::commandTable().find(key) != std::string::npos;
}

LineCode codeOf(double value) {
    LineCode code;
    double whole = roundHalfEven(std::clamp(value, -9.0e15, 9.0e15));
    if (value <= kCommandCodeBase) {
        auto n = static_cast<long long>(whole);
        code.jump = true;
        code.kind = n % 10;
        code.target = n / 10;
    } else {
        code.number = static_cast<int>(std::min(whole - kCommandCodeBase, static_cast<double>(INT_MAX)));
    }
    return code;
}

}  // namespace

bool lineCode(std::string_view line, LineCode& code) {
    std::size_t blank = line.find(' ');
    std::string_view first = line.substr(0, blank);
    if (first.empty() || first.find_first_not_of("0123456789") != std::string_view::npos) return false;
    double value = val(first);
    if (value == 0) return false;
    code = codeOf(value);
    code.argsStart = blank == std::string_view::npos ? line.size() : blank + 1;
    return true;
}

// A jump line (code up to 10000000: target position and kind) or a compiled command.
LinePlan codePlan(const LineCode& code, std::string_view args) {
    LinePlan plan;
    if (code.jump) {
        std::string_view condition = text::trim(args);
        bool zero = condition.empty() || condition == "0" || condition == "false";
        // A position below 1 is no place in the text: such a line is skipped.
        if (((!zero && code.kind == 1) || (zero && code.kind == 0)) && code.target >= 1) {
            plan.kind = LinePlan::Kind::Jump;
            plan.target = static_cast<std::size_t>(code.target);
            plan.charTarget = true;
        }
        return plan;
    }
    plan.kind = LinePlan::Kind::Command;
    plan.number = code.number;
    plan.text = args;
    return plan;
}

std::size_t findFunctionEnd(std::string_view text, std::size_t from) {
    constexpr std::string_view kEnd = "END FUNCTION\r\n";
    for (std::size_t i = from; i + kEnd.size() <= text.size(); ++i)
        if (text::iequals(text.substr(i, kEnd.size()), kEnd)) return i + kEnd.size();
    return std::string_view::npos;
}

LinePlan planLine(std::string_view line, std::string_view text, std::size_t at) {
    std::string_view trimmed = text::trimLeft(line);
    std::size_t blank = trimmed.find(' ');
    std::string_view firstWord = blank == std::string_view::npos ? text::trim(line) : trimmed.substr(0, blank);
    std::string_view args = blank == std::string_view::npos ? std::string_view{} : trimmed.substr(blank + 1);
    std::string first = text::upper(firstWord);

    if (!first.empty() && mayBeNumber(first[0])) {
        double value = val(first);
        if (value != 0 && !std::isnan(value)) return codePlan(codeOf(value), args);
    }
    LinePlan plan;
    if (first == "FUNCTION") {
        // The flow does not enter a function body: it continues after END FUNCTION.
        std::size_t end = findFunctionEnd(text, at - 1);
        if (end != std::string_view::npos) {
            plan.kind = LinePlan::Kind::Jump;
            plan.target = end + 1;
            return plan;
        }
    }
    std::string_view op = secondWord(line);
    if (vocabulary::isOperator(op)) {
        if (op != "=") {
            plan.kind = LinePlan::Kind::Evaluate;
            plan.text = line;
            return plan;
        }
        if (!inCommandTable(firstWord)) {  // "? = x" prints
            std::size_t eq = args.find('=');
            plan.kind = LinePlan::Kind::Assign;
            plan.first = firstWord;
            plan.key = text::lower(firstWord);
            plan.text = text::trim(eq == std::string_view::npos ? args : args.substr(eq + 1));
            // The lines the compiler makes of "#name=" and "#location=": a script named
            // after a command or a variable keeps that name instead of running it.
            plan.valueIsData = plan.key == "app.name" || plan.key == "app.location";
            return plan;
        }
    }
    std::string named(line);
    Keyword keyword = vocabulary::keywordOf(first);
    if (keyword == Keyword::None) {
        plan.kind = LinePlan::Kind::ByName;
        plan.text = std::move(named);
        return plan;
    }
    std::string_view n = text::trimLeft(named);
    blank = n.find(' ');
    plan.kind = LinePlan::Kind::Keyword;
    plan.keyword = keyword;
    plan.first = std::move(first);
    plan.text = blank == std::string_view::npos ? std::string_view{} : n.substr(blank + 1);
    return plan;
}

}  // namespace zerin
