// How a value travels inside a script line. Substitution puts every value into the line
// escaped, so that nothing in it can be taken for a group, a bracket or an "&&" joiner
// and it is never run as script code; the line is turned back just before its receiver
// (a command, an assignment, a keyword) gets it, so a value arrives byte for byte.
//
//   "(" -> ":["   ")" -> ":]"   "[" -> ":<"   "]" -> ":>"   "&" -> ":+"
//   ":" -> ":|"   only where the ":" is followed by one of "[]<>+|"
//
// The last rule escapes the escape itself, so a real name holding ":[" comes back as
// written. Kept: ":[" and ":]" written in a script still read as "(" and ")".
#pragma once

#include <string>
#include <string_view>

namespace zerin {

std::string escapeValue(std::string_view value);
std::string unescapeValue(std::string_view line);
// Whether unescapeValue would change the text.
bool holdsEscapes(std::string_view line);

}  // namespace zerin
