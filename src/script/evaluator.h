// The expression evaluator: strictly left to right, three words at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/variables.h"
#include "script/vocabulary.h"

namespace zerin {

class Zerin;
class Variables;

// A range (a to b step s) longer than this is refused like a range with a bad step, so
// that a mistyped bound cannot exhaust memory.
inline constexpr std::int64_t kMaxRangeValues = 1'000'000;

// True when the second word (a quoted first word counting as one) is an operator.
bool isExpression(std::string_view text);

// Evaluates `expression`, which is overwritten with the partly reduced text as the
// evaluation proceeds; returns the result.
std::string evaluate(Zerin& zerin, std::string& expression, Variables& locals);

// An expression read once: where its words and operators lie, so that a line run again
// and again (a loop's condition, a counter) is not read anew on every turn. Evaluating
// it gives exactly what evaluate gives for its text.
struct ParsedExpression {
    struct Step {
        Op kind = Op::None;
        std::uint32_t opAt = 0, opLength = 0;
        std::uint32_t rightAt = 0, rightLength = 0;
        std::uint32_t restAt = 0;  // what follows the right operand
        bool rightIsNumber = false;  // written as a number: its value, read once
        double rightNumber = 0;
        std::string rightKey;  // lower-cased, as variables are looked up
        mutable VariableRef rightRef;
    };
    std::string text;
    std::uint32_t leftAt = 0, leftLength = 0;
    bool leftIsNumber = false;
    double leftNumber = 0;
    std::string leftKey;
    mutable VariableRef leftRef;
    std::vector<Step> steps;
};

// The parsed form of `expression`, or nothing when its text is no expression that reads
// to its end (evaluate then reports what is wrong with it).
std::optional<ParsedExpression> parseExpression(std::string_view expression);
std::string evaluateParsed(Zerin& zerin, const ParsedExpression& parsed, Variables& locals);

}  // namespace zerin
