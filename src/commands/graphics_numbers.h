// Turning the numbers of a numeric argument list into drawing values. Scripts may hand
// any number (1e300, NaN from a bad expression); none of them may reach the drawing code
// as an undefined conversion or an absurd size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zerin::gfx {

// Coordinates far outside any surface are clamped; nothing visible changes.
inline constexpr int kCoordinateLimit = 1'000'000;

// The integer part (toward minus infinity), clamped to the coordinate limit.
int coordinate(double x);
// Rounded and clamped to int; NaN is 0.
int roundedInt(double x);
// A 16-bit value as the drawing commands take it (rounded); false when out of range.
bool int16Value(double x, int& out);
// The colour a number stands for: rounded, only the 24 colour bits kept.
Colour colourOf(double x);
// The i-th number (0-based) or 0 when the list lacks it.
double number(const std::vector<double>& list, std::size_t i);
// Upper-case hexadecimal without prefix or leading zeros, as forecolor answers.
std::string hexText(Colour c);

}  // namespace zerin::gfx
