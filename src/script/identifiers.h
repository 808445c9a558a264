// The identifier lookup (a bare word in parentheses) and the numeric value of a name.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class Variables;

std::string identifierLookup(Zerin& zerin, std::string_view name, Variables& locals);
double numericValueOfName(Zerin& zerin, std::string_view name, Variables& locals);

}  // namespace zerin
