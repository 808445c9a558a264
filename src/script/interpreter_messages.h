// The interpreter's own debug lines.
#pragma once

#include <string_view>

namespace zerin::interpreter_messages {

inline constexpr std::string_view kCli = "CLI";
inline constexpr std::string_view kStopped = "Stopped. Last line was:";
inline constexpr std::string_view kErrorInLine = "Error in line: ";
inline constexpr std::string_view kUnexpectedParenthesis = "Unexpected \")\"";
inline constexpr std::string_view kElseWithoutEndif = "Error: ELSE without ENDIF";
inline constexpr std::string_view kIfWithoutEndif = "Error: IF without ENDIF";
inline constexpr std::string_view kForWithoutEquals = "Error: For without '='";
inline constexpr std::string_view kMissingPointer = "Error in LOOP.UNTIL statement: Missing pointer";
inline constexpr std::string_view kLabelNotFound = "Error: Label not found: ";
inline constexpr std::string_view kRunEditorFailed = "ERROR in RunEditor";
inline constexpr std::string_view kTooDeep = "Error: Too many nested script runs";

}  // namespace zerin::interpreter_messages
