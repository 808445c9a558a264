// Script values are texts. These are the conversions every module shares, so that a
// number is read and written the same way wherever it appears.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zerin {

// The leading number of a text, the way the settings file and the language read numbers:
// blanks, tabs and line feeds are skipped anywhere, "&H"/"&O" read hexadecimal or octal,
// reading stops at the first character that cannot continue the number; no digits is 0.
double val(std::string_view s);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double x);

// General decimal form: up to 15 significant digits, no trailing zeros, "." always;
// exponent form only for very large or very small magnitudes. Never locale-dependent.
std::string formatNumber(double x);

// A whole number as decimal text with a leading blank when it is not negative.
std::string strFormat(std::int64_t n);
std::string strFormat(double x);

// A condition is false when, trimmed, it is "0", empty or "false".
bool conditionIsFalse(std::string_view condition);

// Rounds to a 16-bit integer as the settings reader does; false when out of range.
bool toInt16(double x, std::int16_t& out);

}  // namespace zerin
