#include "script/evaluator.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/text.h"
#include "core/zerin.h"
#include "script/identifiers.h"
#include "script/language_messages.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"
#include "script/vocabulary.h"

namespace zerin {

namespace {

// A range longer than this is refused like a range with a bad step, so that a mistyped
// bound cannot exhaust memory.
constexpr double kMaxRangeValues = 1'000'000;

constexpr std::string_view kNumberStart = "-.0123456789";

std::string inQuotes(std::string_view s) { return "\"" + std::string(s) + "\""; }

// The lower-case form of a name, copied into `buffer` only when it has upper-case letters
// (names are nearly always written in lower case already).
std::string_view lowerKey(std::string_view name, std::string& buffer) {
    for (char c : name)
        if (c >= 'A' && c <= 'Z') {
            buffer = text::lower(name);
            return buffer;
        }
    return name;
}

// One operand word: a quoted word counts as one, as the is-expression test sees it.
std::string_view wordAt(std::string_view s, std::string_view* rest, bool* hadBlank) {
    std::string_view w = text::firstWord(s, rest);
    *hadBlank = w.size() < s.size();
    return w;
}

// Operand readers shared by the steps of one evaluation.
struct Reducer {
    Reducer(Zerin& zerin, Variables& locals) : m_zerin(zerin), m_locals(locals) {}

    double operand(std::string_view word) {
        if (!word.empty() && kNumberStart.find(word[0]) != std::string_view::npos) return val(word);
        return numericValueOfName(m_zerin, word, m_locals);
    }

    // The value of a text-comparison side: a local variable's value, else the word. The
    // view stays valid for the comparison: nothing is stored while both sides are read.
    std::string_view comparand(std::string_view word) {
        std::string buffer;
        std::string_view key = lowerKey(word, buffer);
        if (m_locals.indexed(key))
            if (const std::string* v = m_locals.find(key))
                if (!text::iequals(*v, word)) return *v;
        return word;
    }

    static std::optional<std::string> number(double x) {
        if (!std::isfinite(x)) return std::nullopt;  // overflow: the step is skipped
        return formatNumber(x);
    }

    static bool toWhole(double x, std::int64_t& out) {
        double r = roundHalfEven(x);
        if (!(r >= -9.2e18 && r <= 9.2e18)) return false;
        out = static_cast<std::int64_t>(r);
        return true;
    }

    Zerin& m_zerin;
    Variables& m_locals;
};

// Stores a step's number into `name`, as do_set "name value" would. The common case, a
// local variable that is no public one, is written directly with its number known, so
// that the next read of it parses nothing; other names go through do_set.
void storeNumber(Zerin& zerin, std::string_view name, std::string value, double v, Variables& locals) {
    if (!name.empty() && name.find_first_of("\" ") == std::string_view::npos) {
        std::string buffer;
        std::string_view key = lowerKey(name, buffer);
        if (locals.indexed(key) && !zerin.publicVars.indexed(key)) {
            // A whole number below 10^15 is written with all its digits, so reading the
            // text back gives `v` again (a negative zero is written and read as 0).
            double numeric = v == std::trunc(v) && std::fabs(v) < 1e15 ? v + 0.0 : val(value);
            locals.assignNumber(key, std::move(value), numeric);
            return;
        }
    }
    doSet(zerin, std::string(name) + " " + value, locals);
}

void appendWhole(std::string& out, double v) {
    if (std::fabs(v) < 1e15) {
        char buf[24];
        auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(v));
        out.append(buf, res.ptr);
    } else {
        out += formatNumber(v);
    }
    out += ' ';
}

// The word after the first blank of `tail` (which begins with that blank).
std::string_view secondWord(std::string_view tail) {
    std::string_view t = text::trimLeft(tail);
    return t.substr(0, t.find(' '));
}

}  // namespace

bool isExpression(std::string_view textArg) {
    std::string_view rest;
    text::firstWord(text::trimLeft(textArg), &rest);
    rest = text::trimLeft(rest);
    std::string_view second = rest.substr(0, rest.find(' '));
    return vocabulary::isOperator(second);
}

std::string evaluate(Zerin& zerin, std::string& expression, Variables& locals) {
    Reducer r(zerin, locals);
    RunState& run = zerin.run;
    Output& out = zerin.output;
    // Every way out writes `expression` anew, so the text can be taken rather than copied.
    const std::string passedIn = std::move(expression);
    // The text being reduced is `lastValue` + `tail`: the last step's value (a number or
    // a truth value, never with blanks) in front of what is left of the expression, which
    // stays in `passedIn`. Nothing is copied per step, so long expressions stay linear.
    std::string lastValue;
    std::string_view tail = passedIn;
    bool stepped = false;
    auto reduced = [&]() {
        std::string r;
        if (!stepped) return r;
        r.reserve(lastValue.size() + tail.size());
        r += lastValue;
        r += tail;
        return r;
    };

    auto syntaxError = [&]() {
        out.debugMessage(std::string(messages::kSyntaxError) + inQuotes(passedIn) + std::string(messages::kExpectedSpace));
        run.stopRequest = true;
        expression = reduced();
        return expression;
    };

    for (;;) {
        std::string_view left, afterLeft;
        if (!lastValue.empty()) {
            if (tail.empty()) return syntaxError();
            left = lastValue;
            afterLeft = tail.substr(1);  // the tail begins with the separating blank
        } else {
            bool blank = false;
            left = wordAt(text::trimLeft(tail), &afterLeft, &blank);
            if (!blank) return syntaxError();
        }
        afterLeft = text::trimLeft(afterLeft);
        std::size_t opEnd = afterLeft.find(' ');
        if (opEnd == std::string_view::npos) return syntaxError();
        std::string_view op = afterLeft.substr(0, opEnd);
        std::string_view afterOp = text::trimLeft(afterLeft.substr(opEnd + 1));
        std::string_view unused;
        bool blank = false;
        std::string_view right = wordAt(afterOp, &unused, &blank);
        if (right.empty()) return syntaxError();
        std::string_view rest = afterOp.substr(right.size());  // begins with a blank or is empty

        std::optional<std::string> value;
        if (op == "=") {
            value = r.comparand(left) == r.comparand(right) ? "1" : "0";
        } else if (op == ">" || op == "<") {
            double a = r.operand(left), b = r.operand(right);
            value = (op == ">" ? a > b : a < b) ? "1" : "0";
        } else if (op == "+" || op == "-" || op == "*" || op == "^") {
            double a = r.operand(left), b = r.operand(right);
            double v = op == "+" ? a + b : op == "-" ? a - b : op == "*" ? a * b : std::pow(a, b);
            value = Reducer::number(v);
        } else if (op == "/") {
            double a = r.operand(left), b = r.operand(right);
            if (b == 0) {
                out.debugMessage(messages::kDivisionByZero);
                run.commandFound = false;
                run.stopRequest = true;
                expression = reduced();
                return expression;
            }
            value = Reducer::number(a / b);
        } else if (op == "and" || op == "or") {
            std::int64_t a = 0, b = 0;
            if (Reducer::toWhole(r.operand(left), a) && Reducer::toWhole(r.operand(right), b))
                value = (op == "and" ? (a & b) != 0 : (a != 0 || b != 0)) ? "1" : "0";
        } else if (op == "+=" || op == "-=" || op == "*=" || op == "/=") {
            double a = r.operand(left), b = r.operand(right);
            if (op == "/=" && b == 0) {
                // Reported like "/": a compound division by zero is the same mistake.
                out.debugMessage(messages::kDivisionByZero);
                run.commandFound = false;
                run.stopRequest = true;
                expression = reduced();
                return expression;
            }
            double v = op == "+=" ? a + b : op == "-=" ? a - b : op == "*=" ? a * b : a / b;
            value = Reducer::number(v);
            if (value) storeNumber(zerin, left, *value, v, locals);
        } else if (op == "==") {
            double v = r.operand(right);
            value = Reducer::number(v);
            if (value) storeNumber(zerin, left, *value, v, locals);
        } else if (op == "to") {
            // a to b [step s]: always the last step; its list is the result.
            double start = roundHalfEven(r.operand(left));
            double end = roundHalfEven(r.operand(right));
            double step = 0;
            std::string_view stepRest;
            std::string_view stepWord = text::firstWord(text::trimLeft(rest), &stepRest);
            if (text::iequals(stepWord, "step")) {
                std::string_view s = text::firstWord(text::trimLeft(stepRest));
                step = roundHalfEven(s.empty() ? 0 : r.operand(s));
            }
            bool finite = std::isfinite(start) && std::isfinite(end) && std::isfinite(step);
            std::string list;
            if (finite && start == end) {
                list = formatNumber(start);
            } else {
                bool stepFits = finite && ((start < end && step > 0) || (start > end && step < 0));
                double count = stepFits ? std::floor((end - start) / step) + 1 : 0;
                if (!stepFits || count > kMaxRangeValues) {
                    out.print(std::string(messages::kForError) + "\r\n" + std::string(left) + " " + std::string(right));
                    run.stopRequest = true;
                    expression = reduced();
                    return expression;
                }
                auto n = static_cast<std::int64_t>(count);
                list.reserve(static_cast<std::size_t>(n) * 4);
                for (std::int64_t i = 0; i < n; ++i) appendWhole(list, start + static_cast<double>(i) * step);
            }
            expression = list;
            return list;
        } else {
            out.debugMessage(std::string(messages::kUnknownOperator) + inQuotes(op));
            expression = {};
            return {};
        }

        // A step whose arithmetic failed (an overflow, an impossible power) is skipped:
        // the previous step's value stands in for it and evaluation goes on.
        if (value) lastValue = std::move(*value);
        tail = rest;
        stepped = true;
        bool more = lastValue.empty() ? isExpression(tail) : vocabulary::isOperator(secondWord(tail));
        if (!more) {
            expression = reduced();
            return expression;
        }
    }
}

}  // namespace zerin
