// The language's own small functions: arithmetic and trigonometry in degrees, text
// slicing and searching on characters (not bytes), quoting, key state and the base-64
// number codec. Each is a script command; the pure parts are exposed for reuse and tests.
#pragma once

#include <string>
#include <string_view>

namespace zerin {

class Zerin;

// Degrees per radian as the language has always used it (not 180 / pi exactly).
inline constexpr double kDegreesPerRadian = 57.29578;

// The 64 digits of do_value_encode, in digit order; "£" is one (two-byte) character.
inline constexpr std::string_view kValueDigits =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ\xC2\xA3$";

// do_trimquotes: trims, then removes one pair of surrounding '"' or '"' quotes.
std::string trimQuotes(std::string_view text);

// Lower case for ASCII and the Latin letters of U+00C0..U+017F; other characters stay.
std::string lowerText(std::string_view text);

// A whole number (rounded, sign kept) as base-64 digits, most significant first;
// "" for a value that is not finite.
std::string valueEncode(double value);
// Reads base-64 digits (an optional "-" first) up to the first character that is not
// one; whole numbers are written exactly.
std::string valueDecode(std::string_view digits);

void registerMathFunctions(Zerin& zerin);
void registerTextFunctions(Zerin& zerin);

// Every built-in function of the language.
void registerBuiltInFunctions(Zerin& zerin);

}  // namespace zerin
