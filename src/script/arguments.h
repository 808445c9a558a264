// The argument readers of the drawing, colour, window and sound commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zerin {

class Zerin;
class Variables;

// Up to `maxCount` (12 when 0) blank-separated words: numbers, "&h" colours, or names of
// local or public variables holding either. Words after the maximum are ignored.
std::vector<double> numericArguments(Zerin& zerin, std::string_view text, Variables& locals, int maxCount = 0);

// "&hRRGGBB" (padded on the left to six digits) as the platform colour 0x00BBGGRR, in
// decimal text; other texts pass through trimmed and lower-cased; "" gives "0". A bad
// hexadecimal digit prints "Error: illegal value - expected hexadecimal!" and gives "0".
std::string hexColour(Zerin& zerin, std::string_view text);

}  // namespace zerin
