// Small text helpers shared by every module. All text is UTF-8; case mapping is ASCII-only
// on purpose: names, keys and keywords of the language are ASCII, and folding other bytes
// would break multi-byte characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zerin::text {

inline constexpr std::string_view kCrLf = "\r\n";

std::string lower(std::string_view s);
std::string upper(std::string_view s);
bool iequals(std::string_view a, std::string_view b);
bool istartsWith(std::string_view s, std::string_view prefix);

// Blanks (spaces) only: tabs and line breaks are kept.
std::string_view trim(std::string_view s);
std::string_view trimLeft(std::string_view s);
std::string_view trimRight(std::string_view s);
// Blanks and tabs from the left.
std::string_view trimLeftBlanksTabs(std::string_view s);

// Replaces every occurrence of `from` (non-empty) by `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// Splits at single blanks; empty words between double blanks are kept.
std::vector<std::string_view> split(std::string_view s, char sep = ' ');

// The first word: up to the first blank; a word that begins with a double quote runs
// to the closing quote (quotes kept). `rest` receives what follows the separating blank.
std::string_view firstWord(std::string_view s, std::string_view* rest = nullptr);

// UTF-8 aware character handling for the functions that count characters.
std::size_t charCount(std::string_view s);
// Byte offset of character index `chars` (clamped to the end).
std::size_t byteOffsetOfChar(std::string_view s, std::size_t chars);
// Characters [start, start+count) as a substring (both clamped).
std::string_view charSubstr(std::string_view s, std::size_t start, std::size_t count);
bool isValidUtf8(std::string_view s);
std::string windows1252ToUtf8(std::string_view s);
// The way back: false when `s` holds a character that Windows-1252 has no byte for (or
// is not valid UTF-8); `out` is then incomplete. windows1252ToUtf8 of any bytes comes
// back to the same bytes.
bool utf8ToWindows1252(std::string_view s, std::string& out);

}  // namespace zerin::text
