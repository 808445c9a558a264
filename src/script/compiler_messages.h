// The compiler's own debug lines.
#pragma once

#include <string_view>

namespace zerin::compiler_messages {

inline constexpr std::string_view kIfWithoutEndif = "Compiler: Syntax error: 'if' without 'endif'";
inline constexpr std::string_view kElseifWithoutEndif = "Syntax error: 'if' without 'endif' 2";
inline constexpr std::string_view kElseifWithoutEndifNested = "Syntax error: 'if' without 'endif' 2.1";
inline constexpr std::string_view kElseWithoutEndif = "Syntax error: 'if' without 'endif' 3";
inline constexpr std::string_view kElseWithoutEndifNested = "Syntax error: 'if' without 'endif' 3.1";
inline constexpr std::string_view kDoWithoutLabel = "Syntax error: 'do' without a Label";
inline constexpr std::string_view kCompiledSize = "Compiled size: ";
inline constexpr std::string_view kAllocatedVariables = "Allocated variables: ";

}  // namespace zerin::compiler_messages
