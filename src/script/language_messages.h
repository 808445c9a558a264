// The messages the evaluator, the identifier lookup and the built-in functions print.
// Code and tests both use these, so a wording lives in one place.
#pragma once

#include <string_view>

namespace zerin::messages {

inline constexpr std::string_view kSyntaxError = "CheckOperands: Syntax Error: ";
inline constexpr std::string_view kExpectedSpace = "Expected a space-character";
inline constexpr std::string_view kDivisionByZero = "Error: Division by zero";
inline constexpr std::string_view kUnknownOperator = "CheckOperands: Unknown operator: ";
inline constexpr std::string_view kForError = "- Error in FOR statement: ";
// Followed by the limit, kMaxRangeValues.
inline constexpr std::string_view kTooManyRangeValues = "Too many values: a range holds at most ";
inline constexpr std::string_view kUnknownIdentifier = "Error: Unknown identifier: ";
inline constexpr std::string_view kOutputAccessed = "Outputresult accessed";
inline constexpr std::string_view kChkCommandNotFound = "chkCommand: Not found: ";

}  // namespace zerin::messages
