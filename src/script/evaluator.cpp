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
#include "script/run_state.h"

namespace zerin {

namespace {

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

    static bool writtenAsNumber(std::string_view word) {
        return !word.empty() && kNumberStart.find(word[0]) != std::string_view::npos;
    }

    double operand(std::string_view word, const double* known = nullptr, VariableRef* ref = nullptr,
                   std::string_view key = {}) {
        if (known) return *known;
        if (writtenAsNumber(word)) return val(word);
        if (ref)
            if (std::optional<double> n = m_locals.indexedNumber(key, *ref)) return *n;
        return numericValueOfName(m_zerin, word, m_locals);
    }

    // The value of a text-comparison side: a local variable's value, else the word. The
    // view stays valid for the comparison: nothing is stored while both sides are read.
    std::string_view comparand(std::string_view word, VariableRef* ref = nullptr, std::string_view known = {}) {
        std::string buffer;
        std::string_view key = ref ? known : lowerKey(word, buffer);
        if (const std::string* v = ref ? m_locals.findIndexed(key, *ref) : m_locals.findIndexed(key))
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
void storeNumber(Zerin& zerin, std::string_view name, std::string value, double v, Variables& locals,
                 VariableRef* ref = nullptr, std::string_view known = {}) {
    if (!name.empty() && name.find_first_of("\" ") == std::string_view::npos) {
        std::string buffer;
        std::string_view key = ref ? known : lowerKey(name, buffer);
        if (!zerin.publicVars.indexed(key)) {
            // A whole number below 10^15 is written with all its digits, so reading the
            // text back gives `v` again (a negative zero is written and read as 0).
            double numeric = v == std::trunc(v) && std::fabs(v) < 1e15 ? v + 0.0 : val(value);
            if (ref ? locals.assignNumberIfIndexed(key, value, numeric, *ref)
                    : locals.assignNumberIfIndexed(key, value, numeric))
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

namespace {

// The words of one step as the reduction reads them from the text.
struct StepWords {
    std::string_view left, op, right, rest;
    // An operand written as a number, already read (a parsed expression's).
    const double* leftNumber = nullptr;
    const double* rightNumber = nullptr;
    // An operand that names a variable: its lower-case name and where it was found.
    VariableRef* leftRef = nullptr;
    VariableRef* rightRef = nullptr;
    std::string_view leftKey, rightKey;
};

// Reads the step at `tail`. `afterValue`: the left operand is the last step's value and
// the tail begins with the blank that separated it. False where the text is no step.
bool readStep(std::string_view tail, bool afterValue, StepWords& w) {
    std::string_view afterLeft;
    if (afterValue) {
        if (tail.empty()) return false;
        afterLeft = tail.substr(1);
    } else {
        bool blank = false;
        w.left = wordAt(text::trimLeft(tail), &afterLeft, &blank);
        if (!blank) return false;
    }
    afterLeft = text::trimLeft(afterLeft);
    std::size_t opEnd = afterLeft.find(' ');
    if (opEnd == std::string_view::npos) return false;
    w.op = afterLeft.substr(0, opEnd);
    std::string_view afterOp = text::trimLeft(afterLeft.substr(opEnd + 1));
    std::string_view unused;
    bool blank = false;
    w.right = wordAt(afterOp, &unused, &blank);
    if (w.right.empty()) return false;
    w.rest = afterOp.substr(w.right.size());  // begins with a blank or is empty
    return true;
}

// One evaluation: the text being reduced is `lastValue` + `tail`, the last step's value
// (a number or a truth value, never with blanks) in front of what is left of the
// expression, which stays in `passedIn`. Nothing is copied per step, so long
// expressions stay linear.
class Reduction {
public:
    Reduction(Zerin& zerin, Variables& locals, std::string_view passedIn)
        : m_r(zerin, locals), m_passedIn(passedIn), m_tail(passedIn) {}

    // The reduction read from the text, from the current state on.
    std::string fromText(std::string& expression) {
        for (;;) {
            StepWords w;
            bool afterValue = !m_lastValue.empty();
            if (!readStep(m_tail, afterValue, w)) return syntaxError(expression);
            if (afterValue) w.left = m_lastValue;
            if (std::optional<std::string> done = step(vocabulary::operatorOf(w.op), w, expression)) return *done;
            if (!moreAfterStep()) return finish(expression);
        }
    }

    // The reduction of a parsed expression: the same steps without reading the text
    // again. Should a step leave no value at all, the text takes over where it stands.
    std::string fromParsed(const ParsedExpression& parsed, std::string& expression) {
        m_keepsText = false;  // nobody reads the reduced text of a parsed expression
        const std::string_view t = m_passedIn;
        for (std::size_t i = 0; i < parsed.steps.size(); ++i) {
            const ParsedExpression::Step& s = parsed.steps[i];
            const bool first = i == 0;
            // Every field given: a default-initialised StepWords would be cleared first,
            // which costs more than the step itself on a short expression.
            const StepWords w{first ? t.substr(parsed.leftAt, parsed.leftLength) : std::string_view(m_lastValue),
                              t.substr(s.opAt, s.opLength),
                              t.substr(s.rightAt, s.rightLength),
                              t.substr(s.restAt),
                              first && parsed.leftIsNumber ? &parsed.leftNumber : nullptr,
                              s.rightIsNumber ? &s.rightNumber : nullptr,
                              first ? &parsed.leftRef : nullptr,
                              &s.rightRef,
                              first ? std::string_view(parsed.leftKey) : std::string_view{},
                              s.rightKey};
            if (std::optional<std::string> done = step(s.kind, w, expression)) return *done;
            if (m_lastValue.empty()) {
                if (!moreAfterStep()) return finish(expression);
                return fromText(expression);
            }
        }
        return finish(expression);
    }

private:
    bool moreAfterStep() const {
        return m_lastValue.empty() ? isExpression(m_tail) : vocabulary::isOperator(secondWord(m_tail));
    }

    std::string reduced() const {
        std::string r;
        if (!m_stepped) return r;
        r.reserve(m_lastValue.size() + m_tail.size());
        r += m_lastValue;
        r += m_tail;
        return r;
    }

    std::string finish(std::string& expression) {
        // The last value is not needed after this: moved rather than copied when it is
        // all there is.
        if (!m_keepsText) return m_stepped && m_tail.empty() ? std::move(m_lastValue) : reduced();
        expression = reduced();
        return expression;
    }

    std::string syntaxError(std::string& expression) {
        Zerin& z = m_r.m_zerin;
        z.output.debugMessage(std::string(messages::kSyntaxError) + inQuotes(m_passedIn) + std::string(messages::kExpectedSpace));
        z.run.stopRequest = true;
        return finish(expression);
    }

    std::string divisionByZero(std::string& expression) {
        Zerin& z = m_r.m_zerin;
        z.output.debugMessage(messages::kDivisionByZero);
        z.run.commandFound = false;
        z.run.stopRequest = true;
        return finish(expression);
    }

    // Carries out one step. A value when the evaluation ends with it, else nothing: the
    // step's value then stands as the last value (a step whose arithmetic failed, an
    // overflow or an impossible power, is skipped: the previous value stands in for it).
    std::optional<std::string> step(Op kind, const StepWords& w, std::string& expression) {
        Zerin& zerin = m_r.m_zerin;
        Variables& locals = m_r.m_locals;
        std::optional<std::string> value;
        if (kind == Op::Equals) {
            value = m_r.comparand(w.left, w.leftRef, w.leftKey) == m_r.comparand(w.right, w.rightRef, w.rightKey) ? "1" : "0";
        } else if (kind == Op::Greater || kind == Op::Less) {
            double a = m_r.operand(w.left, w.leftNumber, w.leftRef, w.leftKey), b = m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey);
            value = (kind == Op::Greater ? a > b : a < b) ? "1" : "0";
        } else if (kind == Op::Plus || kind == Op::Minus || kind == Op::Times || kind == Op::Power) {
            double a = m_r.operand(w.left, w.leftNumber, w.leftRef, w.leftKey), b = m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey);
            double v = kind == Op::Plus ? a + b : kind == Op::Minus ? a - b : kind == Op::Times ? a * b : std::pow(a, b);
            value = Reducer::number(v);
        } else if (kind == Op::Divide) {
            double a = m_r.operand(w.left, w.leftNumber, w.leftRef, w.leftKey), b = m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey);
            if (b == 0) return divisionByZero(expression);
            value = Reducer::number(a / b);
        } else if (kind == Op::And || kind == Op::Or) {
            std::int64_t a = 0, b = 0;
            if (Reducer::toWhole(m_r.operand(w.left, w.leftNumber, w.leftRef, w.leftKey), a) && Reducer::toWhole(m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey), b))
                value = (kind == Op::And ? (a & b) != 0 : (a != 0 || b != 0)) ? "1" : "0";
        } else if (kind == Op::AddTo || kind == Op::SubtractFrom || kind == Op::MultiplyBy || kind == Op::DivideBy) {
            double a = m_r.operand(w.left, w.leftNumber, w.leftRef, w.leftKey), b = m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey);
            // Reported like "/": a compound division by zero is the same mistake.
            if (kind == Op::DivideBy && b == 0) return divisionByZero(expression);
            double v = kind == Op::AddTo ? a + b : kind == Op::SubtractFrom ? a - b : kind == Op::MultiplyBy ? a * b : a / b;
            value = Reducer::number(v);
            if (value) storeNumber(zerin, w.left, *value, v, locals, w.leftRef, w.leftKey);
        } else if (kind == Op::Assign) {
            double v = m_r.operand(w.right, w.rightNumber, w.rightRef, w.rightKey);
            value = Reducer::number(v);
            if (value) storeNumber(zerin, w.left, *value, v, locals, w.leftRef, w.leftKey);
        } else if (kind == Op::To) {
            return range(w, expression);
        } else {
            zerin.output.debugMessage(std::string(messages::kUnknownOperator) + inQuotes(w.op));
            expression = {};
            return std::string();
        }
        if (value) m_lastValue = std::move(*value);
        m_tail = w.rest;
        m_stepped = true;
        return std::nullopt;
    }

    // a to b [step s]: always the last step; its list is the result.
    std::string range(const StepWords& w, std::string& expression) {
        Zerin& zerin = m_r.m_zerin;
        double start = roundHalfEven(m_r.operand(w.left));
        double end = roundHalfEven(m_r.operand(w.right));
        double step = 0;
        std::string_view stepRest;
        std::string_view stepWord = text::firstWord(text::trimLeft(w.rest), &stepRest);
        if (text::iequals(stepWord, "step")) {
            std::string_view s = text::firstWord(text::trimLeft(stepRest));
            step = roundHalfEven(s.empty() ? 0 : m_r.operand(s));
        }
        bool finite = std::isfinite(start) && std::isfinite(end) && std::isfinite(step);
        std::string list;
        if (finite && start == end) {
            list = formatNumber(start);
        } else {
            bool stepFits = finite && ((start < end && step > 0) || (start > end && step < 0));
            double count = stepFits ? std::floor((end - start) / step) + 1 : 0;
            if (!stepFits || count > static_cast<double>(kMaxRangeValues)) {
                std::string message = std::string(messages::kForError) + "\r\n" + std::string(w.left) + " " + std::string(w.right);
                // The step was right: say which limit refused the range.
                if (stepFits) message += "\r\n" + std::string(messages::kTooManyRangeValues) + std::to_string(kMaxRangeValues);
                zerin.output.print(message);
                zerin.run.stopRequest = true;
                return finish(expression);
            }
            auto n = static_cast<std::int64_t>(count);
            list.reserve(static_cast<std::size_t>(n) * 4);
            for (std::int64_t i = 0; i < n; ++i) appendWhole(list, start + static_cast<double>(i) * step);
        }
        expression = list;
        return list;
    }

    Reducer m_r;
    std::string_view m_passedIn;
    std::string m_lastValue;
    std::string_view m_tail;
    bool m_stepped = false;
    bool m_keepsText = true;
};

}  // namespace

std::string evaluate(Zerin& zerin, std::string& expression, Variables& locals) {
    // Every way out writes `expression` anew, so the text can be taken rather than copied.
    const std::string passedIn = std::move(expression);
    return Reduction(zerin, locals, passedIn).fromText(expression);
}

std::optional<ParsedExpression> parseExpression(std::string_view expression) {
    ParsedExpression parsed;
    parsed.text = std::string(expression);
    std::string_view t = parsed.text;
    auto offset = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - t.data()); };
    auto length = [](std::string_view part) { return static_cast<std::uint32_t>(part.size()); };
    std::string_view tail = t;
    for (bool first = true;; first = false) {
        StepWords w;
        if (!readStep(tail, !first, w)) return std::nullopt;
        if (first) {
            parsed.leftAt = offset(w.left);
            parsed.leftLength = length(w.left);
            parsed.leftIsNumber = Reducer::writtenAsNumber(w.left);
            if (parsed.leftIsNumber) parsed.leftNumber = val(w.left);
            std::string buffer;
            parsed.leftKey = lowerKey(w.left, buffer);
        }
        ParsedExpression::Step s;
        s.kind = vocabulary::operatorOf(w.op);
        s.opAt = offset(w.op);
        s.opLength = length(w.op);
        s.rightAt = offset(w.right);
        s.rightLength = length(w.right);
        s.restAt = w.rest.empty() ? length(t) : offset(w.rest);
        s.rightIsNumber = Reducer::writtenAsNumber(w.right);
        if (s.rightIsNumber) s.rightNumber = val(w.right);
        std::string buffer;
        s.rightKey = lowerKey(w.right, buffer);
        parsed.steps.push_back(s);
        // Past these the reduction ends with the step whatever follows.
        if (s.kind == Op::None || s.kind == Op::To) return parsed;
        tail = w.rest;
        if (!vocabulary::isOperator(secondWord(tail))) return parsed;
    }
}

std::string evaluateParsed(Zerin& zerin, const ParsedExpression& parsed, Variables& locals) {
    std::string expression;
    return Reduction(zerin, locals, parsed.text).fromParsed(parsed, expression);
}

}  // namespace zerin
