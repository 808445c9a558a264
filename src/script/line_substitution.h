// What a line goes through before it is executed: bracketed variable names become their
// values, and parenthesised groups, innermost first, become their values (an expression,
// a command's result or an identifier).
#pragma once

#include <string>

namespace zerin {

class Zerin;
class Variables;

class LineSubstitution {
public:
    LineSubstitution(Zerin& zerin, Variables& locals) : m_zerin(zerin), m_locals(locals) {}

    void apply(std::string& line);

private:
    void brackets(std::string& line);
    // false when a ")" is left that no group can take.
    bool groups(std::string& line);
    std::string groupValue(std::string_view inner);

    Zerin& m_zerin;
    Variables& m_locals;
};

}  // namespace zerin
