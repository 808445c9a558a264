// The three vocabulary strings of the language and their lookups. The strings are kept
// exactly as scripts can observe them (do.allcommands, the compile listing); lookups go
// through a hash map built from the same list, which answers the same as the substring
// search on the space-delimited string but in constant time.
#pragma once

#include <string>
#include <string_view>

namespace zerin::vocabulary {

inline constexpr std::string_view kOperatorList =
    " = > < <> + - * / ^ += -= *= /= =+ == \\ and or to ";
inline constexpr std::string_view kKeywordList =
    " IF ELSE ELSEIF ENDIF END GOTO GOSUB DO LOOP.UNTIL FOR NEXT APP.RETURN RETURN ";

// " rnd 1 int 2 ... gfx.mouse.y 150 "
const std::string& commandTable();

// The number of a command name (any case), or 0 when it is not a command.
int commandNumber(std::string_view word);
// The name of command `number` (1..150), or empty.
std::string_view commandName(int number);

bool isOperator(std::string_view token);  // case-sensitive: "AND" is not an operator
bool isKeyword(std::string_view word);    // upper-cased first

// The seven names that are in the table but have no handler.
bool isReserved(int number);

// Eight-digit command code of the compiled form: 10000000 + number.
std::string commandCode(int number);

}  // namespace zerin::vocabulary
