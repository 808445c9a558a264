// The expression evaluator: strictly left to right, three words at a time.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class Variables;

// True when the second word (a quoted first word counting as one) is an operator.
bool isExpression(std::string_view text);

// Evaluates `expression`, which is overwritten with the partly reduced text as the
// evaluation proceeds; returns the result.
std::string evaluate(Zerin& zerin, std::string& expression, Variables& locals);

}  // namespace zerin
